// The adaptive integrator of the variable-step run: Ralston's second-order rule with
// step doubling. Each step is taken once whole and once as two halves; their difference
// measures the error, the step is halved while the error is too large (down to hmin) and
// doubled (up to h0) while it is small. Steps are shortened to land exactly on every
// output time t0 + k·hout, where the output callback runs.
//
// The system is y' = f(t, y): every evaluation is handed its own time, so inputs that
// depend on time are seen where the rule samples them, not held over an output interval.
//
// Limits: at most kMaxStates states; the accumulated error E = Σ r·|h| must stay below
// 2·eps·|tend|, and every state below 1e15 in magnitude.
#pragma once

#include <string_view>

#include "core/model/element.h"
#include "core/model/run_context.h"

namespace velmar {

inline constexpr int kMaxStates = 50;

std::string_view runStatusText(RunStatus status);

struct IntegratorSettings {
    Extended eps = 0;   // the accuracy asked
    Extended hmin = 0;  // the shortest step the error test may halve down to
    Extended h0 = 0;    // the first and the longest step
    Extended hout = 0;  // the interval between output times
    Extended tend = 0;  // the span integrated over, from t0
    Extended t0 = 0;    // the start time
};

// The system being integrated. Both calls return false to abort the integration.
class RightHandSide {
public:
    virtual ~RightHandSide() = default;
    // dy := f(t, y) (y and dy use indices 1..n).
    virtual bool Rates(Extended t, const StateVector& y, StateVector& dy) = 0;
    // Called at t0 and at each output time t reached, right after the rates at t.
    virtual bool OutputPoint(Extended t) = 0;
};

// Integrates y (indices 1..n) from s.t0 over s.tend. UserAbort when a callback aborted.
RunStatus Integrate(StateVector& y, const IntegratorSettings& s, RightHandSide& f);

}  // namespace velmar
