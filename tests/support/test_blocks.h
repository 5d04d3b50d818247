// Minimal element types that let tests drive runs without the block families that
// provide the real ones: a step (33) y = C; an amplifier (30) y = K·u; an integrator (27)
// y' = K·u from H y; an aperiodic link (22) y' = (K·u − y) / T from H y, which divides
// by T. Both step y_n = y_(n-1) + h·y' on the constant step and hand y' to the
// integrator on the variable step.
#pragma once

#include <cstdint>
#include <memory>

#include "core/model/scheme.h"

namespace velmar::testing {

// The test type for 22, 27, 30 and 33; CreateElement for every other code.
std::unique_ptr<Element> CreateTestElement(std::uint8_t code);

inline void UseTestElements(Scheme& scheme) { scheme.elementFactory = CreateTestElement; }

}  // namespace velmar::testing
