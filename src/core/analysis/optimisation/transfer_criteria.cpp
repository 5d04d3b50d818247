#include "core/analysis/optimisation/transfer_criteria.h"

#include <algorithm>
#include <optional>

#include "core/analysis/integral_estimate.h"
#include "core/analysis/optimisation/objective.h"

namespace velmar {

namespace {

Extended coefficient(const std::vector<Extended>& c, std::size_t i) { return i < c.size() ? c[i] : 0; }

Extended estimateOrPenalty(const std::vector<Extended>& numerator, const std::vector<Extended>& denominator) {
    const IntegralEstimate e = integralSquareEstimate(numerator, denominator);
    return e.ok() ? e.value.get() : penaltyValue();
}

// The numerator of E(s) = (A/s)/B, or nothing when A(0) is not 0.
std::optional<std::vector<Extended>> errorNumerator(const TransferFunction& w) {
    std::vector<Extended> a = CoefficientsOf(w.A);
    if (coefficient(a, 0) != 0) return std::nullopt;
    if (!a.empty()) a.erase(a.begin());
    return a;
}

}  // namespace

TransferCriterion integralCriterion(const TransferFunction& w) {
    const auto n = errorNumerator(w);
    if (!n) return {TransferCriterionStatus::NotTendingToZero};
    return {TransferCriterionStatus::Value, estimateOrPenalty(*n, CoefficientsOf(w.B))};
}

TransferCriterion integralCriterionWithDerivative(const TransferFunction& w, Extended tau) {
    const auto n = errorNumerator(w);
    if (!n) return {TransferCriterionStatus::NotTendingToZero};
    if (coefficient(*n, 0) != 0) return {TransferCriterionStatus::NotAstatic2};
    std::vector<Extended> b = CoefficientsOf(w.B);
    while (!b.empty() && b.back() == 0) b.pop_back();
    const Extended i0 = estimateOrPenalty(*n, b);
    if (b.empty() || i0 == penaltyValue()) return {TransferCriterionStatus::Value, penaltyValue()};
    // s E(s) - e(0+), with e(0+) = N(n-1)/B(n): the s^n terms cancel.
    const std::size_t order = b.size() - 1;
    const Extended e0 = coefficient(*n, order - 1) / b[order];
    std::vector<Extended> derivative(order, 0);
    for (std::size_t i = 0; i < order; ++i) derivative[i] = (i > 0 ? coefficient(*n, i - 1) : 0) - e0 * b[i];
    const Extended i1 = estimateOrPenalty(derivative, b);
    if (i1 == penaltyValue()) return {TransferCriterionStatus::Value, penaltyValue()};
    return {TransferCriterionStatus::Value, i0 + tau * tau * i1};
}

Extended maxAmplitudeCriterion(const TransferFunction& w, const FrequencyRange& range) {
    const Curve amplitude = frequencyCharacteristic(FrequencySplit(w), MethodCode::Amplitude, range);
    if (amplitude.y.empty()) return penaltyValue();
    return *std::max_element(amplitude.y.begin(), amplitude.y.end());
}

}  // namespace velmar
