// The criteria computed from the transfer function W(s) = A(s)/B(s) between the step
// source and the optimisation block, i.e. from the error's transform E(s) = W(s)/s:
//
//   "Integral(e^2)": A(0) must be 0 (the error tends to zero); I0 is the integral square
//     estimate of (A/s)/B.
//   "Int(e^2+tau^2*(de/dt)^2)": in addition the coefficient of s in A must be 0; J =
//     I0 + tau^2 I1, I1 the estimate of the derivative's transform s E(s) - e(0+).
//   the "optmaxaw" variant: J = the largest A(w) = |W(jw)| on the frequency grid.
//
// An estimate that fails (an unstable or marginal B) gives the penalty.
#pragma once

#include <string_view>

#include "core/analysis/frequency.h"
#include "core/model/polynomial.h"

namespace velmar {

inline constexpr std::string_view kErrorNotTendingToZero = " Ошибка не стремится к нулю ";
inline constexpr std::string_view kOnlyForAstatism2 = "only for astatizm n >=2 ";

enum class TransferCriterionStatus { Value, NotTendingToZero, NotAstatic2 };

struct TransferCriterion {
    TransferCriterionStatus status = TransferCriterionStatus::Value;
    Extended value = 0;
};

TransferCriterion integralCriterion(const TransferFunction& w);
TransferCriterion integralCriterionWithDerivative(const TransferFunction& w, Extended tau);

// The largest amplitude on the grid; the penalty when the grid gives no point.
Extended maxAmplitudeCriterion(const TransferFunction& w, const FrequencyRange& range);

}  // namespace velmar
