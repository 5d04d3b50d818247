#include "core/workbench/live_parameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/analysis/method_lists.h"
#include "core/analysis/reduction.h"
#include "core/blocks/analysis_block.h"
#include "core/blocks/recorders.h"
#include "core/grid/parameter_grid.h"
#include "core/model/scheme_file.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;

// The demo: step (1), subtraction (2), PI regulator (3, T), lag (4, K T), integrator (5,
// k), time recorder (6), analysis block (7).
class LiveDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path shm = fs::path(VELMAR_DATA_DIR) / "Schemes" / "demo.shm";
        LoadScheme(wb.scheme, shm.string(), labelsFileFor(shm.string()));
        ASSERT_TRUE(CompileScheme(wb));
    }
    ParamRec& param(int element, int index) {
        return wb.scheme.element(element).Params[static_cast<std::size_t>(index)];
    }
    std::vector<Real48> recordedY() const {
        const auto graph = recordedGraphOf(wb.scheme.element(6), wb.run);
        if (!graph) return {};
        const Diagram& d = graph->diagrams[0];
        return {d.y, d.y + d.count};
    }

    ScriptedHost host;
    Workbench wb{host};
};

TEST_F(LiveDemoTest, MarkedParametersAreListedByDialogRowAndWrittenThroughTheGrid) {
    param(4, 1).Varied = true;  // the lag's T
    param(3, 0).Varied = true;  // the regulator's T
    param(4, 2).Varied = true;  // the lag's "H y"
    const std::vector<LiveParameter> list = markedParameters(wb.scheme, NameSet::Russian);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].name(), "3:T");
    EXPECT_EQ(list[0].block, "ПИ-регулятор");
    EXPECT_EQ(list[1].name(), "4:T");
    EXPECT_EQ(list[2].name(), "4:H y");
    EXPECT_TRUE(list[1].value == param(4, 1).Value);

    // Each listed row reaches exactly its own parameter by the grid's path.
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Real48 value = 0.5L + static_cast<Extended>(i);
        ASSERT_TRUE(writeParameter(wb, {list[i].element, list[i].row}, value));
    }
    EXPECT_TRUE(param(3, 0).Value == Real48(0.5L));
    EXPECT_TRUE(param(4, 1).Value == Real48(1.5L));
    EXPECT_TRUE(param(4, 2).Value == Real48(2.5L));
    EXPECT_TRUE(param(4, 0).Value == Real48(1.0L));  // K untouched
}

TEST(LiveRange, StartsAroundTheValueAndMapsSliderPositions) {
    struct Case {
        Extended value, low, high;
    };
    for (const Case& c : {Case{2, 0, 4}, Case{-3, -6, 0}, Case{0, -1, 1}, Case{0.25L, 0, 0.5L}}) {
        const LiveRange r = rangeAround(c.value);
        EXPECT_EQ(r.low, c.low) << c.value;
        EXPECT_EQ(r.high, c.high) << c.value;
        EXPECT_EQ(sliderPosition(r, c.value), kSliderSteps / 2) << c.value;
        // The ends are met exactly, not by a sum that misses them.
        EXPECT_TRUE(sliderValue(r, 0) == Real48(r.low)) << c.value;
        EXPECT_TRUE(sliderValue(r, kSliderSteps) == Real48(r.high)) << c.value;
    }
    const LiveRange r{0, 4};
    EXPECT_EQ(sliderPosition(r, 5), kSliderSteps);  // outside: clamped
    EXPECT_EQ(sliderPosition(r, -1), 0);
    EXPECT_TRUE(sliderValue(r, kSliderSteps + 7) == Real48(4.0L));
    EXPECT_TRUE(sliderValue(r, 250) == Real48(1.0L));
    for (int p : {1, 333, 999}) EXPECT_EQ(sliderPosition(r, sliderValue(r, p)), p);
}

