// Curve arithmetic of the graph viewer: two diagrams combined point by point over the
// X range they share, the result put into a free slot.
#pragma once

#include <string>
#include <vector>

#include "core/graphs/viewer_slots.h"

namespace velmar {

enum class CurveOp { Add, Subtract, Multiply, Divide };

// The operation of a sign text "+", "-", "*" or "/".
CurveOp curveOpOf(char sign);

struct CombinedCurve {
    std::vector<Real48> x, y;
};

// Combines diagram a (the first operand) with diagram b over their common X range,
// from the larger first X to the smaller last X, both ends included. The diagram with
// more points in that range gives the X values (b when the counts are equal), in its
// order; the other diagram's Y at each X is interpolated linearly between its point
// with the largest X not above x and its point with the smallest X above x. The
// result's Y is Ya op Yb. A point whose value cannot be formed (no neighbour to
// interpolate from, a division by zero, a value too large to store) is left out.
// The X ranges must overlap.
CombinedCurve combineCurves(const Diagram& a, CurveOp op, const Diagram& b);

// True when the X ranges (first to last X) of the two diagrams do not overlap.
bool disjointRanges(const Diagram& a, const Diagram& b);

// The "&Solve" of the arithmetic panel: slot i op slot j into the highest free slot,
// named by `name` ("1+2"). Returns the message to show ("Одна из диаграмм не
// существует", "Hет места", "Нет обших точек"), or an empty text when the result was
// stored.
std::string solveArithmetic(ViewerSlots& viewer, int i, CurveOp op, int j, const std::string& name);

inline constexpr const char* kNoKeptCurveText = "No kept curve to subtract";

// The viewer's "Difference": the current curve minus the latest kept curve shown beside
// it, named "i-j" like the arithmetic's results. Returns the message to show
// (kNoKeptCurveText, or one of solveArithmetic's), or an empty text.
std::string differenceWithKept(ViewerSlots& viewer);

}  // namespace velmar
