#include "core/blocks/waveforms.h"

#include "core/blocks/periods.h"
#include "core/model/run_context.h"

namespace velmar {

void PulseGenerator::start(RunContext&) {
    Output = 0;
    periodStart_ = 0;
}

void PulseGenerator::step(RunContext& ctx) {
    const Extended t = ctx.run.t(), A = param(0);
    switch (Code) {
        case 105:  // A, T1, T2
            Output = param(1) <= t && t <= param(2) ? A : 0.0L;
            break;
        case 106: {  // A, ti, T
            const Extended into = timeIntoPeriod(ctx.run.integratorTime, t, param(2), periodStart_);
            Output = into > param(1) ? 0.0L : A;
            break;
        }
        case 107: {  // A, t1, t2, t3: the branches never divide by an empty span
            const Extended t1 = param(1), t2 = param(2), t3 = param(3);
            if (t1 < t && t <= t2) Output = A * (t - t1) / (t2 - t1);
            else if (t2 < t && t <= t3) Output = A * (1 - (t - t2) / (t3 - t2));
            else Output = 0;
            break;
        }
        case 109: {  // A, B, t-, t+
            const Extended low = param(2), period = low + param(3);
            if (ctx.run.integratorTime) {
                if (const auto p = periodAt(t, period)) Output = p->into <= low ? param(1) : A;
            } else if (t - periodStart_ >= period) {
                periodStart_ = t;
            } else {
                Output = t - periodStart_ <= low ? param(1) : A;
            }
            break;
        }
    }
}

void SawTooth::start(RunContext&) {
    Output = 0;
    periodStart_ = 0;
    factor_ = 1;
    riseTime_ = param(1);
}

Extended SawTooth::shape(Extended tau, Extended ti) const {
    const Extended A = param(0), T = param(2);
    if (ti == 0) return A * (1 - tau / T);
    if (ti == T) return A * tau / T;
    if (tau <= ti) return A * tau / ti;
    return A * (1 - (tau - ti) / (T - ti));
}

void SawTooth::stepFromPeriodStart(Extended t) {
    const Extended T = param(2);
    if (t - periodStart_ >= T) {
        periodStart_ = t;
        if (Code == 110 || Code == 117) factor_ = -factor_;
        if (Code == 111) factor_ = 1 - factor_;
        if (Code == 117) riseTime_ = T - riseTime_;
        return;
    }
    Output = factor_ * shape(t - periodStart_, Code == 117 ? riseTime_ : param(1));
}

void SawTooth::step(RunContext& ctx) {
    const Extended t = ctx.run.t();
    if (!ctx.run.integratorTime) {
        stepFromPeriodStart(t);
        return;
    }
    const auto p = periodAt(t, param(2));
    if (!p) return;
    // the period's sign (110, 117) or on/off factor (111), and its rise time (117):
    // period 0 is the first, with the factor 1 and the rise time ti
    Extended factor = 1, riseTime = param(1);
    if (p->odd()) {
        if (Code == 110 || Code == 117) factor = -1;
        if (Code == 111) factor = 0;
        if (Code == 117) riseTime = param(2) - riseTime;
    }
    Output = factor * shape(p->into, riseTime);
}

std::unique_ptr<Element> createWaveform(std::uint8_t code) {
    switch (code) {
        case 105:
        case 106:
        case 107:
        case 109: return std::make_unique<PulseGenerator>(code);
        case 108:
        case 110:
        case 111:
        case 117: return std::make_unique<SawTooth>(code);
        default: return nullptr;
    }
}

}  // namespace velmar