TEST(LiveRange, EditedRangesMustBeOrderedFiniteAndHoldTheValue) {
    EXPECT_TRUE(editedRange(0, 10, 3).has_value());
    EXPECT_TRUE(editedRange(3, 10, 3).has_value());  // the value may sit at an end
    EXPECT_FALSE(editedRange(5, 5, 5).has_value());
    EXPECT_FALSE(editedRange(10, 0, 3).has_value());
    EXPECT_FALSE(editedRange(4, 10, 3).has_value());
    EXPECT_FALSE(editedRange(0, INFINITY, 3).has_value());
    EXPECT_FALSE(editedRange(NAN, 10, 3).has_value());

    // A value set elsewhere keeps a range that holds it, and moves one that does not.
    const LiveRange kept = rangeFor({0, 10}, 7);
    EXPECT_EQ(kept.high, 10);
    const LiveRange moved = rangeFor({0, 10}, 30);
    EXPECT_EQ(moved.low, 0);
    EXPECT_EQ(moved.high, 60);
}

TEST(LiveChanges, CoalesceNewestPerParameterAndSupersedeARunInProgress) {
    LiveChanges changes;
    EXPECT_TRUE(changes.take().empty());
    EXPECT_FALSE(changes.running());

    EXPECT_FALSE(changes.offer({4, 2, 1.0L}));  // idle: nothing to stop
    EXPECT_FALSE(changes.offer({3, 1, 5.0L}));
    EXPECT_FALSE(changes.offer({4, 2, 2.0L}));  // the newer value replaces the first
    EXPECT_TRUE(changes.waitingFor(4, 2));
    std::vector<LiveChange> batch = changes.take();
    ASSERT_EQ(batch.size(), 2u);
    EXPECT_EQ(batch[0].element, 4);
    EXPECT_TRUE(batch[0].value == Real48(2.0L));
    EXPECT_EQ(batch[1].element, 3);
    EXPECT_TRUE(changes.running());
    EXPECT_FALSE(changes.waiting());

    // Offered while the batch runs: the run should stop, and only the newest runs next.
    EXPECT_TRUE(changes.offer({4, 2, 3.0L}));
    EXPECT_TRUE(changes.offer({4, 2, 4.0L}));
    batch = changes.take();
    ASSERT_EQ(batch.size(), 1u);
    EXPECT_TRUE(batch[0].value == Real48(4.0L));
    EXPECT_TRUE(changes.running());
    EXPECT_TRUE(changes.take().empty());  // nothing more: the runs are over
    EXPECT_FALSE(changes.running());

    changes.offer({1, 1, 1.0L});
    changes.drop();
    EXPECT_FALSE(changes.waiting());
    EXPECT_TRUE(changes.take().empty());
}

TEST(LiveChanges, RunsWaitForTheWindowUnlessItOnlyWaitsInTheViewer) {
    struct Case {
        bool busy;
        int depth;
        bool allowed;
    };
    for (const Case& c : {Case{false, 0, true}, Case{false, 1, true}, Case{true, 0, false},
                          Case{true, 1, true}, Case{true, 2, false}, Case{false, 2, false}})
        EXPECT_EQ(liveRunAllowed(c.busy, c.depth), c.allowed) << c.busy << " " << c.depth;
}

