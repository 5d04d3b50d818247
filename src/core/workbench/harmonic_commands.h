// The Run menu's "Garmonic &Linearization" and "&Popov": methods of the loop around one
// nonlinear block, run without the analysis block's Solve operation. The linear part
// is the scheme reduced with the nonlinear block as entry and the analysis block as
// output (the one served last when it still is one, otherwise the last in element
// order); when several nonlinear blocks qualify the last in element order is used.
//
// Harmonic linearisation: with an ideal relay, saturation, dead zone or relay with dead
// zone (66..70), the self-oscillation; with one parameter of the scheme marked, the
// sweep over it (the parameter is set to every value of its range in turn, the scheme
// reduced again each time, and given back its own value afterwards; Escape ends it
// with the points found so far). With a hysteresis
// relay or a backlash (71, 72, 45) instead, the frequency-amplitude scan.
// Popov: the critical sector gain for saturation, dead zones and the relays with dead
// zone (67..70, 72), with the numerator negated (the reduction includes the loop's
// subtraction).
#pragma once

namespace velmar {

class Workbench;

void harmonicCommand(Workbench& wb);
void popovCommand(Workbench& wb);

}  // namespace velmar
