// Describing functions of the relay characteristics, used by the harmonic
// linearisation: q(A) is the gain of the first harmonic in phase with a sinusoidal
// input of amplitude A > 0, and the self-oscillation amplitude is the A at which the
// harmonic balance x·q(A) = y holds for x = Im A(jw), y = Im B(jw) of the linear part
// at a phase-crossover frequency w.
//
// Each q uses the parameters of the characteristic's upper (right) side, as the
// characteristic is taken symmetric. Results that are not finite numbers (a threshold
// of 0 or below, a zero slope denominator) raise MathError.
#pragma once

#include <functional>

#include "core/real48.h"

namespace velmar::describing {

// pi as the harmonic linearisation has always taken it.
inline constexpr Extended kPi = 1 / 0.31830988618379067154L;

// The amplitude search runs from its lower end up to this amplitude ...
inline constexpr Extended kHighestAmplitude = 10000;
// ... and stops when the bracket is no longer than this.
inline constexpr Extended kAmplitudeTolerance = 1e-4L;

// Saturation (67): level a reached at breakpoint b.
Extended saturation(Extended a, Extended b, Extended A);
// Saturation with dead zone (68): zero up to b, slope a/(c - b) up to c, level a above.
Extended saturationWithDeadZone(Extended a, Extended b, Extended c, Extended A);
// Dead zone (69): slope K outside the zone that ends at a.
Extended deadZone(Extended K, Extended a, Extended A);
// Relay with dead zone (70): level a from threshold b on.
Extended relayWithDeadZone(Extended a, Extended b, Extended A);
// Relay with hysteresis (71): level a, switching at b.
Extended relayWithHysteresis(Extended a, Extended b, Extended A);
// Relay with hysteresis and dead zone (72): level a, switching on at the outer
// threshold c and off at the inner threshold b.
Extended relayWithHysteresisAndDeadZone(Extended a, Extended b, Extended c, Extended A);
// Backlash (45) of half-width a and slope k/a².
Extended backlash(Extended a, Extended k, Extended A);

// The ideal relay's amplitude: q(A) = 4b/(pi A) solved for x·q(A) = y.
Extended idealRelayAmplitude(Extended b, Extended x, Extended y);

// The amplitude A in [lower, kHighestAmplitude] with x·q(A) - y = 0, by bisection; 0
// when the ends give the same sign (no balance in the range).
Extended balanceAmplitude(const std::function<Extended(Extended)>& q, Extended x, Extended y, Extended lower);

}  // namespace velmar::describing
