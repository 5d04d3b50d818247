#include "core/blocks/thumbnail.h"

#include <algorithm>
#include <cmath>

namespace velmar {

namespace {

// The picture area inside the block's 62 x 32 picture.
constexpr int kLeft = 2, kTop = 1;
constexpr int kWidth = 58, kHeight = 30;

struct Axis {
    Extended scale = 0;  // pixels per unit
    Extended zero = 0;   // pixels from the low edge to the value 0

    Axis(Extended min, Extended max, int span) {
        if (min == 0 && max == 0) max = 0.0001L;
        scale = span / (std::fabs(max) + std::fabs(min));
        zero = min >= 0 ? 0 : max <= 0 ? span : std::fabs(min) * scale;
    }
    Extended at(Extended v) const { return zero + v * scale; }
};

void rangeOf(const Diagrams& curves, int points, bool ofX, Extended& min, Extended& max) {
    bool first = true;
    for (const Diagram& d : curves) {
        if (!d.present()) continue;
        const Real48* values = ofX ? d.x : d.y;
        for (int i = 0; i < points; ++i) {
            const Extended v = values[i];
            min = first ? v : std::min(min, v);
            max = first ? v : std::max(max, v);
            first = false;
        }
    }
}

int pixel(Extended v) { return static_cast<int>(std::lround(v)); }

}  // namespace

Thumbnail makeThumbnail(int col, int row, const Diagrams& curves, int points) {
    Thumbnail t;
    t.col = col;
    t.row = row;
    Extended xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    rangeOf(curves, points, true, xMin, xMax);
    rangeOf(curves, points, false, yMin, yMax);
    const Axis across(xMin, xMax, kWidth), up(yMin, yMax, kHeight);

    const int x0 = kLeft + pixel(across.zero), y0 = kTop + kHeight - pixel(up.zero);
    t.axes.push_back({kLeft, y0, kLeft + kWidth, y0});
    t.axes.push_back({x0, kTop, x0, kTop + kHeight});
    for (const Diagram& d : curves) {
        if (!d.present()) continue;
        std::vector<std::pair<int, int>> line;
        for (int i = 0; i < points; ++i) {
            const std::pair<int, int> p{kLeft + pixel(across.at(d.x[i])),
                                        kTop + kHeight - pixel(up.at(d.y[i]))};
            if (line.empty() || line.back() != p) line.push_back(p);
        }
        t.curves.push_back(std::move(line));
    }
    return t;
}

}  // namespace velmar
