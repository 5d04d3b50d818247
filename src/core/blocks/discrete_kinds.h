// The groups of discrete and logic element types. Each creation function returns the
// element for a code of its group and null for any other code.
#pragma once

#include <cstdint>
#include <memory>

#include "core/model/element.h"

namespace velmar {

// Sampling and holding blocks and the digital regulator: 39, 41, 42, 44, 102, 137.
std::unique_ptr<Element> createSamplingBlock(std::uint8_t code);
// Logic gates 91..96.
std::unique_ptr<Element> createGate(std::uint8_t code);
// Flip-flops 127..135.
std::unique_ptr<Element> createFlipFlop(std::uint8_t code);

}  // namespace velmar
