#include "core/simulation/driver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/blocks/recorders.h"
#include "core/simulation/integrator.h"
#include "support/tolerances.h"
#include "support/workbench_fixture.h"

namespace velmar::testing {
namespace {

// Stands in for an amplifier (30): passes its input on and notes what the driver did.
class Probe : public Element {
public:
    using Element::Element;
    void InitRun(RunContext&) override { ++inits; }
    void Advance(RunContext& ctx) override {
        if (advances++ == 0) firstIndex = ctx.run.StepIndex;
        lastIndex = ctx.run.StepIndex;
        if (Input()) Output = Input()->Output;
    }
    void FinishRun(RunContext&) override { ++finishes; }
    void AllocateResults(RunContext& ctx) override {
        if (starved) ctx.run.OutOfMemory = true;
    }

    bool starved = false;
    int inits = 0, advances = 0, finishes = 0;
    std::int32_t firstIndex = -1, lastIndex = -1;
};

// Counts the progress texts a run sends.
class ProgressHost : public ScriptedHost {
public:
    void progress(const ProgressInfo& info) override {
        if (info.texts) ++texts;
        lastFilled = info.filled;
    }
    int texts = 0;
    int lastFilled = 0;
};

class Driver : public WorkbenchTest {
protected:
    Driver() {
        wb.scheme.elementFactory = [](std::uint8_t code) -> std::unique_ptr<Element> {
            if (code != 30) return CreateTestElement(code);
            auto probe = std::make_unique<Probe>(code);
            probe->SetDefaults();
            return probe;
        };
    }

    // source -> probe -> time recorder, compiled.
    Probe& drawChain() {
        Element& src = draw.block(33, 5, 5);
        Element& probe = draw.block(30, 15, 5);
        recorder = &static_cast<TimeRecorder&>(draw.block(62, 25, 5));
        draw.connect(src, probe);
        draw.connect(probe, *recorder);
        compile();
        return static_cast<Probe&>(probe);
    }

    void answer(const std::string& label, const std::string& value) { host.setAnswer(label, value); }

