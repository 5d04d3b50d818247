// Pulse and periodic wave generators. Each computes its output from the time t of the
// run (in a constant-step run StepIndex * h, kept unrounded, so the stored step's excess
// decides the boundary points) and, for the periodic ones, from the start time Ts of the
// current period. In a constant-step run a period starts at the first point at or past
// its end, and that point keeps the previous output. A variable-step run visits its
// times in no fixed order (the integrator retries steps), so there the periods are
// counted from t itself: period k spans [k P, (k + 1) P).
#pragma once

#include <memory>

#include "core/blocks/point_step.h"

namespace velmar {

// 105 rectangular pulse (A, T1, T2): A for T1 <= t <= T2.
// 106 rectangular pulses (A, ti, T): A for the first ti of every period T, from t = 0.
// 107 triangular pulse (A, t1, t2, t3): rises over (t1, t2], falls over (t2, t3].
// 109 rectangular signal (A, B, t-, t+): B for the first t- of every period t- + t+,
//     then A.
class PulseGenerator : public TimeSource {
public:
    using TimeSource::TimeSource;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

private:
    Extended periodStart_ = 0;
};

// Saw-tooth generators (A, ti, T), shape(tau) over a period T with the rise time ti:
// a falling saw A (1 - tau/T) when ti = 0, a rising saw A tau/T when ti = T, otherwise
// A tau/ti up to ti and A (1 - (tau - ti)/(T - ti)) after.
// 108: y = shape; 110: the sign alternates from period to period; 111: every second
// period is 0; 117: as 110, and each new period's rise time is T less the last one's.
class SawTooth : public TimeSource {
public:
    using TimeSource::TimeSource;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

private:
    Extended shape(Extended tau, Extended riseTime) const;
    void stepFromPeriodStart(Extended t);  // the constant-step rule

    Extended periodStart_ = 0;
    Extended factor_ = 1;  // the sign (110, 117) or on/off factor (111) of the period
    Extended riseTime_ = 0;
};

// The generator of a code 105..111 or 117; null for other codes.
std::unique_ptr<Element> createWaveform(std::uint8_t code);

}  // namespace velmar
