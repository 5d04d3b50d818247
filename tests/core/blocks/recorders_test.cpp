#include "core/blocks/recorders.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/simulation/driver.h"
#include "support/tolerances.h"
#include "support/workbench_fixture.h"

namespace velmar::testing {
namespace {

// A ramp stored as 6-byte reals near 20 moves in steps rounded to 40 bits: a backward
// difference over h = 0.01 is off by up to about 20·2^-39 / 0.01 ≈ 4e-9.
constexpr Extended kRateTolerance = 1e-8L;

class Recorders : public WorkbenchTest {
protected:
    // A step source of value c feeding an integrator with gain k: a ramp k·c·t.
    Element& ramp(int col, int row, Extended c, Extended k) {
        Element& src = draw.block(33, col, row);
        Element& integrator = draw.block(27, col + 8, row);
        src.Params[0].Value = c;
        integrator.Params[0].Value = k;
        draw.connect(src, integrator);
        return integrator;
    }

    void run(const char* time, const char* step) {
        host.setAnswer("Time", time);
        host.setAnswer("Step", step);
        ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    }

    static Extended at(const Real48* a, int k) { return a[k]; }
};

TEST_F(Recorders, TimeRecorderHandsOverSamplesUpToTheLastButOne) {
    Element& src = draw.block(33, 5, 5);
    auto& rec = static_cast<TimeRecorder&>(draw.block(62, 15, 5));
    draw.connect(src, rec);
    rec.EditParameters(wb);  // before any run: nothing to show
    EXPECT_TRUE(host.graphs.empty());
    compile();
    run("1", "0.01");
    ASSERT_EQ(wb.run.PointCount, 99);
    rec.EditParameters(wb);
    ASSERT_EQ(host.graphs.size(), 1u);
    const ScriptedHost::Graph& g = host.graphs[0];
    EXPECT_EQ(g.kind, 1);
    ASSERT_EQ(g.curves.size(), 1u);  // channels 2 and 3 are not connected
    EXPECT_EQ(g.curves[0].slot, 1);
    EXPECT_EQ(g.curves[0].name, "Number:" + std::to_string(src.Number));
    ASSERT_EQ(g.curves[0].x.size(), 98u);
    for (int k = 0; k < 98; ++k) {
        EXPECT_EQ(g.curves[0].x[static_cast<size_t>(k)], Real48(k * wb.settings.Step.get()).get()) << k;
        EXPECT_EQ(g.curves[0].y[static_cast<size_t>(k)], 1) << k;
    }
}

// A run stopped with Esc hands over only the points it computed: none of the samples
// never reached (still zero) joins the curve, on either side of the sampling.
TEST_F(Recorders, ARunStoppedWithEscHandsOverOnlyThePointsComputed) {
    for (const char* step : {"0.01", "0.0001"}) {
        SCOPED_TRACE(step);
        ScriptedHost fresh;
        wb.host = &fresh;
        wb.scheme.NewScheme();
        Element& integrator = ramp(5, 5, 1, 1);
        auto& rec = static_cast<TimeRecorder&>(draw.block(62, 21, 5));
        draw.connect(integrator, rec);
        compile();
        fresh.setAnswer("Time", "10");
        fresh.setAnswer("Step", step);
        fresh.keys = {27};
        ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
        rec.EditParameters(wb);
        ASSERT_EQ(fresh.graphs.size(), 1u);
        const auto& curve = fresh.graphs[0].curves.at(0);
        ASSERT_GE(curve.x.size(), 2u);
        EXPECT_LT(curve.x.size(), 1000u);
        for (size_t k = 1; k < curve.x.size(); ++k) {
            EXPECT_GT(curve.x[k], curve.x[k - 1]) << k;
            EXPECT_GT(curve.y[k], 0) << k;
        }
        ASSERT_EQ(fresh.thumbnails.size(), 1u);
        for (const auto& line : fresh.thumbnails[0].curves) EXPECT_LE(line.size(), curve.x.size() + 1);
    }
    wb.host = &host;
}

TEST_F(Recorders, ManyPointsShareSamplesAndTheLastWriteWins) {
    Element& r = ramp(5, 5, 1, 1);
    auto& rec = static_cast<TimeRecorder&>(draw.block(62, 25, 5));
    draw.connect(r, rec);
    compile();
    run("156.25", "0.0078125");  // both exact: 20000 points
    ASSERT_EQ(wb.run.PointCount, 20000);
    const Diagram d = rec.diagrams()[0];
    ASSERT_EQ(d.count, 4999);
    // sample k is last written by point 4k + 3
    const Extended h = wb.settings.Step;
    for (int k = 0; k < d.count; ++k) EXPECT_EQ(at(d.x, k), (4 * k + 3) * h) << k;
}

// Several points share a sample: its time and its value come from the same point, so
// a lag (K 1, T 2) meets its exact response 1 - e^(-t/2) at every recorded time, to
// within the backward-Euler rule's own error and one step.
TEST_F(Recorders, SharedSamplesKeepTheTimeOfTheirValue) {
    Element& src = draw.block(33, 5, 5);
    Element& lag = draw.block(22, 13, 5);
    auto& rec = static_cast<TimeRecorder&>(draw.block(62, 21, 5));
    lag.Params[0].Value = 1;  // K
    lag.Params[1].Value = 2;  // T
    draw.connect(src, lag);
    draw.connect(lag, rec);
    compile();
    for (const char* step : {"0.0001", "0.00001"}) {
        run("4", step);
        ASSERT_GT(wb.run.PointCount, 5000) << step;
        const Diagram d = rec.diagrams()[0];
        const Extended h = wb.settings.Step;
        for (int k = 0; k < d.count; ++k)
            ASSERT_NEAR(at(d.y, k), 1 - std::exp(-at(d.x, k) / 2), h) << step << " at t = " << at(d.x, k);
    }
}

TEST_F(Recorders, PhasePlaneOfARampHasItsSlopeEverywhere) {
    for (int variable : {0, 1}) {
        ScriptedHost host;
        Workbench bench(host);
        UseTestElements(bench.scheme);
        SchemeBuilder d(bench.scheme);
        Element& src = d.block(33, 5, 5);
        Element& integrator = d.block(27, 13, 5);
        integrator.Params[0].Value = 2.0L;
        auto& rec = static_cast<PhaseRecorder&>(d.block(63, 21, 5));
        d.connect(src, integrator);
        d.connect(integrator, rec);
        ASSERT_TRUE(CompileScheme(bench));
        bench.settings.VariableStep = static_cast<std::uint8_t>(variable);
        ASSERT_EQ(RunSimulation(bench), RunOutcome::Completed);
        rec.EditParameters(bench);
        ASSERT_EQ(host.graphs.size(), 1u);
        const ScriptedHost::Graph& g = host.graphs[0];
        EXPECT_EQ(g.kind, 2);
        EXPECT_EQ(g.curves[0].name, "Number : " + std::to_string(rec.Number));
        const auto& level = g.curves[0].x;
        const auto& rate = g.curves[0].y;
        ASSERT_EQ(rate.size(), static_cast<size_t>(bench.run.PointCount - 1));
        for (size_t k = 0; k < rate.size(); ++k)
            EXPECT_NEAR(rate[k], 2, kRateTolerance) << variable << " " << k;
        // Level lags one point; the first sample repeats the second.
        EXPECT_EQ(level[0], level[1]);
        const Extended h = bench.settings.Step;
        for (size_t k = 2; k < level.size(); ++k)
            EXPECT_NEAR(level[k] - level[k - 1], 2 * h, kSummedTolerance) << k;
    }
}

TEST_F(Recorders, TwoSeriesPlotsOrdinaryFeedersAgainstSelector54) {
    Element& y = ramp(5, 5, 1, 3);
    Element& x = ramp(5, 15, 1, 1);
    Element& selector = draw.block(54, 21, 15);
    Element& series = draw.block(61, 40, 10);
    draw.connect(x, selector);
    draw.wire({{16, 6}, {30, 6}, {30, 10}, {39, 10}});
    draw.wire({{24, 16}, {32, 16}, {32, 12}, {39, 12}});
    compile();
    run("1", "0.01");
    series.EditParameters(wb);
    ASSERT_EQ(host.graphs.size(), 1u);
    const ScriptedHost::Graph& g = host.graphs[0];
    EXPECT_EQ(g.kind, 2);
    ASSERT_EQ(g.curves.size(), 1u);
    EXPECT_EQ(g.curves[0].name, "Number : " + std::to_string(series.Number));
    for (size_t k = 0; k < g.curves[0].x.size(); ++k)
        EXPECT_NEAR(g.curves[0].y[k], 3 * g.curves[0].x[k], kSummedTolerance) << k;
    (void)y;
}

TEST_F(Recorders, ThumbnailPlacesAxesWhereZeroFalls) {
    struct Case {
        const char* value;
        int axisRow;  // the horizontal axis: at the bottom for positive data, the top for negative
        int curveRow;
    };
    for (Case c : {Case{"1", 31, 16}, Case{"-1", 1, 16}, Case{"0", 31, 31}}) {
        ScriptedHost host;
        Workbench bench(host);
        UseTestElements(bench.scheme);
        SchemeBuilder d(bench.scheme);
        Element& src = d.block(33, 5, 5);
        Element& rec = d.block(62, 15, 5);
        d.connect(src, rec);
        host.setAnswer("C", c.value);
        src.EditParameters(bench);
        ASSERT_TRUE(CompileScheme(bench));
        host.setAnswer("Time", "1");
        ASSERT_EQ(RunSimulation(bench), RunOutcome::Completed);
        ASSERT_EQ(host.thumbnails.size(), 1u);
        const Thumbnail& t = host.thumbnails[0];
        EXPECT_EQ(t.col, rec.Col);
        EXPECT_EQ(t.row, rec.Row);
        ASSERT_EQ(t.axes.size(), 2u);
        EXPECT_EQ(t.axes[0].y1, c.axisRow) << c.value;  // time axis
        EXPECT_EQ(t.axes[1].x1, 2) << c.value;          // value axis at time 0, the left edge
        ASSERT_EQ(t.curves.size(), 1u);
        // From time 0 at the left to the last time at the right edge, at the value's height.
        const auto& curve = t.curves[0];
        ASSERT_FALSE(curve.empty());
        EXPECT_EQ(curve.front(), std::make_pair(2, c.curveRow)) << c.value;
        EXPECT_EQ(curve.back(), std::make_pair(60, c.curveRow)) << c.value;
    }
}

}  // namespace
}  // namespace velmar::testing
