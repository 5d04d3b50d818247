#include "core/graphs/step_metrics.h"

#include <algorithm>
#include <cmath>

#include "core/numtext.h"

namespace velmar {

namespace {

constexpr Extended kTailShare = 0.1L;        // the last tenth of the run
constexpr Extended kTenthGrowth = 1.5L;      // growth per tenth that means divergence
constexpr Extended kSwingGrowth = 1.02L;     // growth per swing that means divergence
constexpr Extended kNoChange = 1e-6L;        // a change this small against the curve's size is none
constexpr Extended kNoise = 1e-6L;           // swings below this share of the curve's size are noise
constexpr Extended kOvershootFloor = 1e-9L;  // a peak this close to the final value is no overshoot
constexpr Extended kCentreShare = 0.1L;      // the drift to come may move a band's centre this share of it
constexpr std::array<Extended, 2> kBands = {0.02L, 0.05L};

// clang-format off
constexpr std::array<std::string_view, kMetricCount> kNames = {
    "final_value", "rise_time", "peak", "overshoot",
    "peak_time", "settling_time_2", "settling_time_5", "steady_state_error",
};
// clang-format on

class Curve {
public:
    Curve(std::span<const Extended> t, std::span<const Extended> y) : t_(t), y_(y) {}

    std::size_t size() const { return std::min(t_.size(), y_.size()); }
    Extended t(std::size_t k) const { return t_[k]; }
    Extended y(std::size_t k) const { return y_[k]; }
    Extended start() const { return t_[0]; }
    Extended end() const { return t_[size() - 1]; }
    Extended duration() const { return end() - start(); }
    Extended first() const { return y_[0]; }
    Extended last() const { return y_[size() - 1]; }

