// Structural blocks run in drawn schemes: step sources feed them through real wires.
#include <gtest/gtest.h>

#include <optional>

#include "core/blocks/recorders.h"
#include "core/blocks/regime_block.h"
#include "core/model/run_context.h"
#include "core/simulation/driver.h"
#include "support/workbench_fixture.h"

namespace velmar::testing {
namespace {

// A sum kept as a 6-byte real rounds at each of its 999 stores by at most half a unit in
// the 40th bit: within 999 · 2^-40 of the sum, relatively.
constexpr Extended kStoredSumTolerance = 1e-9L;

// One feeder of a rig: a step source of `value`, passed through selector `selector`
// (0: the source feeds the block directly).
struct Feed {
    int selector;
    Extended value;
};

class Structural : public WorkbenchTest {
protected:
    Element& source(int col, int row, Extended value) {
        Element& s = draw.block(33, col, row);
        s.Params[0].Value = value;
        return s;
    }

    // A node at (20, 20) fed from the left, from above and from below (no feeder where a
    // value is missing), its output recorded.
    Element& node(int code, std::optional<Extended> left, std::optional<Extended> above,
                  std::optional<Extended> below) {
        Element& n = draw.node(code, 20, 20);
        if (left) {
            source(10, 19, *left);
            draw.wire({{13, 20}, {19, 20}});
        }
        if (above) {
            source(10, 10, *above);
            draw.wire({{13, 11}, {20, 11}, {20, 19}});
        }
        if (below) {
            source(10, 28, *below);
            draw.wire({{13, 29}, {20, 29}, {20, 21}});
        }
        draw.connect(n, draw.block(62, 25, 19));
        return n;
    }

    // A block at (40, 14) with up to four feeders coming in on its top side and on the
    // three cells of its left side; its output goes to a time recorder.
    Element& rig(int code, const std::vector<Feed>& feeds) {
        Element& target = draw.block(code, 40, 14);
        static const std::vector<std::vector<Cell>> routes = {
            {{13, 3}, {41, 3}, {41, 13}},
            {{13, 8}, {32, 8}, {32, 14}, {39, 14}},
            {{13, 13}, {34, 13}, {34, 15}, {39, 15}},
            {{13, 18}, {36, 18}, {36, 16}, {39, 16}},
        };
        for (std::size_t k = 0; k < feeds.size(); ++k) {
            const int row = 2 + 5 * static_cast<int>(k);
            if (feeds[k].selector == 0) {
                source(10, row, feeds[k].value);
            } else {
                Element& s = source(2, row, feeds[k].value);
                draw.connect(s, draw.block(feeds[k].selector, 10, row));
            }
            draw.wire(routes[k]);
        }
        recorder = &static_cast<TimeRecorder&>(draw.block(62, 46, 14));
        draw.connect(target, *recorder);
        return target;
    }

    void run(const char* time = "10") {
        compile();
        host.setAnswer("Time", time);
        ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    }

