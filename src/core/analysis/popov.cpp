#include "core/analysis/popov.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/analysis/analysis_state.h"
#include "core/analysis/harmonic.h"
#include "core/analysis/m_circle.h"
#include "core/analysis/real_roots.h"
#include "core/host.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr Extended kInfinity = std::numeric_limits<Extended>::infinity();
constexpr Extended kLargestQ = 1e12L;
constexpr int kHodographGraph = 3;
// Values closer than this, relative to the hodograph's size, are taken as equal.
constexpr Extended kRelativeRounding = 1e-12L;

Coefficients trimmed(Coefficients c) {
    while (!c.empty() && c.back() == 0) c.pop_back();
    return c;
}

Coefficients minus(const Coefficients& a, Extended q, const Coefficients& b) {
    Coefficients r(std::max(a.size(), b.size()), 0);
    for (std::size_t i = 0; i < a.size(); ++i) r[i] += a[i];
    for (std::size_t i = 0; i < b.size(); ++i) r[i] -= q * b[i];
    return trimmed(r);
}

Coefficients times(const Coefficients& a, const Coefficients& b) {
    if (a.empty() || b.empty()) return {};
    Coefficients r(a.size() + b.size() - 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j) r[i + j] += a[i] * b[j];
    return r;
}

// (N/D)' numerator: N'·D - N·D'.
Coefficients quotientDerivative(const Coefficients& n, const Coefficients& d) {
    return minus(times(derivativeOf(n), d), 1, times(n, derivativeOf(d)));
}

// The limit of N(w)/D(w) for w -> 0+ (atZero) or w -> infinity, w > 0.
Extended limit(const Coefficients& nIn, const Coefficients& dIn, bool atZero) {
    const Coefficients n = trimmed(nIn), d = trimmed(dIn);
    if (d.empty()) return std::numeric_limits<Extended>::quiet_NaN();  // no hodograph at all
    if (n.empty()) return 0;
    auto lowest = [](const Coefficients& c) {
        std::size_t i = 0;
        while (c[i] == 0) ++i;
        return i;
    };
    const std::size_t in = atZero ? lowest(n) : n.size() - 1;
    const std::size_t id = atZero ? lowest(d) : d.size() - 1;
    const Extended ratio = n[in] / d[id];
    if (in == id) return ratio;
    const bool vanishes = atZero ? in > id : in < id;
    if (vanishes) return 0;
    return ratio > 0 ? kInfinity : -kInfinity;
}

// The polynomials of the modified hodograph X = ReNum/Den, Y = YNum/Den.
struct Modified {
    Coefficients reNum, yNum, den, dX, dY;
    explicit Modified(const TransferFunction& w) {
        const FrequencySplit split(w);
        reNum = trimmed(CoefficientsOf(split.ReNum));
        yNum = trimmed(CoefficientsOf(split.ImNum));
        yNum.insert(yNum.begin(), 0);  // times w
        den = trimmed(CoefficientsOf(split.Den));
        dX = quotientDerivative(reNum, den);
        dY = quotientDerivative(yNum, den);
        // The hodograph's size: its ends and its points of extreme X.
        std::vector<PopovPoint> marks = {end(true), end(false)};
        for (const Extended omega : positiveRealRoots(dX))
            if (evaluateAt(den, omega) != 0) marks.push_back(at(omega));
        for (const PopovPoint& p : marks)
            for (const Extended v : {p.x, p.y})
                if (std::isfinite(v)) scale = std::max(scale, std::fabs(v));
    }
    Extended scale = 0;
    PopovPoint at(Extended omega) const {
        const Extended d = evaluateAt(den, omega);
        return {omega, evaluateAt(reNum, omega) / d, evaluateAt(yNum, omega) / d};
    }
    PopovPoint end(bool atZero) const {
        return {atZero ? 0 : kInfinity, limit(reNum, den, atZero), limit(yNum, den, atZero)};
    }
};

// h(q) = min over the hodograph of X - q·Y, with the points where it is reached.
struct Lowest {
    Extended value = kInfinity;
    std::vector<PopovPoint> points;
    // The slope of h: -Y at the minimisers. Rising: every minimiser below the axis;
    // falling: every one above it; otherwise (one on the axis, within rounding, or
    // minimisers on both sides) q is optimal.
    Extended scale = 0;
    bool onAxis(const PopovPoint& p) const { return std::fabs(p.y) <= kRelativeRounding * scale; }
    bool rising() const {
        return std::all_of(points.begin(), points.end(),
                           [this](const PopovPoint& p) { return p.y < 0 && !onAxis(p); });
    }
    bool falling() const {
        return std::all_of(points.begin(), points.end(),
                           [this](const PopovPoint& p) { return p.y > 0 && !onAxis(p); });
    }
};

