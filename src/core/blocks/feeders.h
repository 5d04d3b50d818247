// Sorting a multi-input block's feeders into signal inputs and control inputs.
//
// A feeder that is an additional-input selector (codes 54..59) does not carry the
// block's signal: its value is a control or data value (a shift, an operand, a logic
// data input), selector 54 being the first such input, 55 the second and so on. Every
// other feeder is a signal input.
#pragma once

#include <array>

#include "core/model/element.h"

namespace velmar {

inline constexpr int kSelectorCount = 6;  // selectors 54..59

struct FeederSplit {
    // The signal feeders in input order.
    std::array<const Element*, kMaxInputs> signals{};
    int signalCount = 0;
    // The feeder of each selector number, [0] for 54 ... [5] for 59; when two feeders
    // are the same selector number the later one counts.
    std::array<const Element*, kSelectorCount> controls{};
    // The last selector feeder of any number, for the blocks that take "a control input".
    const Element* anyControl = nullptr;

    // The feeder of selector 54 + k, or null.
    const Element* control(int k) const { return controls[static_cast<std::size_t>(k)]; }
};

inline FeederSplit splitFeeders(const Element& block) {
    FeederSplit split;
    for (const Element* feeder : block.Inputs) {
        if (feeder == nullptr) continue;
        if (feeder->isSelector()) {
            split.controls[static_cast<std::size_t>(feeder->info().selector - 1)] = feeder;
            split.anyControl = feeder;
        } else {
            split.signals[static_cast<std::size_t>(split.signalCount++)] = feeder;
        }
    }
    return split;
}

}  // namespace velmar
