#include "core/blocks/nonlinear_describing.h"

#include <cmath>

namespace velmar::describing {

namespace {

// arcsin s + s·sqrt(1 - s²): the integral of the cut-off part of a sine, 0 ≤ s ≤ 1.
Extended sector(Extended s) { return std::asin(s) + s * std::sqrt(1 - s * s); }

bool oppositeSigns(Extended p, Extended q) { return (p < 0 && q > 0) || (p > 0 && q < 0); }

}  // namespace

Extended saturation(Extended a, Extended b, Extended A) {
    if (A < b) return checkFinite(a / b);
    return checkFinite(2 * a / (kPi * b) * sector(b / A));
}

Extended saturationWithDeadZone(Extended a, Extended b, Extended c, Extended A) {
    if (A < b) return 0;
    const Extended k = a / (c - b);
    if (A < c) return checkFinite(k - 2 * k / kPi * sector(b / A));
    return checkFinite(2 * k / kPi * (sector(c / A) - sector(b / A)));
}

Extended deadZone(Extended K, Extended a, Extended A) {
    if (A < a) return 0;
    return checkFinite(K - 2 * K / kPi * sector(a / A));
}

Extended relayWithDeadZone(Extended a, Extended b, Extended A) {
    if (A < b) return 0;
    const Extended s = b / A;
    return checkFinite(4 * a / (kPi * A) * std::sqrt(1 - s * s));
}

// A symmetric relay switching at ±b: the first harmonic lags; its in-phase part is the
// relay-with-dead-zone gain at the switching point.
Extended relayWithHysteresis(Extended a, Extended b, Extended A) { return relayWithDeadZone(a, b, A); }

// Switched on at ±c on the way out and off at ±b on the way back: the in-phase part is
// (2a/(pi A))·(sqrt(1 - (c/A)²) + sqrt(1 - (b/A)²)).
Extended relayWithHysteresisAndDeadZone(Extended a, Extended b, Extended c, Extended A) {
    if (A < c || A < b) return 0;
    const Extended on = c / A;
    const Extended off = b / A;
    return checkFinite(2 * a / (kPi * A) * (std::sqrt(1 - on * on) + std::sqrt(1 - off * off)));
}

// Slope K = k/a², half-width a: q = (K/pi)·(pi/2 + arcsin r + 2r·sqrt((a/A)(1 - a/A)))
// with r = 1 - 2a/A; the output does not move while A stays within the half-width.
Extended backlash(Extended a, Extended k, Extended A) {
    if (A <= a) return 0;
    const Extended slope = k / (a * a);
    const Extended w = a / A;
    const Extended r = 1 - 2 * w;
    return checkFinite(slope / kPi * (kPi / 2 + std::asin(r) + 2 * r * std::sqrt(w * (1 - w))));
}

Extended idealRelayAmplitude(Extended b, Extended x, Extended y) {
    return checkFinite(4 * b * x / (kPi * y));
}

Extended balanceAmplitude(const std::function<Extended(Extended)>& q, Extended x, Extended y,
                          Extended lower) {
    auto f = [&](Extended A) { return checkFinite(x * q(A) - y); };
    Extended lo = lower;
    Extended hi = kHighestAmplitude;
    Extended fLo = f(lo);
    if (fLo * f(hi) > 0) return 0;
    Extended mid = (lo + hi) / 2;
    while (hi - lo > kAmplitudeTolerance) {
        mid = (lo + hi) / 2;
        if (mid == lo || mid == hi) break;  // ends too large to split finer than the tolerance
        const Extended fMid = f(mid);
        if (oppositeSigns(fMid, fLo)) {
            hi = mid;
        } else {
            lo = mid;
            fLo = fMid;
        }
    }
    return mid;
}

}  // namespace velmar::describing
