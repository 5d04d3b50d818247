#include "core/graphs/graph_scale.h"

#include <algorithm>
#include <cmath>

namespace velmar {

namespace {

constexpr Extended kRangeStart = 1.7e38L;
constexpr Extended kTinyRange = 1e-35L;
// The share of a range added at each end when the points are drawn as marks.
constexpr Extended kMarkMargin = 0.08L;
// Below this share of its range a range end reads as 0.
constexpr Extended kShownZero = 1e-6L;
// Pixels far outside any image; keeps coordinates of huge values drawable.
constexpr Extended kPixelLimit = 1e6L;

// Pixels per unit over a range; a single value scales by its own size.
Extended unitScale(int pixels, Extended lo, Extended hi) {
    const Extended span = hi != lo ? std::fabs(hi - lo) : std::fabs(hi);
    return static_cast<Extended>(pixels) / span;
}

void widenForMarks(Extended& lo, Extended& hi) {
    if (hi == lo) {
        const Extended half = lo == 0 ? 1 : std::fabs(lo);
        lo -= half;
        hi += half;
    }
    const Extended margin = (hi - lo) * kMarkMargin;
    lo -= margin;
    hi += margin;
}

}  // namespace

Extended shownRangeEnd(Extended v, Extended lo, Extended hi) {
    return std::fabs(v) < std::fabs(hi - lo) * kShownZero ? 0 : v;
}

int roundPixel(Extended v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -kPixelLimit, kPixelLimit)));
}

int GraphScale::px(Extended x) const { return roundPixel(xZero + std::nearbyint(x * xScale)); }

int GraphScale::py(Extended y) const {
    return roundPixel(yZero - std::nearbyint(std::clamp(y * yScale * userY, -kPixelLimit, kPixelLimit)));
}

GraphScale computeScale(const Slots& shown, const PlotArea& area, Extended userY, bool pointMarks) {
    GraphScale s;
    s.userY = userY;
    Extended xMin = kRangeStart, xMax = -kRangeStart, yMin = kRangeStart, yMax = -kRangeStart;
    bool any = false;
    for (const Slot& slot : shown)
        for (int i = 0; i < slot.count(); ++i) {
            any = true;
            xMin = std::min(xMin, slot.x(i));
            xMax = std::max(xMax, slot.x(i));
            yMin = std::min(yMin, slot.y(i));
            yMax = std::max(yMax, slot.y(i));
        }
    if (!any) xMin = yMin = 0, xMax = yMax = 1;

    if (pointMarks && any) {
        widenForMarks(xMin, xMax);
        widenForMarks(yMin, yMax);
    }
    // A constant curve is shown between zero and its value, on whichever side it lies.
    if (yMax == yMin) {
        if (yMax >= 0) yMin = 0;
        else yMax = 0;
    }
    if (xMax == 0 && xMin == 0) xMax = kTinyRange;
    if (yMax == 0 && yMin == 0) yMax = kTinyRange;

    s.xMin = xMin, s.xMax = xMax, s.yMin = yMin, s.yMax = yMax;
    s.xScale = unitScale(area.width(), xMin, xMax);
    s.yScale = unitScale(area.height(), yMin, yMax);
    s.xZero = roundPixel(area.left - std::nearbyint(std::clamp(xMin * s.xScale, -kPixelLimit, kPixelLimit)));
    s.yZero = roundPixel(area.top + std::nearbyint(std::clamp(yMax * s.yScale, -kPixelLimit, kPixelLimit)));
    return s;
}

}  // namespace velmar
