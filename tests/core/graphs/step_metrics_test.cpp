// Step-response metrics on curves whose metrics are known in closed form, sampled finely.
#include "core/graphs/step_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/numtext.h"

using namespace velmar;

namespace {

constexpr Extended kClosedForm = 1e-6L;

struct Sampled {
    std::vector<Extended> t, y;
    StepMetrics metrics(Extended level = 1) const { return stepMetrics(t, y, level); }
};

Sampled sample(const std::function<Extended(Extended)>& f, Extended end, Extended h) {
    Sampled s;
    const auto n = static_cast<long>(std::llround(end / h));
    for (long k = 0; k <= n; ++k) {
        s.t.push_back(k * h);
        s.y.push_back(f(k * h));
    }
    return s;
}

Extended lag(Extended t, Extended gain, Extended T) { return gain * (1 - std::exp(-t / T)); }

// The step response of 1 / (s^2/wn^2 + 2 zeta s/wn + 1).
Extended secondOrder(Extended t, Extended zeta, Extended wn) {
    const Extended root = std::sqrt(1 - zeta * zeta), wd = wn * root;
    return 1 - std::exp(-zeta * wn * t) * (std::cos(wd * t) + zeta / root * std::sin(wd * t));
}

// The first time f reaches `target` (rising), by a scan and bisection.
Extended firstTime(const std::function<Extended(Extended)>& f, Extended target) {
    Extended lo = 0, hi = 0;
    while (f(hi) < target) hi += 1e-3L;
    lo = hi - 1e-3L;
    for (int i = 0; i < 100; ++i) {
        const Extended mid = (lo + hi) / 2;
        (f(mid) < target ? lo : hi) = mid;
    }
    return lo;
}

Extended valueOf(const StepMetrics& m, MetricId id) {
    EXPECT_EQ(m[id].status, MetricStatus::Value) << metricName(id);
    return m[id].value;
}

}  // namespace

struct LagCase {
    Extended gain, T;
};

class FirstOrderLag : public ::testing::TestWithParam<LagCase> {};

TEST_P(FirstOrderLag, MetricsMatchTheClosedForm) {
    const auto [gain, T] = GetParam();
    const Sampled s = sample([&](Extended t) { return lag(t, gain, T); }, 30 * T, 1e-3L * T);
    const StepMetrics m = s.metrics(1);
    EXPECT_NEAR(valueOf(m, MetricId::FinalValue), gain, kClosedForm * std::fabs(gain));
    EXPECT_NEAR(valueOf(m, MetricId::RiseTime), T * std::log(9.0L), kClosedForm);
    EXPECT_NEAR(valueOf(m, MetricId::SettlingTime2), T * std::log(50.0L), kClosedForm);
    EXPECT_NEAR(valueOf(m, MetricId::SettlingTime5), T * std::log(20.0L), kClosedForm);
    EXPECT_NEAR(valueOf(m, MetricId::SteadyStateError), 1 - gain, kClosedForm * std::fabs(gain));
    // A creeping approach has no overshoot and no peak time worth naming.
    EXPECT_EQ(valueOf(m, MetricId::Overshoot), 0);
    EXPECT_NEAR(valueOf(m, MetricId::Peak), gain, kClosedForm * std::fabs(gain));
    EXPECT_EQ(m[MetricId::PeakTime].status, MetricStatus::Undefined);
}

// A falling response (negative gain) is measured like a rising one.
INSTANTIATE_TEST_SUITE_P(Gains, FirstOrderLag,
                         ::testing::Values(LagCase{1, 1}, LagCase{2.5L, 0.5L}, LagCase{-2, 2},
                                           LagCase{0.8L, 3}));

struct OscillationCase {
    Extended zeta, wn;
};

class SecondOrderLink : public ::testing::TestWithParam<OscillationCase> {};

