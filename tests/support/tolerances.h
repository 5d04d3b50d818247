// Tolerances shared by the core tests. The values the system keeps are 6-byte reals (a
// 39-bit mantissa: about 12 significant digits) computed in 80-bit long double, so a
// result checked against an exact formula differs from it by the roundings it went
// through.
#pragma once

#include "core/real48.h"

namespace velmar::testing {

inline constexpr Extended kRoundingTolerance = 1e-11L;  // a few 6-byte roundings of values near 1
inline constexpr Extended kSummedTolerance = 1e-9L;     // values built from stored reals step by step
// Reference values quoted to three or four digits.
inline constexpr Extended kThreeDigits = 1e-3L;
inline constexpr Extended kFourDigits = 1e-4L;

}  // namespace velmar::testing