    TimeRecorder* recorder = nullptr;
};

struct PointCase {
    const char* time;
    const char* step;
    std::int32_t points;
};

class ConstantStepPoints : public Driver, public ::testing::WithParamInterface<PointCase> {};

// Every point is stepped, also when more than 5000 share the recorders' samples.
TEST_P(ConstantStepPoints, CountFromStoredValuesAndEveryPointStepped) {
    Probe& probe = drawChain();
    answer("Time", GetParam().time);
    answer("Step", GetParam().step);
    EXPECT_EQ(RunSimulation(wb), RunOutcome::Completed);
    EXPECT_EQ(wb.run.PointCount, GetParam().points);
    EXPECT_EQ(probe.firstIndex, 0);
    EXPECT_EQ(probe.lastIndex, GetParam().points - 1);
    EXPECT_EQ(probe.advances, GetParam().points);
    EXPECT_EQ(probe.inits, 1);
    EXPECT_EQ(probe.finishes, 1);
    EXPECT_TRUE(wb.run.ResultsAllocated);
}

INSTANTIATE_TEST_SUITE_P(Driver, ConstantStepPoints,
                         ::testing::Values(PointCase{"10", "0.01", 999},  // 10 / 0.010000000000005116
                                           PointCase{"100", "0.01", 9999},
                                           PointCase{"100", "0.015625", 6400},  // exact in 6 bytes
                                           PointCase{"4999", "1", 4999}));

TEST_F(Driver, RunDialogAsksStepAndTimeThenTimeAndEps) {
    drawChain();
    RunSimulation(wb);
    wb.settings.VariableStep = 1;
    RunSimulation(wb);
    ASSERT_GE(host.dialogs.size(), 2u);
    const auto labels = [](const ScriptedHost::Dialog& d) {
        std::vector<std::string> out;
        for (const ValueRow& r : d.rows) out.push_back(r.name());
        return out;
    };
    EXPECT_EQ(labels(host.dialogs[0]), (std::vector<std::string>{"Step", "Time"}));
    EXPECT_EQ(labels(host.dialogs[1]), (std::vector<std::string>{"Time", "Eps"}));
}

TEST_F(Driver, ValuesThatCannotRunAreRefused) {
    Probe& probe = drawChain();
    // Steps that leave fewer than two points, or more than the point counter holds.
    for (const char* step : {"0", "-1", "6", "1e-30", "1e400"}) {
        answer("Step", step);
        EXPECT_EQ(RunSimulation(wb), RunOutcome::Cancelled) << step;
    }
    wb.settings.VariableStep = 1;
    answer("Time", "-10");
    EXPECT_EQ(RunSimulation(wb), RunOutcome::Cancelled);
    EXPECT_EQ(probe.advances, 0);
    // The system's message, and a second line saying which value was wrong; a step no
    // stored value holds is refused by the dialog itself.
    const std::string refused = "Неверные входные параметры \n";
    EXPECT_EQ(host.messagesOf(Box::Error),
              (std::vector<std::string>{refused + "Step must be above 0", refused + "Step must be above 0",
                                        refused + "Time / Step must be at least 2",
                                        refused + "Time / Step must be below 2147483647",
                                        "Floating point overflow: \"1e400\" (Step)",
                                        refused + "Time must be above 0"}));
}

TEST_F(Driver, SolveNeedsACompiledScheme) {
    EXPECT_EQ(RunSimulation(wb), RunOutcome::Cancelled);
    EXPECT_EQ(host.messagesOf(Box::Plain), (std::vector<std::string>{"Solve in Run Regime only !"}));
}

TEST_F(Driver, PositiveFeedbackIsNotStable) {
    Element& src = draw.block(33, 5, 10);
    Element& node = draw.node(17, 12, 11);
    Element& integrator = draw.block(27, 16, 10);
    Element& rec = draw.block(62, 26, 10);
    draw.connect(src, node);
    draw.connect(node, integrator);
    draw.connect(integrator, rec);
    draw.wire({{22, 11}, {22, 15}, {12, 15}, {12, 12}});
    integrator.Params[0].Value = 10.0L;
    compile();
    EXPECT_EQ(RunSimulation(wb), RunOutcome::Failed);
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{"Process is not stable"}));
    EXPECT_FALSE(wb.run.ResultsAllocated);
    rec.EditParameters(wb);
    EXPECT_TRUE(host.graphs.empty());
    EXPECT_TRUE(host.thumbnails.empty());
}

TEST_F(Driver, EscStopsTheConstantStepRunAndKeepsItsResults) {
    Probe& probe = drawChain();
    host.keys = {65, 27};  // another key first: dropped
    EXPECT_EQ(RunSimulation(wb), RunOutcome::Completed);
    EXPECT_LT(probe.advances, 20);  // stopped at the first whole percent
    EXPECT_FALSE(wb.run.UserStop);
    EXPECT_TRUE(wb.run.ResultsAllocated);
    EXPECT_EQ(host.thumbnails.size(), 1u);
}

TEST_F(Driver, EscAbortsTheVariableStepRun) {
    Element& src = draw.block(33, 5, 5);
    Element& integrator = draw.block(27, 15, 5);
    draw.connect(src, integrator);
    compile();
    wb.settings.VariableStep = 1;
    host.keys = {27};
    EXPECT_EQ(RunSimulation(wb), RunOutcome::Failed);
    EXPECT_EQ(wb.run.RunError, RunStatus::UserAbort);
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{"Прервано пользователем "}));
    EXPECT_FALSE(wb.run.ResultsAllocated);
    EXPECT_NE(wb.compiled, nullptr);  // back in Run, compiled afresh
}

TEST_F(Driver, OutOfMemoryAsksAgainAndReleasesEverything) {
    Probe& probe = drawChain();
    probe.starved = true;
    EXPECT_EQ(RunSimulation(wb), RunOutcome::Cancelled);
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{" Not enough memory"}));
    EXPECT_EQ(host.dialogs.size(), 2u);  // asked again; the scripted host cancels the repeat
    EXPECT_FALSE(host.dialogs[1].confirmed);
    EXPECT_EQ(probe.advances, 0);
    EXPECT_FALSE(wb.run.ResultsAllocated);
    EXPECT_FALSE(wb.run.OutOfMemory);
    EXPECT_FALSE(recorder->hasResults());
}

