// The adaptive integrator of the variable-step run: Ralston's second-order rule with
// step doubling. Each step is taken once whole and once as two halves; their difference
// measures the error, the step is halved while the error is too large (down to hmin) and
// doubled (up to h0) while it is small. Steps are shortened to land exactly on every
// output time t0 + k·hout, where the output callback runs.
//
// Limits: at most kMaxStates states; the accumulated error E = Σ r·|h| must stay below
// 2·eps·|tend|, and every state below 1e15 in magnitude.
#pragma once

#include <string_view>

#include "core/model/element.h"

namespace velmar {

inline constexpr int kMaxStates = 50;

// RunError codes of the variable-step run.
enum RunErrorCode {
    kRunOk = 0,
    kBadParameters = 1,   // tend 0, |hout| > |tend|, |hmin| > |h0|, no states, too many states
    kUnstable = 2,        // a state beyond 1e15
    kPrecisionLost = 3,   // the accumulated error exceeds 2·eps
    kNoResultMemory = 4,  // the state vectors could not be had
    kUserAbort = 5,       // Esc
};

std::string_view RunErrorText(int code);

// The system being integrated. Both calls return false to abort the integration.
class RightHandSide {
public:
    virtual ~RightHandSide() = default;
    // dy := f(y) at the time the integrator has reached (y and dy use indices 1..n).
    virtual bool Rates(const StateVector& y, StateVector& dy) = 0;
    // Called at t0 and after each output time has been reached.
    virtual bool OutputPoint() = 0;
};

// Integrates y (indices 1..n) from t0 over tend. Returns a RunErrorCode; kUserAbort
// when a callback aborted.
int Integrate(StateVector& y, Extended eps, Extended hmin, Extended h0, Extended hout, Extended tend,
              Extended t0, RightHandSide& f);

}  // namespace velmar