TEST_F(LiveDemoTest, ReRunAsksNothingAndGivesWhatAConfirmedRunGives) {
    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);  // the run dialog, confirmed
    const std::size_t asked = host.dialogs.size();
    const std::vector<Real48> first = recordedY();
    ASSERT_FALSE(first.empty());

    LiveRunResult again = runWithoutDialogs(wb);
    EXPECT_EQ(again.outcome, RunOutcome::Completed);
    EXPECT_EQ(host.dialogs.size(), asked);
    EXPECT_EQ(recordedY(), first);
    EXPECT_EQ(wb.host, &host);

    // The values last confirmed are the ones used: half the time, half the points.
    wb.settings.Time = 5.0L;
    EXPECT_EQ(runWithoutDialogs(wb).outcome, RunOutcome::Completed);
    EXPECT_EQ(wb.run.PointCount, 499);
    EXPECT_GT(host.thumbnails.size(), 0u);  // thumbnails still reach the window

    // Values the run cannot use and failures are reported in the result, not in a box.
    const std::size_t boxes = host.messages.size();
    wb.settings.Step = 6.0L;
    again = runWithoutDialogs(wb);
    EXPECT_EQ(again.outcome, RunOutcome::Cancelled);
    EXPECT_FALSE(again.problem.empty());
    wb.settings.Step = 0.01L;
    param(1, 0).Value = 1e16L;  // the step's level: beyond what a stable run reaches
    again = runWithoutDialogs(wb);
    EXPECT_EQ(again.outcome, RunOutcome::Failed);
    EXPECT_EQ(again.problem, kNotStable);
    EXPECT_EQ(host.messages.size(), boxes);
    EXPECT_EQ(host.dialogs.size(), asked);
}

TEST_F(LiveDemoTest, TheRecorderOnShowIsFoundByItsArrays) {
    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    const auto graph = recordedGraphOf(wb.scheme.element(6), wb.run);
    ASSERT_TRUE(graph);
    Diagrams shown;
    EXPECT_EQ(recorderOnShow(wb.scheme, wb.run, shown), 0);
    shown[3] = graph->diagrams[0];  // the viewer's fourth slot, say
    EXPECT_EQ(recorderOnShow(wb.scheme, wb.run, shown), 6);
    const std::vector<Real48> x(graph->diagrams[0].x, graph->diagrams[0].x + graph->diagrams[0].count);
    shown[3] = {x.data(), x.data(), static_cast<int>(x.size()), "copy"};
    EXPECT_EQ(recorderOnShow(wb.scheme, wb.run, shown), 0);
}

TEST_F(LiveDemoTest, TheCharacteristicOnShowFollowsTheScheme) {
    auto& block = dynamic_cast<AnalysisBlock&>(wb.scheme.element(7));
    block.Entry = 1;
    wb.analysis.lastBlock = 7;
    wb.analysis.running = MethodCode::Amplitude;
    wb.analysis.wBegin = 0.1L;
    wb.analysis.wEnd = 2.0L;
    wb.analysis.wStep = 0.1L;
    wb.analysis.workingFolder = fs::temp_directory_path() / "velmar-live-frequency";
    fs::create_directories(wb.analysis.workingFolder);

    param(4, 0).Value = 3.0L;  // the lag's gain, after the Solve operation began
    const auto shown = recomputeFrequency(wb, frequencyGraphKind(MethodCode::Amplitude));
    ASSERT_TRUE(shown);
    const ReductionResult r = reduceScheme(*wb.compiled, 7, 1);
    ASSERT_EQ(r.status, ReductionStatus::Reduced);
    const Curve expected =
        frequencyCharacteristic(FrequencySplit(r.w), MethodCode::Amplitude, {0.1L, 2.0L, 0.1L});
    EXPECT_EQ(shown->curve.x, expected.x);
    EXPECT_EQ(shown->curve.y, expected.y);
    EXPECT_EQ(shown->kind, 5);
    EXPECT_TRUE(block.W.A == r.w.A && block.W.B == r.w.B);  // the later methods see it too
    EXPECT_FALSE(host.lines.empty());                       // and the memos show it

    // Nothing to compute while no characteristic of the scheme is on show.
    EXPECT_FALSE(recomputeFrequency(wb, frequencyGraphKind(MethodCode::Phase)));
    wb.analysis.running = MethodCode::Routh;
    EXPECT_FALSE(recomputeFrequency(wb, 5));
    wb.analysis.running = MethodCode::Amplitude;
    block.Entry = 0;
    EXPECT_FALSE(recomputeFrequency(wb, 5));
    block.Entry = 1;
    wb.analysis.running.reset();
    EXPECT_FALSE(recomputeFrequency(wb, 5));
    fs::remove_all(wb.analysis.workingFolder);
}

}  // namespace
}  // namespace velmar
