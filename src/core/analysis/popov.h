// The Popov criterion for a loop of a static nonlinearity in the sector [0, k] and a
// stable linear part W(s) (negative feedback): the loop is absolutely stable when some
// q >= 0 gives Re W(jw) - q·w·Im W(jw) > -1/k for every w > 0. On the modified
// hodograph X = Re W(jw), Y = w·Im W(jw) that is a straight line through (-1/k, 0),
// X - q·Y = -1/k, leaving the whole hodograph on its right. The critical gain
//
//   Kkrit = sup over q >= 0 of 1 / max over w of (q·Y - X)  = -1 / x0,
//   x0 = max over q >= 0 of h(q),  h(q) = min over w of (X - q·Y),
//
// h is concave in q (a minimum of lines), so x0 is found by bisection on q with the
// sign of its slope -Y at the minimiser. For each q the minimisers are among the
// tangent points, the positive real roots of d/dw (X - q·Y)'s numerator
//   DX - q·DY,  DX = ReNum'·Den - ReNum·Den',  DY = YNum'·Den - YNum·Den',
// with YNum = w·ImNum, and the hodograph's ends (w -> 0 and w -> infinity, as limits).
#pragma once

#include <vector>

#include "core/analysis/frequency.h"
#include "core/model/polynomial.h"

namespace velmar {

class Host;
struct AnalysisState;

inline constexpr const char* kOnlyAboveSecondOrder = " Only for n > 2 ";

struct PopovPoint {
    Extended omega = 0;  // 0 and infinity for the hodograph's ends
    Extended x = 0;
    Extended y = 0;
};

enum class PopovStatus { Found, Unbounded };

struct PopovResult {
    // Unbounded: no line through a point left of the origin touches the hodograph
    // (any sector gain; "I am can't solve this problem").
    PopovStatus status = PopovStatus::Unbounded;
    Extended kkrit = 0;
    Extended q = 0;                    // the line X - q·Y = x0, slope 1/q (vertical for q = 0)
    Extended x0 = 0;                   // where it crosses the real axis, -1/kkrit
    std::vector<PopovPoint> touching;  // where it touches the hodograph
};

// W as the forward part of a negative-feedback loop, of any order.
PopovResult popovBound(const TransferFunction& w);

// The menu command's result: "Kkrit = " with the gain in 12 characters (information
// box), the touching points and the line in the report; "I am can't solve this
// problem" when unbounded.
void showPopov(Host& host, const PopovResult& r);

// The modified hodograph on the frequency grid: X = ReNum/Den, Y = w·ImNum/Den where
// Den(w) != 0.
Curve modifiedHodograph(const FrequencySplit& split, const FrequencyRange& range);

// Method 60 on the analysis block's W: the frequency grid, the modified hodograph
// ("Godograf") with the Popov line ("Line"), then for "Zadanii M" the M-circle that
// touches it ("Okrujnosti") with its tangent line ("Line m") and the texts "Radius="
// and "L     =".
void showModifiedPopov(Host& host, AnalysisState& state, const TransferFunction& w);

}  // namespace velmar
