// Generators of functions of the time t of the run:
//   112 y = a^t (0 for a = 0; kept for a < 0)     113 y = t^a (0 at t = 0)
//   114 y = e^(-t^2) (1 at t = 0, 0 from t = 9)   115 y = t e^(-t)
//   116 y = A t^2 e^(-k t)                        120 y = ln(A t) (kept at t = 0)
//   121 y = ln(A t) / ln 10 (kept at t = 0)       122 y = e^(k t), 1 before the start
// Values a run cannot hold (the logarithm of a negative number, an overflow) end the run
// with the fault's text when they are stored.
#pragma once

#include <memory>

#include "core/blocks/point_step.h"

namespace velmar {

class TimeFunction : public TimeSource {
public:
    explicit TimeFunction(std::uint8_t code);
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

    struct Row;

private:
    const Row* row_;
};

// The generator of a code 112..116 or 120..122; null for other codes.
std::unique_ptr<Element> createTimeFunction(std::uint8_t code);

}  // namespace velmar