Lowest lowest(const Modified& m, Extended q) {
    std::vector<PopovPoint> candidates = {m.end(true), m.end(false)};
    for (const Extended omega : positiveRealRoots(minus(m.dX, q, m.dY)))
        if (evaluateAt(m.den, omega) != 0) candidates.push_back(m.at(omega));
    auto valueOf = [q](const PopovPoint& p) {
        // An end at infinity along Y with q = 0 leaves only X.
        return q == 0 ? p.x : p.x - q * p.y;
    };
    Lowest l;
    l.scale = m.scale;
    for (const PopovPoint& p : candidates) {
        const Extended v = valueOf(p);
        if (!std::isnan(v)) l.value = std::min(l.value, v);
    }
    const Extended tolerance = kRelativeRounding * std::max(m.scale, std::fabs(l.value));
    for (const PopovPoint& p : candidates) {
        const Extended v = valueOf(p);
        if (v == l.value || std::fabs(v - l.value) <= tolerance) l.points.push_back(p);
    }
    return l;
}

// The q >= 0 at which the concave h is largest: 0 when h falls from the start, else
// the bracket where its slope turns, halved down to rounding.
Extended optimalQ(const Modified& m) {
    if (!lowest(m, 0).rising()) return 0;
    Extended lo = 0, hi = 1;
    while (lowest(m, hi).rising()) {
        if (hi >= kLargestQ) return hi;
        lo = hi;
        hi *= 4;
    }
    for (int i = 0; i < 300 && hi - lo > 1e-15L * hi; ++i) {
        const Extended mid = lo + (hi - lo) / 2;
        const Lowest l = lowest(m, mid);
        if (l.rising()) lo = mid;
        else if (l.falling()) hi = mid;
        else return mid;
    }
    // Either end may be the better: at a turn of the minimiser to an end of the
    // hodograph on the axis, h rises up to hi.
    return lowest(m, hi).value >= lowest(m, lo).value ? hi : lo;
}

}  // namespace

PopovResult popovBound(const TransferFunction& w) {
    const Modified m(w);
    PopovResult r;
    r.q = optimalQ(m);
    const Lowest best = lowest(m, r.q);
    r.x0 = best.value;
    r.touching = best.points;
    // A line through the origin (within rounding): no sector bound.
    if (r.x0 < -kRelativeRounding * m.scale) {
        r.status = PopovStatus::Found;
        r.kkrit = std::isinf(r.x0) ? 0 : -1 / r.x0;
    }
    return r;
}

void showPopov(Host& host, const PopovResult& r) {
    if (r.status == PopovStatus::Unbounded) {
        host.message(Box::Error, kCannotSolve);
        return;
    }
    for (const PopovPoint& p : r.touching)
        host.report("w = " + floatText(p.omega) + "  X = " + floatText(p.x) + "  Y = " + floatText(p.y));
    host.report("q = " + floatText(r.q) + "  x0 = " + floatText(r.x0));
    host.report("Kkrit = " + floatText(r.kkrit));
    host.message(Box::Information, "Kkrit = " + scientificText(r.kkrit, 12));
}

Curve modifiedHodograph(const FrequencySplit& split, const FrequencyRange& range) {
    Curve curve;
    const Extended end = range.end, step = range.step;
    for (Real48 omega = gridStart(range.begin); omega < end; omega = omega + step) {
        const Extended den = split.Den.Evaluate(omega);
        if (den == 0) continue;
        curve.x.emplace_back(split.ReNum.Evaluate(omega) / den);
        curve.y.emplace_back(omega * split.ImNum.Evaluate(omega) / den);
    }
    return curve;
}

void showModifiedPopov(Host& host, AnalysisState& state, const TransferFunction& w) {
    FrequencyRange range;
    if (!askKeptFrequencyRange(host, state, range)) return;
    const Curve hodograph = modifiedHodograph(FrequencySplit(w), range);
    if (hodograph.x.empty()) return;
    Diagrams slots;
    slots[0] = {hodograph.x.data(), hodograph.y.data(), static_cast<int>(hodograph.x.size()), "Godograf"};
    // The Popov line across the hodograph's extent in Y.
    Curve line;
    const PopovResult popov = popovBound(w);
    if (popov.status == PopovStatus::Found && std::isfinite(popov.x0)) {
        const auto [low, high] = std::minmax_element(hodograph.y.begin(), hodograph.y.end());
        for (const Extended y : {low->get(), high->get()}) {
            line.x.emplace_back(popov.x0 + popov.q * y);
            line.y.emplace_back(y);
        }
        slots[1] = {line.x.data(), line.y.data(), 2, "Line"};
    }
    std::vector<std::string> texts;
    Curve circle, tangent;
    Extended M = kDefaultM;
    if (askOscillationIndex(host, M)) {
        const MCircleTouch touch = touchingMCircle(hodograph.x, hodograph.y, M);
        if (touch.found) {
            circle = circleCurve(touch);
            tangent = tangentCurve(touch, M);
            slots[2] = {circle.x.data(), circle.y.data(), static_cast<int>(circle.x.size()), "Okrujnosti"};
            slots[3] = {tangent.x.data(), tangent.y.data(), static_cast<int>(tangent.x.size()), "Line m"};
            texts = CircleTexts(touch);
        }
    }
    host.showGraphWithTexts(slots, kHodographGraph, texts);
}

}  // namespace velmar
