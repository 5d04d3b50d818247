#include "core/analysis/integral_estimate.h"

#include "core/errors.h"

namespace velmar {

namespace {

void trimZeros(std::vector<Extended>& c) {
    while (!c.empty() && c.back() == 0) c.pop_back();
}

}  // namespace

IntegralEstimate integralSquareEstimate(std::vector<Extended> numerator, std::vector<Extended> denominator) {
    trimZeros(numerator);
    trimZeros(denominator);
    if (numerator.empty()) return {0.0L, EstimateStatus::Done};
    if (denominator.empty()) return {0.0L, EstimateStatus::Unstable};
    const int n = static_cast<int>(denominator.size()) - 1;
    if (static_cast<int>(numerator.size()) > n) return {0.0L, EstimateStatus::Improper};

    // Reversed and padded: d[0..n+1] with d[n+1] = 0, u[0..n] with u[i] the
    // coefficient of s^(n-1-i) and u[n] = 0.
    const Extended sign = denominator.back() < 0 ? -1 : 1;
    std::vector<Extended> d(static_cast<std::size_t>(n) + 2, 0), u(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 0; i <= n; ++i)
        d[static_cast<std::size_t>(i)] = sign * denominator[static_cast<std::size_t>(n - i)];
    for (int i = 0; i < n; ++i) {
        const int power = n - 1 - i;
        if (power < static_cast<int>(numerator.size()))
            u[static_cast<std::size_t>(i)] = sign * numerator[static_cast<std::size_t>(power)];
    }

    Extended sum = 0;
    for (int c = 0; c < n; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (d[k] <= 0 || d[k + 1] <= 0) return {0.0L, EstimateStatus::Unstable};
        const Extended alpha = d[k] / d[k + 1];
        const Extended beta = u[k] / d[k + 1];
        sum += beta * beta / alpha;
        for (std::size_t i = k + 2; i + 1 <= static_cast<std::size_t>(n); i += 2) {
            d[i] -= alpha * d[i + 1];
            u[i] -= beta * d[i + 1];
        }
    }
    // A pivot just above 0 (D nearly marginal) can give more than a 6-byte real holds.
    try {
        return {Real48(sum / 2), EstimateStatus::Done};
    } catch (const MathError&) { return {0.0L, EstimateStatus::Unstable}; }
}

IntegralEstimate integralSquareEstimate(const Polynomial& numerator, const Polynomial& denominator) {
    return integralSquareEstimate(CoefficientsOf(numerator), CoefficientsOf(denominator));
}

}  // namespace velmar
