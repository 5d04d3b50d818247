// The D-decomposition ("D - Composition", method 2004) over the workbench's compiled
// scheme, run from the method chooser's stability list:
// 1. the marked parameters are registered in element order, at most two (they take
//    their registered names, e.g. "K3"); unless two are, "The number of the checked
//    coefficients must be 2" is shown in the information box;
// 2. the ranges, labelled by the names ("K3(begin)", "K3(end)", then Y's), are asked
//    again (the reason shown) until each end lies above its begin as stored values;
//    "Num. of X" and "Num. of Y" are asked again (the reason shown) until both are
//    whole numbers above 0 and the grid has at most kMaxPlanePoints points. Both
//    dialogs keep their values for the next use;
// 3. the plane is scanned (analysis/d_decomposition_scan.h), the output of the
//    reduction being the last analysis block in element order, with the entry its
//    last Solve operation set;
// 4. the map goes to the host's D-decomposition window. The scan works on copies of
//    the scheme, so the parameters keep the values they had before it, and the block
//    its W(s), however the scan ended: the next analysis sees the scheme as the user
//    left it.
#pragma once

namespace velmar {

class Workbench;

inline constexpr int kMaxPlanePoints = 1'000'000;

// `threads` 0: one worker per core.
void DDecomposition(Workbench& wb, int threads = 0);

}  // namespace velmar
