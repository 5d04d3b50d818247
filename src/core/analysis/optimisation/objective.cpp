#include "core/analysis/optimisation/objective.h"

#include <algorithm>
#include <cmath>

namespace velmar {

Extended penaltyValue() { return Real48(1e30L); }

Extended CriterionEvaluation::evaluate(const std::vector<Real48>& x, bool guarded) {
    if (hooks_.escape && hooks_.escape()) aborted_ = true;
    if (count_ >= kMaxEvaluations) aborted_ = true;
    if (aborted_) return penaltyValue();
    ++count_;
    const bool negative = std::any_of(x.begin(), x.end(), [](const Real48& v) { return v < 0; });
    Extended j = penaltyValue();
    if (!guarded || !negative) {
        j = hooks_.compute(x);
        if (aborted_ || !std::isfinite(j) || (guarded && !(j > limitation_))) j = penaltyValue();
    }
    last_ = j;
    if (count_ == 1) start_ = j;
    if (j != penaltyValue() && (best_.empty() || j < bestValue_)) {
        bestValue_ = j;
        best_ = x;
    }
    if (hooks_.progress) hooks_.progress(count_, j);
    return j;
}

}  // namespace velmar
