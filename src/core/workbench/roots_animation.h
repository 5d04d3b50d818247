// "Roots animation" (311) of the synthesis list: how the roots of the characteristic
// polynomial B(s) of the analysis block's W(s) move while one or two marked parameters
// step through their ranges.
//
// It asks "Polinom order:" (at most 5: how many roots, largest real part first, are
// followed per step), needs one or two marked parameters, asks each one's range
// ("NAME(begin)", "NAME(end)") and "Steps count" (2 to 5). Step k of S sets every
// parameter to begin + k (end - begin) / (S - 1) and reduces the scheme again. The
// roots of every step are written to "tmpfile.txt" in the analysis working folder
// ("step: K" and " Num: I RE IM" lines), the parameters get their values back, and the
// roots display list is offered until it is left: "Full page of roots" (103)
// shows every step at once, "Roots \"one by one\"" (104) one step per viewer, "Roots with
// overlaying" (105) steps 1..k together for every k; each step is a curve "Step N " + k
// of the roots plot.
#pragma once

#include "core/host.h"

namespace velmar {

class AnalysisBlock;
class Workbench;

// The roots displays, reached through the animation's own list.
inline bool isRootsDisplay(MethodCode code) {
    return code == MethodCode::RootsFullPage || code == MethodCode::RootsOneByOne ||
           code == MethodCode::RootsOverlaid;
}

void rootsAnimation(Workbench& wb, AnalysisBlock& block);

}  // namespace velmar
