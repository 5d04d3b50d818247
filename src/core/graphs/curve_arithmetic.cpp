#include "core/graphs/curve_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "core/errors.h"

namespace velmar {

namespace {

Extended apply(Extended a, CurveOp op, Extended b) {
    switch (op) {
        case CurveOp::Add: return a + b;
        case CurveOp::Subtract: return a - b;
        case CurveOp::Multiply: return a * b;
        case CurveOp::Divide: return a / b;
    }
    return a;
}

Extended firstX(const Diagram& d) { return d.x[0]; }
Extended lastX(const Diagram& d) { return d.x[d.count - 1]; }

// Linear interpolation of a diagram's Y at any x, over its points sorted by X.
class Interpolator {
public:
    explicit Interpolator(const Diagram& d) : d_(d), order_(static_cast<std::size_t>(d.count)) {
        std::iota(order_.begin(), order_.end(), 0);
        std::stable_sort(order_.begin(), order_.end(), [&](int p, int q) { return X(p) < X(q); });
    }

    std::optional<Extended> at(Extended x) const {
        // The first point above x, and before it the points not above x.
        auto above =
            std::upper_bound(order_.begin(), order_.end(), x, [&](Extended v, int p) { return v < X(p); });
        if (above == order_.begin()) return std::nullopt;
        const Extended belowX = X(*(above - 1));
        // Of several points at that X, the first in the diagram's order.
        const int below =
            *std::lower_bound(order_.begin(), above, belowX, [&](int p, Extended v) { return X(p) < v; });
        if (belowX == x) return Y(below);
        if (above == order_.end()) return std::nullopt;
        // Y = Ybelow + (Yabove - Ybelow) * (x - Xbelow) / (Xabove - Xbelow)
        return Y(below) + (Y(*above) - Y(below)) * (x - belowX) / (X(*above) - belowX);
    }

private:
    Extended X(int i) const { return d_.x[i]; }
    Extended Y(int i) const { return d_.y[i]; }

    const Diagram& d_;
    std::vector<int> order_;
};

int pointsIn(const Diagram& d, Extended lo, Extended hi) {
    int n = 0;
    for (int i = 0; i < d.count; ++i)
        if (d.x[i] >= lo && d.x[i] <= hi) ++n;
    return n;
}

}  // namespace

CurveOp curveOpOf(char sign) {
    switch (sign) {
        case '-': return CurveOp::Subtract;
        case '*': return CurveOp::Multiply;
        case '/': return CurveOp::Divide;
        default: return CurveOp::Add;
    }
}

bool disjointRanges(const Diagram& a, const Diagram& b) {
    if (a.count <= 0 || b.count <= 0) return true;
    return lastX(b) < firstX(a) || lastX(a) < firstX(b);
}

CombinedCurve combineCurves(const Diagram& a, CurveOp op, const Diagram& b) {
    CombinedCurve result;
    if (disjointRanges(a, b)) return result;
    const Extended lo = std::max(firstX(a), firstX(b));
    const Extended hi = std::min(lastX(a), lastX(b));

    // The diagram with more points in the range leads; b when the counts are equal.
    const bool aLeads = pointsIn(a, lo, hi) > pointsIn(b, lo, hi);
    const Diagram& lead = aLeads ? a : b;
    const Interpolator other(aLeads ? b : a);

    for (int i = 0; i < lead.count; ++i) {
        const Extended x = lead.x[i];
        if (x < lo || x > hi) continue;
        const std::optional<Extended> otherY = other.at(x);
        if (!otherY) continue;
        const Extended ya = aLeads ? Extended(lead.y[i]) : *otherY;
        const Extended yb = aLeads ? *otherY : Extended(lead.y[i]);
        try {
            if (op == CurveOp::Divide && yb == 0) continue;
            const Real48 y = checkFinite(apply(ya, op, yb));
            result.x.push_back(lead.x[i]);
            result.y.push_back(y);
        } catch (const MathError&) {
            // A value beyond what a point can hold is left out like a division by zero.
        }
    }
    return result;
}

std::string solveArithmetic(ViewerSlots& viewer, int i, CurveOp op, int j, const std::string& name) {
    if (i < 1 || i > kSlotCount || j < 1 || j > kSlotCount || !viewer.slot(i).present() ||
        !viewer.slot(j).present())
        return kNoDiagramText;
    const int target = viewer.freeSlot();
    if (target == 0) return kNoRoomText;
    const Diagram& a = viewer.slot(i).diagram;
    const Diagram& b = viewer.slot(j).diagram;
    if (disjointRanges(a, b)) return kNoCommonPointsText;
    CombinedCurve c = combineCurves(a, op, b);
    // Nothing could be formed (every point failed): there is no curve to show.
    if (c.x.empty()) return kNoCommonPointsText;
    const int count = static_cast<int>(c.x.size());
    viewer.put(target, ownedSlot(std::move(c.x), std::move(c.y), count, name));
    return {};
}

std::string differenceWithKept(ViewerSlots& viewer) {
    const int i = viewer.current();
    const int j = viewer.latestKeptSlot(i);
    if (j == 0) return kNoKeptCurveText;
    return solveArithmetic(viewer, i, CurveOp::Subtract, j, std::to_string(i) + "-" + std::to_string(j));
}

}  // namespace velmar
