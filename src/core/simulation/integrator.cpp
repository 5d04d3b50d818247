#include "core/simulation/integrator.h"

#include <cmath>

#include "core/simulation/driver.h"

namespace velmar {

std::string_view RunErrorText(int code) {
    switch (code) {
        case kBadParameters: return "Неверные входные параметры ";
        case kUnstable: return "Процесс нестабильный ";
        case kPrecisionLost: return "Not ensure precision ";
        case kNoResultMemory: return "Не хватает памяти для выыода результата ";
        case kUserAbort: return "Прервано пользователем ";
        default: return {};
    }
}

namespace {

enum class Phase { FirstOutput, Stepping, OutputReached, Finished };

// One Ralston step of size h from y with the slope k1 already known at y:
// y* = y + 2/3·h·k1, k2 = f(y*), out = y + h·(k1/4 + 3/4·k2).
bool RalstonStep(RightHandSide& f, const StateVector& y, const StateVector& k1, Extended h,
                 StateVector& trial, StateVector& k2, StateVector& out) {
    const std::size_t n = y.size();
    for (std::size_t i = 1; i < n; ++i) trial[i] = y[i] + 2.0L / 3.0L * h * k1[i];
    if (!f.Rates(trial, k2)) return false;
    for (std::size_t i = 1; i < n; ++i) out[i] = y[i] + h * (k1[i] / 4.0L + 3.0L * k2[i] / 4.0L);
    return true;
}

}  // namespace

int Integrate(StateVector& y, Extended eps, Extended hmin, Extended h0, Extended hout, Extended tend,
              Extended t0, RightHandSide& f) {
    const int n = static_cast<int>(y.size()) - 1;
    if (tend == 0 || std::fabs(hout) > std::fabs(tend) || std::fabs(hmin) > std::fabs(h0) || n <= 0 ||
        n > kMaxStates)
        return kBadParameters;

    Extended t = t0, h = std::fabs(h0);
    if (tend < t0) {
        hout = -hout;
        h = -h;
    }
    Phase phase = Phase::FirstOutput;
    Extended accumulated = 0, nextOutput = t0;
    int error = kRunOk;
    const std::size_t size = y.size();
    StateVector k1(size), k2(size), k1Half(size), trial(size), full(size), half(size), twoHalves(size);

    for (;;) {
        if (!f.Rates(y, k1)) return kUserAbort;
        if (phase != Phase::Stepping || hout == 0) {
            if (!f.OutputPoint()) return kUserAbort;
            nextOutput = t + hout;
        }
        if (phase == Phase::Finished || error != kRunOk) break;

        // The step: whole up to the output time when it is near, two equal steps when it
        // is a little further, the current step otherwise.
        const Extended s = nextOutput - t;
        phase = Phase::Stepping;
        if (std::fabs(s) > 1.4L * std::fabs(h)) {
            if (std::fabs(s) <= 2.4L * std::fabs(h)) h = s / 2;
        } else {
            h = s;
            phase = Phase::OutputReached;
            if (std::fabs(nextOutput - tend) < std::fabs(s) / 2) phase = Phase::Finished;
        }

        if (!RalstonStep(f, y, k1, h, trial, k2, full)) return kUserAbort;
        Extended r = 0;
        for (;;) {
            // Two half steps from y, the first reusing k1.
            const Extended g = h / 2;
            if (!RalstonStep(f, y, k1, g, trial, k2, half)) return kUserAbort;
            if (!f.Rates(half, k1Half)) return kUserAbort;
            if (!RalstonStep(f, half, k1Half, g, trial, k2, twoHalves)) return kUserAbort;
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
            if (std::fabs(y[i]) > kUnstableOutput) error = kUnstable;
        if (accumulated / std::fabs(tend) > 2 * eps) error = kPrecisionLost;
    }
    return error;
}

}  // namespace velmar
