#include "core/simulation/integrator.h"

#include <cmath>

namespace velmar {

std::string_view runStatusText(RunStatus status) {
    switch (status) {
        case RunStatus::BadParameters: return "Неверные входные параметры ";
        case RunStatus::Unstable: return "Процесс нестабильный ";
        case RunStatus::PrecisionLost: return "Not ensure precision ";
        case RunStatus::NoResultMemory: return "Не хватает памяти для выыода результата ";
        case RunStatus::UserAbort: return "Прервано пользователем ";
        case RunStatus::Ok: break;
    }
    return {};
}

namespace {

enum class Phase { FirstOutput, Stepping, OutputReached, Finished };

// One Ralston step of size h from (t, y) with the slope k1 already known there:
// y* = y + 2/3·h·k1, k2 = f(t + 2/3·h, y*), out = y + h·(k1/4 + 3/4·k2).
bool ralstonStep(RightHandSide& f, Extended t, const StateVector& y, const StateVector& k1, Extended h,
                 StateVector& trial, StateVector& k2, StateVector& out) {
    const std::size_t n = y.size();
    for (std::size_t i = 1; i < n; ++i) trial[i] = y[i] + 2.0L / 3.0L * h * k1[i];
    if (!f.Rates(t + 2.0L / 3.0L * h, trial, k2)) return false;
    for (std::size_t i = 1; i < n; ++i) out[i] = y[i] + h * (k1[i] / 4.0L + 3.0L * k2[i] / 4.0L);
    return true;
}

}  // namespace

RunStatus Integrate(StateVector& y, const IntegratorSettings& s, RightHandSide& f) {
    const Extended eps = s.eps, hmin = s.hmin, h0 = s.h0, tend = s.tend, t0 = s.t0;
    Extended hout = s.hout;
    const int n = static_cast<int>(y.size()) - 1;
    if (tend == 0 || std::fabs(hout) > std::fabs(tend) || std::fabs(hmin) > std::fabs(h0) || n <= 0 ||
        n > kMaxStates)
        return RunStatus::BadParameters;

    Extended t = t0, h = std::fabs(h0);
    if (tend < t0) {
        hout = -hout;
        h = -h;
    }
    Phase phase = Phase::FirstOutput;
    Extended accumulated = 0, nextOutput = t0;
    RunStatus error = RunStatus::Ok;
    const std::size_t size = y.size();
    StateVector k1(size), k2(size), k1Half(size), trial(size), full(size), half(size), twoHalves(size);

    for (;;) {
        if (!f.Rates(t, y, k1)) return RunStatus::UserAbort;
        if (phase != Phase::Stepping || hout == 0) {
            if (!f.OutputPoint(t)) return RunStatus::UserAbort;
            nextOutput = t + hout;
        }
        if (phase == Phase::Finished || error != RunStatus::Ok) break;

        // The step: whole up to the output time when it is near, two equal steps when it
        // is a little further, the current step otherwise.
        const Extended left = nextOutput - t;
        phase = Phase::Stepping;
        if (std::fabs(left) > 1.4L * std::fabs(h)) {
            if (std::fabs(left) <= 2.4L * std::fabs(h)) h = left / 2;
        } else {
            h = left;
            phase = Phase::OutputReached;
            if (std::fabs(nextOutput - tend) < std::fabs(left) / 2) phase = Phase::Finished;
        }

        if (!ralstonStep(f, t, y, k1, h, trial, k2, full)) return RunStatus::UserAbort;
        Extended r = 0;
        for (;;) {
            // Two half steps from y, the first reusing k1.
            const Extended g = h / 2;
            if (!ralstonStep(f, t, y, k1, g, trial, k2, half)) return RunStatus::UserAbort;
            if (!f.Rates(t + g, half, k1Half)) return RunStatus::UserAbort;
            if (!ralstonStep(f, t + g, half, k1Half, g, trial, k2, twoHalves)) return RunStatus::UserAbort;
            r = 0;
            for (int i = 1; i <= n; ++i)
                r += std::fabs(full[i] - twoHalves[i]) /
                     (eps * std::fabs(y[i]) + std::fabs(twoHalves[i] - y[i]) + 1e-10L);
            r /= n;
            if (!(r > 2 * eps && std::fabs(g) > std::fabs(hmin))) break;
            // Too coarse: the first half becomes the whole step, and it is halved again.
            h = g;
            full = half;
            phase = Phase::Stepping;
        }

        t += h;
        accumulated += r * std::fabs(h);
        y = twoHalves;
        if (r < eps / 2 && std::fabs(h) < std::fabs(h0)) h *= 2;
        if (std::fabs(t - t0) >= std::fabs(tend)) phase = Phase::Finished;
        for (int i = 1; i <= n; ++i)
            if (std::fabs(y[i]) > kUnstableOutput) error = RunStatus::Unstable;
        if (accumulated / std::fabs(tend) > 2 * eps) error = RunStatus::PrecisionLost;
    }
    return error;
}

}  // namespace velmar
