// Frequency characteristics of W(s) = A(s)/B(s) on a grid of frequencies, and the
// frequency-range dialog they share with the Mikhailov hodograph.
//
// Grid: w runs from the start frequency (w(begin), with 0 and below replaced by 1e-6
// and exactly 1 by 1.000001) in steps of `step` while w < w(end); w is a 6-byte real,
// rounded after every addition. A frequency where |B(jw)|^2 = Den(w) is 0 (a pole on
// the imaginary axis) gives no point, and neither does a zero amplitude for 20Lg(A):
// the curve's arrays hold only the points computed.
#pragma once

#include <vector>

#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

struct AnalysisState;

// W(jw) as three real polynomials in w, built once when a frequency method starts:
//   A(jw) = PA + j QA,  B(jw) = PB + j QB       (SplitAtJw)
//   ImNum = PB QA - PA QB,  ReNum = PB PA + QB QA,  Den = PB^2 + QB^2 = |B(jw)|^2
// so that Re W(jw) = ReNum / Den and Im W(jw) = ImNum / Den.
struct FrequencySplit {
    Polynomial ReNum;
    Polynomial ImNum;
    Polynomial Den;

    explicit FrequencySplit(const TransferFunction& w);
};

struct FrequencyRange {
    Real48 begin;
    Real48 end;
    Real48 step;
};

// The most points a grid may have; a range that would give more is asked again.
inline constexpr long kMaxGridPoints = 10'000'000;

// The dialog "w(begin)", "w(end)", "step", asked again while w(begin) >= w(end)
// (" w(begin) > w(end) " is shown first when strictly reversed), while the step is not
// positive, or while the grid would exceed kMaxGridPoints. False when cancelled; the
// range is then unchanged.
bool askFrequencyRange(Host& host, FrequencyRange& range);

// The same dialog starting from the range kept in `state` (the values last entered),
// which keeps the confirmed range for the next method.
bool askKeptFrequencyRange(Host& host, AnalysisState& state, FrequencyRange& range);

// The first frequency of the grid for a typed w(begin).
Extended gridStart(Extended wBegin);

// The number of grid places, the nearest integer to (w(end) - start) / step, plus one.
long gridPlaces(const FrequencyRange& range);

struct Curve {
    std::vector<Real48> x;
    std::vector<Real48> y;
};

// One characteristic (codes 51..56) over the grid.
Curve frequencyCharacteristic(const FrequencySplit& w, MethodCode code, const FrequencyRange& range);

// The graph kind the viewer shows a characteristic with: 3, 5, 6, 7, 8, 9.
int frequencyGraphKind(MethodCode code);

// The characteristics item: asks the range (starting from the values last entered,
// kept in `state`), computes the curve and hands it to the graph viewer as
// "Indicator". Nothing is handed over when the dialog is cancelled.
void showFrequencyCharacteristic(Host& host, AnalysisState& state, const TransferFunction& w,
                                 MethodCode code);

}  // namespace velmar
