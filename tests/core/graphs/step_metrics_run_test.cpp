// Step-response metrics of curves that schemes drawn through the model produce in real
// runs of the driver, measured against the step level the scheme gives.
#include <gtest/gtest.h>

#include <cmath>

#include "core/blocks/block_run.h"
#include "core/blocks/recorders.h"
#include "core/graphs/run_note.h"
#include "core/graphs/step_metrics.h"
#include "core/numtext.h"

namespace velmar::testing {
namespace {

// A step (33) of level c through one link into a time-response recorder (62).
class LinkRun : public BlockRun {
public:
    LinkRun(int code, std::initializer_list<Extended> params, Extended c) {
        elements = chain({33, code, 62});
        set(*elements[0], 0, c);
        int i = 0;
        for (Extended p : params) set(*elements[1], i++, p);
    }
    StepMetrics metrics() const {
        const auto graph = recordedGraphOf(*elements[2], wb.run);
        EXPECT_TRUE(graph);
        return stepMetrics(graph->diagrams[0], describeRun(wb.scheme).stepLevel.value_or(1));
    }
    std::vector<Element*> elements;
};

Extended valueOf(const StepMetrics& m, MetricId id) {
    EXPECT_EQ(m[id].status, MetricStatus::Value) << metricName(id);
    return m[id].value;
}

// Backward Euler stretches a lag's time constant by about half a step.
constexpr Extended kEulerTolerance = 3e-3L;

TEST(StepMetricsOfRuns, AperiodicLinkMatchesTheFirstOrderLag) {
    LinkRun run(22, {1, 0.5L}, 1);
    ASSERT_TRUE(run.run(0.001L, 8)) << run.errorText();
    const StepMetrics m = run.metrics();
    // Sixteen time constants: e^-16 short of the limit.
    EXPECT_NEAR(valueOf(m, MetricId::FinalValue), 1, 2e-7L);
    EXPECT_NEAR(valueOf(m, MetricId::RiseTime), 0.5L * std::log(9.0L), kEulerTolerance);
    EXPECT_NEAR(valueOf(m, MetricId::SettlingTime2), 0.5L * std::log(50.0L), kEulerTolerance);
    EXPECT_EQ(valueOf(m, MetricId::Overshoot), 0);
    EXPECT_NEAR(valueOf(m, MetricId::SteadyStateError), 0, 2e-7L);
}

TEST(StepMetricsOfRuns, ARunStoppedEarlyIsNotSettled) {
    LinkRun run(22, {1, 0.5L}, 1);
    ASSERT_TRUE(run.run(0.001L, 0.6L)) << run.errorText();
    const StepMetrics m = run.metrics();
    EXPECT_EQ(m[MetricId::SettlingTime2].status, MetricStatus::NotSettled);
    EXPECT_EQ(m[MetricId::FinalValue].status, MetricStatus::NotSettled);
    const Curve c = run.curve(*run.elements[2]);
    EXPECT_EQ(*m[MetricId::FinalValue].lastValue, c.y.back());
}

TEST(StepMetricsOfRuns, OscillatoryLinkOvershootsAsItsDampingSays) {
    // k / (a s^2 + b s + 1) with wn = 2 and zeta = 0.5, under a step of level 2.
    const Extended wn = 2, zeta = 0.5L;
    LinkRun run(26, {1, 1 / (wn * wn), 2 * zeta / wn}, 2);
    ASSERT_TRUE(run.run(0.0025L, 12)) << run.errorText();
    const StepMetrics m = run.metrics();
    const Extended root = std::sqrt(1 - zeta * zeta);
    // The envelope has shrunk to 2 e^-12 by the end.
    EXPECT_NEAR(valueOf(m, MetricId::FinalValue), 2, 2e-5L);
    EXPECT_NEAR(valueOf(m, MetricId::SteadyStateError), 0, 2e-5L);  // against the step's level 2
    EXPECT_NEAR(valueOf(m, MetricId::Overshoot), std::exp(-kPi * zeta / root), 5e-3L);
    EXPECT_NEAR(valueOf(m, MetricId::PeakTime), kPi / (wn * root), 1e-2L);
}

TEST(StepMetricsOfRuns, AnUnstableLinkDiverges) {
    // A negative damping term: the oscillation grows by e^(0.1 t).
    LinkRun run(26, {1, 1, -0.2L}, 1);
    ASSERT_TRUE(run.run(0.02L, 60)) << run.errorText();
    for (const Metric& metric : run.metrics().items)
        EXPECT_EQ(metric.status, MetricStatus::Diverging) << metric.name();
}

}  // namespace
}  // namespace velmar::testing