    bool finite() const {
        for (std::size_t k = 0; k < size(); ++k)
            if (!std::isfinite(t_[k]) || !std::isfinite(y_[k])) return false;
        return true;
    }
    bool timeRunsForward() const {
        for (std::size_t k = 1; k < size(); ++k)
            if (t_[k] < t_[k - 1]) return false;
        return duration() > 0;
    }
    // The largest distance of a value from `centre`.
    Extended reach(Extended centre) const {
        Extended r = 0;
        for (std::size_t k = 0; k < size(); ++k) r = std::max(r, std::fabs(y_[k] - centre));
        return r;
    }
    // The value at time `at`, interpolated linearly.
    Extended at(Extended time) const {
        const auto after = std::upper_bound(t_.begin(), t_.begin() + static_cast<long>(size()), time);
        if (after == t_.begin()) return first();
        const auto k = static_cast<std::size_t>(after - t_.begin()) - 1;
        if (k + 1 >= size() || t_[k + 1] == t_[k]) return y_[k];
        return y_[k] + (y_[k + 1] - y_[k]) * (time - t_[k]) / (t_[k + 1] - t_[k]);
    }
    // The time at which the line from sample k to k + 1 reaches `target`.
    Extended crossing(std::size_t k, Extended target) const {
        const Extended dy = y_[k + 1] - y_[k];
        const Extended share = dy == 0 ? 0 : (target - y_[k]) / dy;
        return t_[k] + std::clamp(share, Extended(0), Extended(1)) * (t_[k + 1] - t_[k]);
    }

private:
    std::span<const Extended> t_, y_;
};

// The largest distance from the first value in each tenth of the run; -1 where a tenth
// holds no sample.
std::array<Extended, 10> reachPerTenth(const Curve& c) {
    std::array<Extended, 10> reach;
    reach.fill(-1);
    for (std::size_t k = 0; k < c.size(); ++k) {
        const auto tenth = static_cast<std::size_t>(
            std::clamp<Extended>(std::floor((c.t(k) - c.start()) / c.duration() * 10), 0, 9));
        reach[tenth] = std::max(reach[tenth], std::fabs(c.y(k) - c.first()));
    }
    return reach;
}

bool growsAway(const Curve& c, Extended noise) {
    const auto reach = reachPerTenth(c);
    return reach[7] > noise && reach[8] > kTenthGrowth * reach[7] && reach[9] > kTenthGrowth * reach[8];
}

// The swings between the curve's turning points, ignoring swings below `noise`.
std::vector<Extended> swings(const Curve& c, Extended noise) {
    std::vector<Extended> turns;
    int direction = 0;
    for (std::size_t k = 1; k < c.size(); ++k) {
        const Extended d = c.y(k) - c.y(k - 1);
        const int now = d > 0 ? 1 : d < 0 ? -1 : 0;
        if (now == 0) continue;
        if (direction != 0 && now != direction) turns.push_back(c.y(k - 1));
        direction = now;
    }
    std::vector<Extended> result;
    for (std::size_t i = 1; i < turns.size(); ++i) {
        const Extended s = std::fabs(turns[i] - turns[i - 1]);
        if (s >= noise) result.push_back(s);
    }
    return result;
}

bool oscillationGrows(const Curve& c, Extended noise) {
    const std::vector<Extended> s = swings(c, noise);
    const std::size_t n = s.size();
    return n >= 3 && s[n - 2] > kSwingGrowth * s[n - 3] && s[n - 1] > kSwingGrowth * s[n - 2];
}

// How far the curve may still move after its last point: the motion of its last tenth
// continued as a geometric series with the ratio of the last two tenths' motions;
// infinite when it does not slow down. A tail that turns (an oscillation) is judged by
// its band alone; a tail that hardly moves has nothing to come.
Extended driftToCome(const Curve& c, Extended noise) {
    const Extended tenth = c.duration() * kTailShare;
    const Extended before = c.at(c.end() - tenth) - c.at(c.end() - 2 * tenth);
    const Extended last = c.last() - c.at(c.end() - tenth);
    if (std::fabs(last) <= noise || before * last < 0) return 0;
    const Extended ratio = before == 0 ? 1 : last / before;
    return ratio >= 1 ? INFINITY : std::fabs(last) * ratio / (1 - ratio);
}

// The settling time in the band of half-width `half` around the last value: the time
// of the last exit from the band, from the curve's start (0 when it never leaves).
Extended settlingTime(const Curve& c, Extended half) {
    const Extended centre = c.last();
    for (std::size_t k = c.size() - 1; k-- > 0;) {
        const Extended off = c.y(k) - centre;
        if (std::fabs(off) <= half) continue;
        const Extended edge = centre + (off > 0 ? half : -half);
        return c.crossing(k, edge) - c.start();
    }
    return 0;
}

// The first time the response, seen as rising from its first value, reaches `share`
// of its change.
Extended firstReach(const Curve& c, Extended change, Extended share) {
    const Extended target = c.first() + share * change;
    const bool rising = change > 0;
    for (std::size_t k = 1; k < c.size(); ++k) {
        const Extended y = c.y(k);
        if (rising ? y >= target : y <= target) return c.crossing(k - 1, target) - c.start();
    }
    return c.duration();
}

struct Peak {
    Extended time, value;
};

// The extreme sample upwards (sign 1) or downwards (-1), refined by the parabola through
// it and its neighbours.
Peak peakOf(const Curve& c, Extended sign) {
    std::size_t best = 0;
    for (std::size_t k = 1; k < c.size(); ++k)
        if (sign * c.y(k) > sign * c.y(best)) best = k;
    Peak p{c.t(best), c.y(best)};
    if (best == 0 || best + 1 >= c.size()) return p;
    const Extended t0 = c.t(best - 1), t1 = c.t(best), t2 = c.t(best + 1);
    const Extended y0 = c.y(best - 1), y1 = c.y(best), y2 = c.y(best + 1);
    // Divided differences: y = y1 + b (t - t1) + a (t - t1)^2 through the three points.
    const Extended d01 = (y1 - y0) / (t1 - t0), d12 = (y2 - y1) / (t2 - t1);
    const Extended a = (d12 - d01) / (t2 - t0);
    if (!(sign * a < 0) || !std::isfinite(a)) return p;
    const Extended b = d01 + a * (t1 - t0);
    const Extended shift = std::clamp(-b / (2 * a), t0 - t1, t2 - t1);
    return {t1 + shift, y1 + b * shift + a * shift * shift};
}

class Builder {
public:
    Builder() {
        for (int i = 0; i < kMetricCount; ++i) m_.items[static_cast<std::size_t>(i)].id = MetricId(i);
    }
    Builder& all(MetricStatus s) {
        for (Metric& item : m_.items) item.status = s;
        return *this;
    }
    Builder& set(MetricId id, MetricStatus s) {
        at(id).status = s;
        return *this;
    }
    Builder& value(MetricId id, Extended v) {
        at(id).status = MetricStatus::Value;
        at(id).value = v;
        return *this;
    }
    Builder& last(Extended v) {
        at(MetricId::FinalValue).lastValue = v;
        return *this;
    }
    StepMetrics done() const { return m_; }

private:
    Metric& at(MetricId id) { return m_.items[static_cast<std::size_t>(id)]; }
    StepMetrics m_;
};

}  // namespace

std::string_view metricName(MetricId id) { return kNames[static_cast<std::size_t>(id)]; }

StepMetrics stepMetrics(std::span<const Extended> t, std::span<const Extended> y, Extended level) {
    const Curve c(t, y);
    Builder b;
    if (c.size() < 2) return b.all(MetricStatus::Undefined).done();
    if (!c.finite()) {
        b.all(MetricStatus::Diverging);
        if (std::isfinite(c.last())) b.last(c.last());
        return b.done();
    }
    if (!c.timeRunsForward()) return b.all(MetricStatus::Undefined).done();

    const Extended size = c.reach(c.first());
    const Extended noise = kNoise * std::max(size, std::fabs(c.first()));
    if (size == 0) {
        return b.all(MetricStatus::Undefined)
            .value(MetricId::FinalValue, c.last())
            .value(MetricId::SteadyStateError, level - c.last())
            .done();
    }
    if (growsAway(c, noise) || oscillationGrows(c, noise))
        return b.all(MetricStatus::Diverging).last(c.last()).done();

    const Extended change = c.last() - c.first();
    const bool stepped = std::fabs(change) > kNoChange * size;
    // A response that ends where it began is measured against its largest excursion.
    const Extended base = stepped ? std::fabs(change) : size;
    const Extended tail = c.duration() * (1 - kTailShare);
    // Settled in a band: inside it over the whole last tenth, with the drift still to come
    // too small to move the band's centre by more than a tenth of the band.
    const Extended drift = driftToCome(c, noise);
    const auto settled = [&](Extended share) {
        return settlingTime(c, share * base) <= tail && drift <= kCentreShare * share * base;
    };

    if (!settled(kBands[0])) {
        b.all(MetricStatus::NotSettled).last(c.last());
        if (stepped && settled(kBands[1]))
            b.value(MetricId::SettlingTime5, settlingTime(c, kBands[1] * base));
        return b.done();
    }
    b.value(MetricId::FinalValue, c.last()).value(MetricId::SteadyStateError, level - c.last());
    if (!stepped) {
        // The peak is the largest excursion, up or down; there is no step to rise to.
        const Peak up = peakOf(c, 1), down = peakOf(c, -1);
        const Peak& peak = up.value - c.first() >= c.first() - down.value ? up : down;
        return b.set(MetricId::RiseTime, MetricStatus::Undefined)
            .set(MetricId::Overshoot, MetricStatus::Undefined)
            .set(MetricId::SettlingTime2, MetricStatus::Undefined)
            .set(MetricId::SettlingTime5, MetricStatus::Undefined)
            .value(MetricId::Peak, peak.value)
            .value(MetricId::PeakTime, peak.time - c.start())
            .done();
    }
    b.value(MetricId::RiseTime, firstReach(c, change, 0.9L) - firstReach(c, change, 0.1L))
        .value(MetricId::SettlingTime2, settlingTime(c, kBands[0] * base))
        .value(MetricId::SettlingTime5, settlingTime(c, kBands[1] * base));
    const Peak peak = peakOf(c, change > 0 ? 1 : -1);
    const Extended overshoot = (peak.value - c.last()) / change;
    b.value(MetricId::Peak, peak.value);
    // Without overshoot the highest point is the end of a creeping approach: it has no
    // time worth naming.
    if (overshoot > kOvershootFloor)
        b.value(MetricId::Overshoot, overshoot).value(MetricId::PeakTime, peak.time - c.start());
    else b.value(MetricId::Overshoot, 0).set(MetricId::PeakTime, MetricStatus::Undefined);
    return b.done();
}

StepMetrics stepMetrics(const Diagram& curve, Extended level) {
    std::vector<Extended> t, y;
    if (curve.present()) {
        for (int k = 0; k < curve.count; ++k) {
            t.push_back(curve.x[k]);
            y.push_back(curve.y[k]);
        }
    }
    return stepMetrics(t, y, level);
}

std::string metricValueText(const Metric& metric) {
    switch (metric.status) {
        case MetricStatus::Value: return significantText(metric.value, 17);
        case MetricStatus::NotSettled: return "not settled";
        case MetricStatus::Diverging: return "diverging";
        case MetricStatus::Undefined: break;
    }
    return "undefined";
}

std::string metricLine(const Metric& metric) {
    std::string text = "metric: " + std::string(metric.name()) + " = " + metricValueText(metric);
    if (metric.lastValue &&
        (metric.status == MetricStatus::NotSettled || metric.status == MetricStatus::Diverging))
        text += ", last value " + significantText(*metric.lastValue, 17);
    return text;
}

std::vector<std::string> metricLines(const StepMetrics& metrics) {
    std::vector<std::string> lines;
    for (const Metric& m : metrics.items) lines.push_back(metricLine(m));
    return lines;
}

}  // namespace velmar
