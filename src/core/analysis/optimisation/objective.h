// What the parameter searches minimise: the criterion J(x) of the vector x of varied
// parameters, evaluated one call at a time, with an abort flag every search checks
// after each evaluation.
//
// CriterionEvaluation applies the guards of the optimisation around the computation
// of J: it polls Escape, counts the evaluations (a 16-bit counter: the search is
// stopped when it is full), never writes a vector with a negative component (the
// penalty is returned instead), and treats a value at or below Limitation, or one that
// is not a finite number, as the penalty. The gradient and coordinate-descent
// searches evaluate without the negative-value guard and the Limitation test.
//
// It also remembers the first evaluation (the start point) and the best one, so that
// an optimisation can end where it found its lowest value rather than wherever the
// search's last probe happened to land.
#pragma once

#include <functional>
#include <vector>

#include "core/real48.h"

namespace velmar {

// The penalty 1e30, as the 6-byte real 9.999999999995347e+29 it is stored as.
Extended penaltyValue();

class Objective {
public:
    virtual ~Objective() = default;
    // J(x) with every guard.
    virtual Extended value(const std::vector<Real48>& x) = 0;
    // J(x) without the negative-value guard and the Limitation test.
    virtual Extended plainValue(const std::vector<Real48>& x) = 0;
    virtual bool aborted() const = 0;
};

inline constexpr int kMaxEvaluations = 65535;  // the evaluation counter is 16-bit

class CriterionEvaluation : public Objective {
public:
    struct Hooks {
        // Writes x into the parameters and computes J; may call abort() (and return
        // anything) when the optimisation cannot go on.
        std::function<Extended(const std::vector<Real48>& x)> compute;
        // True when Escape was pressed since the last call.
        std::function<bool()> escape;
        // After every evaluation: the count and the value.
        std::function<void(int count, Extended value)> progress;
    };

    CriterionEvaluation(Hooks hooks, Extended limitation)
        : hooks_(std::move(hooks)), limitation_(limitation) {}

    Extended value(const std::vector<Real48>& x) override { return evaluate(x, true); }
    Extended plainValue(const std::vector<Real48>& x) override { return evaluate(x, false); }
    bool aborted() const override { return aborted_; }

    void abort() { aborted_ = true; }
    int count() const { return count_; }
    Extended last() const { return last_; }

    // True when some evaluation gave a criterion other than the penalty.
    bool foundValue() const { return !best_.empty(); }
    // The lowest criterion evaluated and its vector (only when foundValue()).
    Extended bestValue() const { return bestValue_; }
    const std::vector<Real48>& bestPoint() const { return best_; }
    // The criterion of the first evaluation, the penalty when none ran.
    Extended startValue() const { return start_; }

private:
    Extended evaluate(const std::vector<Real48>& x, bool guarded);

    Hooks hooks_;
    Real48 limitation_;
    bool aborted_ = false;
    int count_ = 0;
    Extended last_ = 0;
    Extended start_ = penaltyValue();
    Extended bestValue_ = 0;
    std::vector<Real48> best_;
};

}  // namespace velmar
