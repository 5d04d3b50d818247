// The gradient method and coordinate descent. Both evaluate without the negative-value
// guard and the Limitation test.
#include <cmath>

#include "core/analysis/optimisation/search.h"

namespace velmar {

namespace {

constexpr Extended kFirstLength = 30 * 1e-4L;  // gradient: the move length of the first phase
constexpr Extended kLengthDivisor = 30;        // ... and of the second, L / 30
constexpr Extended kIncrement = 0.2L;          // difference increments, relative to L
constexpr int kShortSearches = 20;             // a phase ends after this many short line searches
constexpr Extended kFirstDescentStep = 0.5L;
constexpr Extended kDescentTurn = -0.2L;  // coordinate descent: d := -0.2 d after each sweep
constexpr Extended kLastDescentStep = 2e-5L;
constexpr Extended kNoValueYet = 1.7e38L;

}  // namespace

void Gradient(Objective& f, std::vector<Real48>& x) {
    Extended f0 = f.plainValue(x);
    for (Extended length = kFirstLength; length >= kFirstLength / kLengthDivisor; length /= kLengthDivisor) {
        const Extended delta = kIncrement * length;
        for (int shortCount = 0; !f.aborted();) {
            std::vector<Extended> g(x.size());
            Extended total = 0;
            for (std::size_t i = 0; i < x.size(); ++i) {
                const Real48 keep = x[i];
                x[i] = keep + delta;
                g[i] = f.plainValue(x) - f0;
                x[i] = keep;
                if (f.aborted()) return;
                total += std::fabs(g[i]);
            }
            if (total == 0) break;  // no slope: nothing to follow in this phase
            int steps = 0, decreasing = 0;
            for (Extended reference = f0;;) {
                for (std::size_t i = 0; i < x.size(); ++i) x[i] = x[i] - g[i] * length / total;
                f0 = f.plainValue(x);
                ++steps;
                if (f.aborted()) return;
                if (!(f0 < reference)) break;  // the last step is not undone
                reference = f0;
                ++decreasing;
            }
            if (decreasing == 1) ++shortCount;
            if (steps <= 1 || shortCount >= kShortSearches) break;
        }
        if (f.aborted()) return;
    }
}

void CoordinateDescent(Objective& f, std::vector<Real48>& x) {
    for (Extended d = kFirstDescentStep; std::fabs(d) >= kLastDescentStep; d *= kDescentTurn) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            // Moves on while the value decreases; a move that does not is kept. (A value
            // that stays equal ends the moves too, so a flat criterion cannot hold the
            // search forever.)
            for (Extended previous = kNoValueYet;;) {
                x[i] = x[i] + d;
                const Extended t = f.plainValue(x);
                if (f.aborted()) return;
                if (!(t < previous)) break;
                previous = t;
            }
        }
    }
}

}  // namespace velmar