    TimeRecorder* recorder = nullptr;
};

struct NodeCase {
    int code;
    std::optional<Extended> left, above, below;
    Extended expected;
};

class Nodes : public Structural, public ::testing::WithParamInterface<NodeCase> {};

TEST_P(Nodes, CombineTheirConnectedInputs) {
    const NodeCase& c = GetParam();
    Element& n = node(c.code, c.left, c.above, c.below);
    run();
    EXPECT_EQ(n.Output.get(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Structural, Nodes,
                         ::testing::Values(NodeCase{17, 1, 2, 3, 6},
                                           NodeCase{18, 1, 2, 5, -2},  // subtracts what enters from below
                                           NodeCase{19, 1, 5, 2, -2},  // from above
                                           NodeCase{20, 5, 1, 2, 2},   // from above and below
                                           NodeCase{18, 4, {}, {}, 4},
                                           NodeCase{21, 3, {}, {}, 9},  // one input is squared
                                           NodeCase{21, 2, 3, {}, 6}, NodeCase{21, 2, 3, 4, 24},
                                           NodeCase{21, {}, {}, {}, 0}, NodeCase{17, {}, {}, {}, 0}));

struct PortCase {
    const char* what;
    int code;
    std::vector<Feed> feeds;
    Extended expected;
};

class Ports : public Structural, public ::testing::WithParamInterface<PortCase> {};

TEST_P(Ports, RouteBySelector) {
    const PortCase& c = GetParam();
    Element& block = rig(c.code, c.feeds);
    run("1");
    EXPECT_EQ(block.Output.get(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Structural, Ports,
    ::testing::Values(
        PortCase{"inverter", 32, {{0, 3}}, -3}, PortCase{"selector passes through", 57, {{0, 3}}, 3},
        PortCase{"closed contact, selector off", 52, {{0, 5}, {54, 0}}, 5},
        PortCase{"closed contact opens", 52, {{0, 5}, {54, 1}}, 0},
        PortCase{"closed contact, any selector", 52, {{0, 5}, {54, 0}, {57, -2}}, 0},
        PortCase{"open contact, selector off", 53, {{0, 5}, {54, 0}}, 0},
        PortCase{"open contact closes", 53, {{0, 5}, {56, 1}}, 5},
        PortCase{"commutator I, control >= 0", 125, {{0, 0}, {54, 7}, {55, 9}}, 7},
        PortCase{"commutator I, control < 0", 125, {{0, -1}, {54, 7}, {55, 9}}, 9},
        PortCase{"commutator II, control 0", 126, {{0, 0}, {54, 7}, {55, 9}}, 7},
        PortCase{"commutator II, control on", 126, {{0, 2}, {54, 7}, {55, 9}}, 9},
        PortCase{"multiplexer, address 2", 136, {{0, 1}, {54, 3}, {56, 7}, {59, 1}}, 7},
        PortCase{"multiplexer, address 0", 136, {{0, 1}, {54, 3}, {56, 7}, {59, 0}}, 3},
        PortCase{"multiplexer, address 1", 136, {{0, 1}, {54, 3}, {55, 5}, {58, 1}}, 5},
        PortCase{"multiplexer, strobe 0", 136, {{0, 0}, {54, 3}, {56, 7}, {59, 1}}, 0},
        PortCase{
            "multiplexer keeps y on a non-logical address", 136, {{0, 1}, {54, 3}, {56, 7}, {59, 0.5}}, 0}));

TEST_F(Structural, CommutatorFlipsWhenTheStoredStepsReachT) {
    Element& commutator = rig(81, {});
    commutator.Params[0].Value = 2.0L;
    commutator.Params[1].Value = 0.1L;
    run("1");
    const Diagram d = recorder->diagrams()[0];
    ASSERT_GE(d.count, 29);
    for (int k = 0; k < 29; ++k) EXPECT_EQ(d.y[k].get(), k < 9 || k >= 19 ? 2 : -2) << k;
}

struct CriterionCase {
    Criterion criterion;
    Extended expected;
};

class Criteria : public Structural, public ::testing::WithParamInterface<CriterionCase> {};

TEST_P(Criteria, AccumulateOverTheRun) {
    // The criterion block watches a ramp: the integral of a step of 1, h·(n + 1) at point n.
    Element& src = source(5, 5, 1);
    Element& integrator = draw.block(27, 13, 5);
    Element& block = draw.block(47, 21, 5);
    draw.connect(src, integrator);
    draw.connect(integrator, block);
    wb.criterion = GetParam().criterion;
    run();
    EXPECT_NEAR(block.Output, GetParam().expected, kStoredSumTolerance * GetParam().expected);
}

// 999 points of h = 0.010000000000005116: the ramp ends at 999 h, its last rise is at
// point 998; the integral of its square is h^3 · (1² + ... + 999²).
constexpr Extended kH = 0.010000000000005116L;
INSTANTIATE_TEST_SUITE_P(
    Structural, Criteria,
    ::testing::Values(CriterionCase{Criterion::IntegralE2, 0}, CriterionCase{Criterion::Maximum, 999 * kH},
                      CriterionCase{Criterion::T1Max, 998 * kH},
                      CriterionCase{Criterion::IntegralX2, kH* kH* kH * 999 * 1000 * 1999 / 6}));

// Answers the regime dialogs per tuned parameter (by the name ending the caption).
class RegimeHost : public ScriptedHost {
public:
    std::map<std::string, std::map<std::string, std::string>> perParameter;
    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override {
        for (const auto& [name, answers] : perParameter)
            if (caption.ends_with(": " + name))
                for (const auto& [label, value] : answers) setAnswer(label, value);
        return ScriptedHost::askValues(caption, rows, check);
    }
};

class Regime : public ::testing::Test {
protected:
    Regime() { UseTestElements(wb.scheme); }

    // A step of 1 through two amplifiers, each recorded; both gains marked for tuning.
    void drawScheme() {
        Element& src = draw.block(33, 5, 10);
        first = &draw.block(30, 15, 5);
        second = &draw.block(30, 15, 15);
        regime = &static_cast<RegimeBlock&>(draw.block(78, 5, 25));
        draw.wire({{8, 11}, {11, 11}, {11, 6}, {14, 6}});
        draw.wire({{11, 11}, {11, 16}, {14, 16}});
        draw.connect(*first, draw.block(62, 25, 5));
        draw.connect(*second, draw.block(62, 25, 15));
        first->Params[0].Varied = second->Params[0].Varied = true;
        (void)src;
    }

    std::vector<Extended> recorded(const Element& amplifier) {
        const auto* rec = static_cast<const TimeRecorder*>(
            amplifier.Number == first->Number ? wb.scheme.ElementAt(25, 5) : wb.scheme.ElementAt(25, 15));
        const Diagram d = rec->diagrams()[0];
        return std::vector<Extended>(d.y, d.y + d.count);
    }

    RegimeHost host;
    Workbench wb{host};
    SchemeBuilder draw{wb.scheme};
    Element* first = nullptr;
    Element* second = nullptr;
    RegimeBlock* regime = nullptr;
};

TEST_F(Regime, EachParameterFollowsItsOwnIntervals) {
    drawScheme();
    const std::string k1 = "k" + std::to_string(first->Number), k2 = "k" + std::to_string(second->Number);
    host.perParameter[k1] = {{"Intervals", "2"}, {"t1", "0"}, {"t1<t<t2", "1"}, {"t2", "0.5"}, {">t2", "3"}};
    host.perParameter[k2] = {{"Intervals", "3"}, {"t1", "0"},    {"t1<t<t2", "2"}, {"t2", "0.25"},
                             {"t2<t<t3", "4"},   {"t3", "0.75"}, {">t3", "5"}};
    ASSERT_TRUE(CompileScheme(wb));
    regime->EditParameters(wb);
    ASSERT_EQ(regime->schedules().size(), 2u);
    EXPECT_EQ(regime->schedules()[0].name, k1);
    EXPECT_EQ(regime->schedules()[1].points.size(), 3u);

    host.setAnswer("Time", "1");
    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    // Sample n holds time point n; the block's own time reaches (n + 1)·h there.
    const std::vector<Extended> y1 = recorded(*first), y2 = recorded(*second);
    EXPECT_EQ(y1[10], 1);
    EXPECT_EQ(y1[60], 3);
    EXPECT_EQ(y2[10], 2);
    EXPECT_EQ(y2[50], 4);
    EXPECT_EQ(y2[90], 5);
    // The next run starts each gain again from its value before the table.
    EXPECT_EQ(first->param(0), 3);
    host.setAnswer("Time", "0.5");
    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    EXPECT_EQ(recorded(*first)[0], 1);
}

TEST_F(Regime, VariableStepSwitchesAtTheScheduledTimes) {
    drawScheme();
    draw.connect(draw.block(33, 5, 30), draw.block(27, 15, 30));  // a state to integrate
    const std::string k1 = "k" + std::to_string(first->Number), k2 = "k" + std::to_string(second->Number);
    host.perParameter[k1] = {{"Intervals", "2"}, {"t1", "0"}, {"t1<t<t2", "1"}, {"t2", "0.5"}, {">t2", "3"}};
    host.perParameter[k2] = {{"Intervals", "1"}, {"t1", "0"}, {">t1", "2"}};
    ASSERT_TRUE(CompileScheme(wb));
    regime->EditParameters(wb);
    wb.settings.VariableStep = 1;
    host.setAnswer("Time", "1");
    host.setAnswer("Eps", "0.01");
    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    // The gain follows the time of each output point, however often the integrator
    // evaluated the scheme before it.
    const std::vector<Extended> y1 = recorded(*first);
    const Extended h = wb.settings.Step;
    for (std::size_t n = 1; n < y1.size(); ++n) EXPECT_EQ(y1[n], n * h < 0.5L ? 1 : 3) << n;
    EXPECT_EQ(recorded(*second).back(), 2);
}

TEST_F(Regime, NoTunedParameterIsAskedFor) {
    regime = &static_cast<RegimeBlock&>(draw.block(78, 5, 5));
    ASSERT_TRUE(CompileScheme(wb));
    regime->EditParameters(wb);
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{" Какой параметр? "}));
    EXPECT_TRUE(regime->schedules().empty());
}

TEST_F(Regime, DeletedBlockDropsOutOfTheTable) {
    drawScheme();
    host.setAnswer("Intervals", "1");
    host.setAnswer(">t1", "7");
    ASSERT_TRUE(CompileScheme(wb));
    regime->EditParameters(wb);
    ASSERT_EQ(regime->schedules().size(), 2u);
    ReleaseCompiled(wb);
    Element& inverter = draw.block(32, first->Col, first->Row);  // in place of the first amplifier
    ASSERT_TRUE(CompileScheme(wb));
    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    EXPECT_EQ(inverter.Output.get(), -1);
    EXPECT_EQ(second->Output.get(), 7);
}

}  // namespace
}  // namespace velmar::testing
