// Hooke-Jeeves and the Poisk coordinate searches.
#include <cmath>

#include "core/analysis/optimisation/search.h"

namespace velmar {

namespace {

constexpr Extended kImprovement = 1e-8L;     // Hooke-Jeeves: a smaller gain is no gain
constexpr Extended kStepShrink = 0.1L;       // Hooke-Jeeves: steps after a failed exploration
constexpr Extended kSmallestSteps = 1e-7L;   // Hooke-Jeeves: stop below this sum of steps
constexpr int kPoiskBudget = 500;            // evaluations of one Poisk search
constexpr Extended kRelativeGuard = 1e-10L;  // keeps the relative step finite at x = 0

// Explores around x from its value fx: each parameter moves by +h, else by -h, and
// keeps a strictly lower value. Returns the value reached.
Extended explore(Objective& f, std::vector<Real48>& x, const std::vector<Real48>& h, Extended fx) {
    for (std::size_t i = 0; i < x.size() && !f.aborted(); ++i) {
        const Real48 keep = x[i];
        for (const int sign : {1, -1}) {
            x[i] = keep + sign * h[i];
            const Extended t = f.value(x);
            if (f.aborted()) return fx;
            if (t < fx) {
                fx = t;
                break;
            }
            x[i] = keep;
        }
    }
    return fx;
}

}  // namespace

void HookeJeeves(Objective& f, std::vector<Real48>& x, std::vector<Real48> h) {
    std::vector<Real48> base = x;
    Extended fBase = f.value(x), fx = fBase;
    bool pattern = false;
    while (!f.aborted()) {
        const Extended explored = explore(f, x, h, fx);
        if (f.aborted()) return;
        if (!(explored < fBase - kImprovement)) {
            if (pattern) {  // the pattern move led nowhere: back to the base point
                x = base;
                fx = f.value(x);
                pattern = false;
                continue;
            }
            Extended sum = 0;
            for (Real48& step : h) {
                step = step * kStepShrink;
                sum += std::fabs(step);
            }
            if (sum < kSmallestSteps) return;
            fx = explored;
            continue;
        }
        std::vector<Real48> next(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) next[i] = 2 * x[i] - base[i];
        base = x;
        fBase = explored;
        x = std::move(next);
        pattern = true;
        fx = f.value(x);
    }
}

void Poisk(Objective& f, std::vector<Real48>& x, const std::vector<Real48>& h, Extended growLimit,
           Extended shrink, Extended accuracy) {
    std::vector<Real48> step = h;
    int budget = kPoiskBudget - 1;
    Extended fx = f.value(x);
    while (!f.aborted() && fx != 0) {
        bool settled = true;
        for (std::size_t i = 0; i < x.size(); ++i) {
            Extended m = 1, lastMove = 0;
            for (;;) {
                if (budget-- <= 0) return;
                const Real48 keep = x[i];
                x[i] = keep + m * step[i];
                const Extended t = f.value(x);
                if (f.aborted()) return;
                if (t < fx) {
                    fx = t;
                    lastMove = m;
                    if (fx == 0) return;
                    if (std::fabs(2 * m) < growLimit) {
                        m *= 2;
                        continue;
                    }
                    break;
                }
                x[i] = keep;
                if (lastMove == 0 && m == 1) {
                    m = -1;
                    continue;
                }
                break;
            }
            step[i] = lastMove != 0 ? step[i] * lastMove * 0.5L : step[i] * shrink;
            if (std::fabs(step[i]) / (std::fabs(x[i]) + kRelativeGuard) > accuracy) settled = false;
        }
        if (settled) return;
    }
}

}  // namespace velmar