TEST_F(Driver, MathFaultEndsTheRunCleanly) {
    for (int variable : {0, 1}) {
        Workbench bench(host);
        UseTestElements(bench.scheme);
        SchemeBuilder d(bench.scheme);
        Element& src = d.block(33, 5, 5);
        Element& link = d.block(22, 15, 5);  // aperiodic, T = 0
        Element& rec = d.block(62, 25, 5);
        d.connect(src, link);
        d.connect(link, rec);
        link.Params[1].Value = 0.0L;
        ASSERT_TRUE(CompileScheme(bench));
        bench.settings.VariableStep = static_cast<std::uint8_t>(variable);
        host.messages.clear();
        EXPECT_EQ(RunSimulation(bench), RunOutcome::Failed);
        EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{"Floating point division by zero"}))
            << variable;
        EXPECT_FALSE(bench.run.ResultsAllocated);
        EXPECT_FALSE(static_cast<Recorder&>(rec).hasResults());
    }
}

TEST_F(Driver, ProgressTextsAtMostOncePerPercent) {
    ProgressHost counting;
    Workbench bench(counting);
    UseTestElements(bench.scheme);
    SchemeBuilder d(bench.scheme);
    d.connect(d.block(33, 5, 5), d.block(62, 15, 5));
    ASSERT_TRUE(CompileScheme(bench));
    counting.setAnswer("Time", "100");
    RunSimulation(bench);
    EXPECT_GE(counting.texts, 100);
    EXPECT_LE(counting.texts, 101);

    counting.texts = 0;
    bench.settings.TimeOfProgress = false;
    counting.setAnswer("Time", "50");  // the scripted host cancels a repeated dialog
    ASSERT_EQ(RunSimulation(bench), RunOutcome::Completed);
    EXPECT_EQ(counting.texts, 1);  // only the regime name at the end
}

TEST_F(Driver, VariableStepDefaults) {
    Element& src = draw.block(33, 5, 5);
    Element& integrator = draw.block(27, 15, 5);
    auto& rec = static_cast<TimeRecorder&>(draw.block(62, 25, 5));
    draw.connect(src, integrator);
    draw.connect(integrator, rec);
    compile();
    wb.settings.VariableStep = 1;
    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    EXPECT_EQ(wb.run.PointCount, 214);
    EXPECT_EQ(wb.run.StepIndex, 214);  // one output point per sample 0..213
    EXPECT_EQ(wb.settings.Step, Real48(10.0L / 213));
    // The integral of 1 is t: each sample holds the value at the time it is stamped with.
    const Diagram d = rec.diagrams()[0];
    ASSERT_EQ(d.count, 213);
    for (int k = 0; k < d.count; ++k) {
        EXPECT_EQ(d.x[k], Real48(k * wb.settings.Step.get())) << k;
        EXPECT_NEAR(d.y[k], d.x[k], kSummedTolerance) << k;
    }
}

TEST_F(Driver, VariableStepNeedsOneToFiftyStates) {
    struct Case {
        int integrators;
        bool ok;
    };
    for (Case c : {Case{0, false}, Case{1, true}, Case{50, true}, Case{51, false}}) {
        ScriptedHost host;
        Workbench bench(host);
        UseTestElements(bench.scheme);
        SchemeBuilder d(bench.scheme);
        d.block(33, 2, 2);
        for (int k = 0; k < c.integrators; ++k) d.block(27, 2 + 6 * (k % 14), 7 + 5 * (k / 14));
        ASSERT_TRUE(CompileScheme(bench));
        bench.settings.VariableStep = 1;
        EXPECT_EQ(RunSimulation(bench), c.ok ? RunOutcome::Completed : RunOutcome::Failed) << c.integrators;
        if (!c.ok)
            EXPECT_EQ(host.messagesOf(Box::Error),
                      (std::vector<std::string>{std::string("Неверные входные параметры \n") +
                                                (c.integrators == 0
                                                     ? "the scheme has no element with states to integrate"
                                                     : "the scheme has more than 50 states")}));
    }
}

}  // namespace
}  // namespace velmar::testing
