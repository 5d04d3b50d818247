// Periods counted from the time itself, for the periodic blocks in a variable-step run.
// The integrator visits its times in no fixed order (it retries steps), so a period
// start remembered from an earlier call can lie ahead of the current time; there period
// k spans [k P, (k + 1) P) instead.
#pragma once

#include <cmath>
#include <optional>

#include "core/real48.h"

namespace velmar {

struct PeriodPosition {
    Extended number;  // whole periods since 0
    Extended into;    // the time into the current period
    bool odd() const { return std::fmod(number, 2.0L) != 0; }
};

// Where t falls among periods of length `period`. None for a period that is not
// positive: there every instant starts a period, as in the constant-step rule.
inline std::optional<PeriodPosition> periodAt(Extended t, Extended period) {
    if (!(period > 0)) return std::nullopt;
    const Extended number = std::floor(t / period);
    return PeriodPosition{number, t - number * period};
}

// The time into the current period at t. With the integrator's time it is counted from
// t itself; at the time points of a constant-step run a period starts (and `start`
// moves to t) at the first point at or past the end of the last one.
template <class Time>
Extended timeIntoPeriod(bool integratorTime, Extended t, Extended period, Time& start) {
    if (integratorTime) {
        const auto p = periodAt(t, period);
        return p ? p->into : 0.0L;
    }
    if (t - start >= period) start = t;
    return t - start;
}

}  // namespace velmar
