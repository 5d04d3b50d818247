#include "core/analysis/m_circle.h"

#include <algorithm>
#include <cmath>

#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

struct Interval {
    Extended low, high;
    std::size_t point;  // the point whose d2 is `high`
};

// The d for which p = (x, y) lies inside the circle (-d, d/M):
// (x + d)² + y² < d²/M², i.e. a·d² + 2x·d + x² + y² < 0 with a = 1 - 1/M².
bool pointInterval(Extended x, Extended y, Extended M, Extended& d1, Extended& d2) {
    if (!(x < 0)) return false;
    const Extended a = 1 - 1 / (M * M);
    const Extended disc = x * x - a * (x * x + y * y);
    if (!(disc > 0)) return false;
    d1 = (-x - std::sqrt(disc)) / a;
    d2 = (-x + std::sqrt(disc)) / a;
    return true;
}

}  // namespace

std::string oscillationIndexProblem(Extended M) { return M < kLowestM ? kBadM : std::string(); }

bool askOscillationIndex(Host& host, Extended& M) {
    std::vector<DialogValue> rows = {{"Zadanii M", M, false, false, true, {}}};
    const ValueCheck check = [](const std::vector<Extended>& v) { return oscillationIndexProblem(v[0]); };
    if (!AskValues(host, rows, {}, check)) return false;
    M = Real48(rows[0].value);  // kept as the 6-byte real it is typed into
    return true;
}

MCircleTouch touchingMCircle(const std::vector<Real48>& x, const std::vector<Real48>& y, Extended M) {
    // The branches inside the cone, each as the span of its points' intervals.
    std::vector<Interval> branches;
    bool inBranch = false;
    for (std::size_t k = 0; k < x.size(); ++k) {
        Extended d1 = 0, d2 = 0;
        if (!pointInterval(x[k], y[k], M, d1, d2)) {
            inBranch = false;
            continue;
        }
        if (!inBranch) branches.push_back({d1, d2, k});
        Interval& b = branches.back();
        b.low = std::min(b.low, d1);
        if (d2 > b.high) {
            b.high = d2;
            b.point = k;
        }
        inBranch = true;
    }
    MCircleTouch touch;
    if (branches.empty()) return touch;
    std::sort(branches.begin(), branches.end(),
              [](const Interval& a, const Interval& b) { return a.low < b.low; });
    Interval nearest = branches.front();
    for (const Interval& b : branches) {
        if (b.low > nearest.high) break;
        if (b.high > nearest.high) nearest = {nearest.low, b.high, b.point};
    }
    const Extended a = 1 - 1 / (M * M);
    touch.found = true;
    touch.distance = nearest.high;
    touch.radius = nearest.high / M;
    touch.foot = nearest.high * a;
    touch.gain = 1 / touch.foot;
    touch.point = nearest.point;
    touch.below = y[nearest.point] <= 0;
    return touch;
}

Curve circleCurve(const MCircleTouch& touch) {
    Curve c;
    for (int k = 0; k < kCirclePoints; ++k) {
        const Extended t = 2 * kPi * k / (kCirclePoints - 1);
        c.x.emplace_back(-touch.distance + touch.radius * std::cos(t));
        c.y.emplace_back(touch.radius * std::sin(t));
    }
    return c;
}

Curve tangentCurve(const MCircleTouch& touch, Extended M) {
    const Extended height = touch.distance * std::sqrt(1 - 1 / (M * M)) / M;
    Curve c;
    c.x = {Real48(0.0L), Real48(-touch.foot), Real48(-touch.foot)};
    c.y = {Real48(0.0L), Real48(touch.below ? -height : height), Real48(0.0L)};
    return c;
}

std::vector<std::string> CircleTexts(const MCircleTouch& touch) {
    return {"Radius=" + floatText(touch.radius), "L     =" + floatText(touch.foot)};
}

}  // namespace velmar
