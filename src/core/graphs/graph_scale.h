// Automatic scaling of the graph viewer: one common scale for all shown diagrams, and
// the mapping of a point to the pixel it is drawn at.
#pragma once

#include "core/graphs/viewer_slots.h"

namespace velmar {

// The plot area inside an image of the given size.
struct PlotArea {
    int left = 85;
    int top = 7;
    int right = 0;
    int bottom = 0;

    static PlotArea forImage(int width, int height) { return {85, 7, width - 5, height - 20}; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct GraphScale {
    Extended xMin = 0, xMax = 1, yMin = 0, yMax = 1;  // the ranges after the scaling rules
    Extended xScale = 1, yScale = 1;                  // pixels per unit
    int xZero = 0, yZero = 0;                         // pixels of x = 0 and y = 0
    Extended userY = 1;                               // the user's vertical stretch

    int px(Extended x) const;
    int py(Extended y) const;
    // The factors shown in the scale captions: pixels per unit as drawn.
    Extended shownX() const { return xScale; }
    Extended shownY() const { return yScale * userY; }
    // The axis lines through zero exist only when zero lies inside the plot area.
    bool xAxisShown(const PlotArea& area) const { return yZero >= area.top && yZero <= area.bottom; }
    bool yAxisShown(const PlotArea& area) const { return xZero >= area.left && xZero <= area.right; }
};

// Scales the points of every occupied slot into the area:
// - ranges over all points; a constant curve is shown from 0 to its value; a range that
//   is 0 at both ends becomes 0..1e-35;
// - with `pointMarks` (the points are drawn as marks, not joined) the marks keep clear
//   of the frame instead: a single value lies in the middle of a range around it, and
//   each range gets a margin at both ends;
// - pixels per unit = area size / range (/ |max| when the range is a single value);
// - the pixel of zero is placed from the minimum X and the maximum Y.
// With no point at all both ranges are 0..1.
GraphScale computeScale(const Slots& shown, const PlotArea& area, Extended userY = 1,
                        bool pointMarks = false);

// A range end as the axis writes it: a value that is zero within the axis texts' six
// significant digits (below a millionth of the range, as rounding leaves -1.8E-18 for
// a zero) is written as 0.
Extended shownRangeEnd(Extended v, Extended lo, Extended hi);

// Round to the nearest integer, ties to even, kept within what a pixel can be.
int roundPixel(Extended v);

}  // namespace velmar
