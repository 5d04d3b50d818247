// A polynomial's coefficients in ascending powers as extended-precision numbers, for
// the methods that compute with them beyond the stored 6-byte reals.
#pragma once

#include <vector>

#include "core/model/polynomial.h"

namespace velmar {

using Coefficients = std::vector<Extended>;

Coefficients CoefficientsOf(const Polynomial& p);
Extended evaluateAt(const Coefficients& c, Extended x);  // Horner
Coefficients derivativeOf(const Coefficients& c);

}  // namespace velmar
