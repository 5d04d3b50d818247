// The integral square estimate I = integral from 0 to infinity of e(t)^2 dt, e the
// impulse response of E(s) = N(s)/D(s), by the Routh-type recursion:
//
//   with both polynomials reversed (index 0 the highest power; N aligned to the powers
//   s^(n-1) .. s^0 of D's order n, its missing coefficients 0),
//   for c = 0 .. n-1:  alpha = d(c) / d(c+1),  beta = N(c) / d(c+1),  I += beta^2 / alpha,
//                      d(i) -= alpha d(i+1),  N(i) -= beta d(i+1)   for i = c+2, c+4, ...
//   I := I / 2.
//
// Coefficients beyond either polynomial read as 0, so the recursion never reads past
// them. D is taken with a positive leading coefficient (N and D may both change sign,
// which leaves E and I alone); a pivot that is not positive means D is unstable or
// marginal and the estimate fails. A numerator of D's degree or more has no finite
// estimate (its impulse response holds an impulse).
#pragma once

#include <vector>

#include "core/analysis/coefficients.h"
#include "core/model/polynomial.h"

namespace velmar {

enum class EstimateStatus { Done, Unstable, Improper };

struct IntegralEstimate {
    Real48 value;
    EstimateStatus status = EstimateStatus::Done;
    bool ok() const { return status == EstimateStatus::Done; }
};

// Coefficients in ascending powers, computed in extended precision.
IntegralEstimate integralSquareEstimate(std::vector<Extended> numerator, std::vector<Extended> denominator);
IntegralEstimate integralSquareEstimate(const Polynomial& numerator, const Polynomial& denominator);

}  // namespace velmar