TEST_P(SecondOrderLink, OvershootPeakAndCrossingsMatchTheClosedForm) {
    const auto [zeta, wn] = GetParam();
    const auto f = [&](Extended t) { return secondOrder(t, zeta, wn); };
    const Sampled s = sample(f, 60 / (zeta * wn), 1e-3L / wn);
    const StepMetrics m = s.metrics();
    const Extended root = std::sqrt(1 - zeta * zeta);
    const Extended overshoot = std::exp(-kPi * zeta / root);
    EXPECT_NEAR(valueOf(m, MetricId::Overshoot), overshoot, kClosedForm);
    EXPECT_NEAR(valueOf(m, MetricId::Peak), 1 + overshoot, kClosedForm);
    EXPECT_NEAR(valueOf(m, MetricId::PeakTime), kPi / (wn * root), kClosedForm);
    EXPECT_NEAR(valueOf(m, MetricId::RiseTime), firstTime(f, 0.9L) - firstTime(f, 0.1L), kClosedForm);
    // Each settling time is the last exit from its band: the response sits on the band's
    // edge there and stays inside after it.
    for (const auto [id, band] :
         {std::pair{MetricId::SettlingTime2, 0.02L}, {MetricId::SettlingTime5, 0.05L}}) {
        const Extended ts = valueOf(m, id);
        EXPECT_NEAR(std::fabs(f(ts) - 1), band, kClosedForm) << band;
        for (std::size_t k = 0; k < s.t.size(); ++k)
            if (s.t[k] > ts + 1e-3L)
                ASSERT_LE(std::fabs(s.y[k] - 1), band + kClosedForm) << band << " " << s.t[k];
    }
}

INSTANTIATE_TEST_SUITE_P(Dampings, SecondOrderLink,
                         ::testing::Values(OscillationCase{0.2L, 1}, OscillationCase{0.5L, 3},
                                           OscillationCase{0.7L, 0.5L}));

TEST(StepMetrics, ARampNeverSettles) {
    const Sampled s = sample([](Extended t) { return 2 * t; }, 10, 1e-2L);
    const StepMetrics m = s.metrics();
    for (const Metric& metric : m.items) EXPECT_EQ(metric.status, MetricStatus::NotSettled) << metric.name();
    ASSERT_TRUE(m[MetricId::FinalValue].lastValue);
    EXPECT_NEAR(*m[MetricId::FinalValue].lastValue, 20, 1e-12L);
}

TEST(StepMetrics, ARunCutBeforeSettlingSaysSoAndGivesTheLastValue) {
    // The lag at twice its time constant: its last tenth moves 3.5 % of its last value,
    // inside the 5 % band, but it is still 13.5 % from its limit.
    const Sampled cutLag = sample([](Extended t) { return lag(t, 1, 1); }, 2, 1e-3L);
    const StepMetrics m = cutLag.metrics();
    EXPECT_EQ(m[MetricId::FinalValue].status, MetricStatus::NotSettled);
    EXPECT_NEAR(*m[MetricId::FinalValue].lastValue, 1 - std::exp(-2.0L), 1e-15L);
    for (MetricId id : {MetricId::RiseTime, MetricId::Peak, MetricId::Overshoot, MetricId::SettlingTime2,
                        MetricId::SettlingTime5, MetricId::SteadyStateError})
        EXPECT_EQ(m[id].status, MetricStatus::NotSettled) << metricName(id);

    const Sampled cutSwing = sample([](Extended t) { return secondOrder(t, 0.2L, 1); }, 10, 1e-3L);
    EXPECT_EQ(cutSwing.metrics()[MetricId::Overshoot].status, MetricStatus::NotSettled);
    EXPECT_EQ(cutSwing.metrics()[MetricId::SettlingTime2].status, MetricStatus::NotSettled);
}

TEST(StepMetrics, TheFiveBandCanSettleBeforeTheTwoBand) {
    // At 5.7 time constants the lag is 0.34 % from its limit: too far to place the 2 %
    // band, near enough for the 5 % band, whose settling time is then close to ln 20.
    const Sampled s = sample([](Extended t) { return lag(t, 1, 1); }, 5.7L, 1e-3L);
    const StepMetrics m = s.metrics();
    EXPECT_EQ(m[MetricId::FinalValue].status, MetricStatus::NotSettled);
    EXPECT_EQ(m[MetricId::SettlingTime2].status, MetricStatus::NotSettled);
    EXPECT_NEAR(valueOf(m, MetricId::SettlingTime5), std::log(20.0L), 0.1L);
}

struct ShapeCase {
    const char* name;
    std::function<Extended(Extended)> f;
    MetricStatus expected;
};

class CurveShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(CurveShapes, SayWhetherTheRunDivergesOrHasNotSettled) {
    const Sampled s = sample(GetParam().f, 20, 1e-3L);
    const StepMetrics m = s.metrics();
    for (const Metric& metric : m.items) EXPECT_EQ(metric.status, GetParam().expected) << metric.name();
    EXPECT_TRUE(m[MetricId::FinalValue].lastValue);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CurveShapes,
    ::testing::Values(
        ShapeCase{"exponential_growth", [](Extended t) { return std::exp(0.5L * t) - 1; },
                  MetricStatus::Diverging},
        ShapeCase{"growing_oscillation", [](Extended t) { return 1 - std::exp(0.1L * t) * std::cos(3 * t); },
                  MetricStatus::Diverging},
        ShapeCase{"sustained_oscillation", [](Extended t) { return 1 - std::cos(3 * t); },
                  MetricStatus::NotSettled},
        ShapeCase{"slow_start", [](Extended t) { return t * t * t; }, MetricStatus::NotSettled}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepMetrics, CurvesWithoutAStepResponseAreUndefined) {
    const std::vector<Extended> one{0}, t{0, 1, 2}, back{0, 2, 1}, flat{3, 3, 3};
    for (const Metric& m : stepMetrics(one, one).items) EXPECT_EQ(m.status, MetricStatus::Undefined);
    // A phase plane: x does not run forward.
    for (const Metric& m : stepMetrics(back, t).items) EXPECT_EQ(m.status, MetricStatus::Undefined);
    // A flat curve has its final value and error, nothing else.
    const StepMetrics m = stepMetrics(t, flat, 5);
    EXPECT_EQ(m[MetricId::FinalValue].value, 3);
    EXPECT_EQ(m[MetricId::SteadyStateError].value, 2);
    EXPECT_EQ(m[MetricId::RiseTime].status, MetricStatus::Undefined);
    // A value beyond every bound diverges.
    const std::vector<Extended> blown{0, 1, INFINITY};
    EXPECT_EQ(stepMetrics(t, blown)[MetricId::Peak].status, MetricStatus::Diverging);
}

TEST(StepMetrics, AResponseThatReturnsToItsStartHasAPeakButNoRise) {
    // The impulse response of a lag chain: up and back to 0.
    const Sampled s = sample([](Extended t) { return t * std::exp(-t); }, 40, 1e-3L);
    const StepMetrics m = s.metrics();
    EXPECT_NEAR(valueOf(m, MetricId::Peak), std::exp(-1.0L), kClosedForm);
    EXPECT_NEAR(valueOf(m, MetricId::PeakTime), 1, kClosedForm);
    EXPECT_EQ(m[MetricId::RiseTime].status, MetricStatus::Undefined);
    EXPECT_EQ(m[MetricId::SettlingTime2].status, MetricStatus::Undefined);
}

TEST(StepMetrics, LinesNameEveryMetricWithItsNumberOrStatus) {
    const Sampled s = sample([](Extended t) { return lag(t, 1, 1); }, 30, 1e-3L);
    const std::vector<std::string> lines = metricLines(s.metrics());
    ASSERT_EQ(lines.size(), std::size_t(kMetricCount));
    const char* names[] = {"final_value",     "rise_time",         "peak",
                           "overshoot",       "peak_time",         "settling_time_2",
                           "settling_time_5", "steady_state_error"};
    for (int i = 0; i < kMetricCount; ++i)
        EXPECT_EQ(lines[std::size_t(i)].rfind(std::string("metric: ") + names[i] + " = ", 0), 0u) << lines[i];
    EXPECT_EQ(lines[4], "metric: peak_time = undefined");

    Metric m{MetricId::RiseTime, MetricStatus::Value, 2.1972245773362193828L};
    EXPECT_EQ(metricLine(m), "metric: rise_time = 2.1972245773362194");
    m = {MetricId::FinalValue, MetricStatus::NotSettled, 0, 0.5L};
    EXPECT_EQ(metricLine(m), "metric: final_value = not settled, last value 0.5");
    m = {MetricId::FinalValue, MetricStatus::Diverging, 0, -1e20L};
    EXPECT_EQ(metricLine(m), "metric: final_value = diverging, last value -1e+20");
    m = {MetricId::SettlingTime5, MetricStatus::NotSettled};
    EXPECT_EQ(metricLine(m), "metric: settling_time_5 = not settled");
}
