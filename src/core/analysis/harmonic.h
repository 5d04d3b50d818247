// Harmonic linearisation of a loop made of one static nonlinearity and a linear part
// W(s) = A(s)/B(s), the transfer function from the nonlinearity's output back to its
// input with the loop's sign included (so a negative-feedback loop gives -W_forward).
// A self-oscillation of amplitude A and frequency w satisfies the harmonic balance
// q(A)·W(jw) = 1, q being the nonlinearity's describing gain.
//
// Self-oscillation (ideal relay, saturation, dead zones: the blocks' own amplitude
// rule): W(jw) is real at the phase crossovers, the positive real roots of
// Im W's numerator PB·QA - PA·QB; there A(jw) = W·B(jw), so the pair (x, y) handed to
// the block is either (Im A, Im B) or (Re A, Re B), both with x/y = W(jw). The pair with
// the larger parts is taken: when A is a constant both imaginary parts vanish at the
// crossover and the imaginary pair would be 0/0.
//
// Frequency-amplitude scan (the hysteresis relays and the backlash): every grid cell of
// the user's w and A grids where Im W changes sign and then q(A)·Re W - 1 changes sign
// holds a balance point, refined by bisection in both.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/model/polynomial.h"

namespace velmar {

class Host;

inline constexpr const char* kNotStabil = " System not stabil ";
inline constexpr const char* kCannotSolve = "I am can't solve this problem";
inline constexpr const char* kHarmonicImpossible = "Гармоническая линеаризация невозможна";
inline constexpr const char* kWhereIsNonlinear = "Где нелинейный блок ?";

// The linear part may oscillate with the nonlinearity only when it is stable by
// itself: every root of B(s) other than s = 0 in the open left half-plane (the Routh
// table of B with its factors s taken out). Integrators are accepted.
bool linearPartStable(const Polynomial& B);

// x = Im A(jw), y = Im B(jw) (or the real parts) -> the amplitude; 0: no balance.
using AmplitudeRule = std::function<Extended(Extended x, Extended y)>;

struct Crossover {
    Extended omega = 0;
    Extended x = 0, y = 0;  // the pair handed to the amplitude rule
    Extended amplitude = 0;
};

enum class OscillationStatus { Found, Unstable, NoCrossover };

struct SelfOscillation {
    OscillationStatus status = OscillationStatus::NoCrossover;
    std::vector<Crossover> crossovers;  // ascending frequency
    // The highest crossover with a positive amplitude; 0 and 0 when none has one.
    Extended frequency = 0;
    Extended amplitude = 0;
};

SelfOscillation findSelfOscillation(const TransferFunction& w, const AmplitudeRule& amplitude);

// " System not stabil ", "I am can't solve this problem", or the information box
// "W = " w ",A = " A (each in 11 characters) with the crossovers in the report.
void showSelfOscillation(Host& host, const SelfOscillation& s);

// --- the sweep over one marked parameter ---

struct SweepRange {
    Extended begin = 0, end = 0, step = 0;
    long steps() const;  // trunc((end - begin) / step)
};

// The dialog NAME(beg), NAME(end), NAME(step), asked again while the step is not
// positive, end < begin or the sweep would take more than 100000 steps.
bool askSweepRange(Host& host, const std::string& name, SweepRange& range);

struct SweepPoint {
    Extended value = 0;
    Extended frequency = 0;  // 0 when the amplitude is 0
    Extended amplitude = 0;
};

// The harmonic list's captions for parameter P: "W( P )" and " A( P )".
std::vector<std::string> sweepCaptions(const std::string& parameter);

// Offers the relabelled harmonic list until 27: 41 shows the frequency against the
// parameter ("Frecuency"), 42 the amplitude ("Amlitude").
void offerSweep(Host& host, const std::string& parameter, const std::vector<SweepPoint>& points);

// --- the frequency-amplitude scan ---

struct ScanGrid {
    Extended begin = 0, end = 0, step = 0;
    long points() const;  // begin + k·step for k = 0.. while not beyond end
};

// "w(beg)", "w(end)", "w(step)", "A(beg)", "A(end)", "A(step)" in one dialog, asked
// again while a grid is empty or reversed, its step not positive, an amplitude not
// positive, or a grid longer than a million points.
bool askScanGrids(Host& host, ScanGrid& omega, ScanGrid& amplitude);

struct BalancePoint {
    Extended omega = 0;
    Extended amplitude = 0;
};

std::vector<BalancePoint> scanBalance(const TransferFunction& w, const std::function<Extended(Extended)>& q,
                                      const ScanGrid& omega, const ScanGrid& amplitude);

// The points as the curves "Frecuency" and "Amplitude" against their index, with the
// points in the report; "I am can't solve this problem" when there are none.
void showBalance(Host& host, const std::vector<BalancePoint>& points);

}  // namespace velmar
