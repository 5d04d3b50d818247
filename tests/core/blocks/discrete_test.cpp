// Sampling blocks, the trigger, the digital regulator, the pulse counter, the logic
// gates and the flip-flops, run in a scheme.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "core/blocks/signal_bench.h"

namespace velmar::testing {
namespace {

constexpr Extended kTolerance = 1e-9L;

void expectTrace(const Trace& y, const Trace& expected) {
    ASSERT_EQ(y.size(), expected.size());
    for (std::size_t n = 0; n < y.size(); ++n) EXPECT_NEAR(y[n], expected[n], kTolerance) << "point " << n;
}

// Time 10 with the two steps a user types: d = Trunc(0.1·PointCount/10 + 1) points per
// period; the input (its point number) passes at n = d, 2d, ... and is 0 elsewhere.
TEST(PulseElement, PassesEveryDthPoint) {
    struct Row {
        Extended step;
        int pointCount;
        int d;
    };
    for (const Row& r : {Row{0.01L, 999, 10}, Row{0.015625L, 640, 7}}) {
        SignalBench bench;
        bench.block(39, {0.1L});
        Trace ramp(static_cast<std::size_t>(r.pointCount));
        for (std::size_t n = 0; n < ramp.size(); ++n) ramp[n] = static_cast<Extended>(n);
        bench.signal(0, ramp, 0);
        const Trace y = bench.runFor(10, r.step);
        ASSERT_EQ(y.size(), static_cast<std::size_t>(r.pointCount));
        for (int n = 0; n < r.pointCount; ++n)
            ASSERT_EQ(y[static_cast<std::size_t>(n)], n > 0 && n % r.d == 0 ? n : 0)
                << "step " << r.step << " point " << n;
    }
}

// T = 0.1 at h = 0.01: a single value is held for ten further points.
TEST(MemoryDevice, HoldsForRoundTOverHSteps) {
    SignalBench bench;
    bench.block(41, {0.1L});
    Trace u(16, 0);
    u[2] = 5;
    bench.signal(0, u, 0);
    const Trace y = bench.run(16, 0.01L);
    for (std::size_t n = 0; n < y.size(); ++n) EXPECT_EQ(y[n], n >= 2 && n <= 12 ? 5 : 0) << n;
}

// T discr = 4 steps, t imp = 2 steps: the input passes for three points of every four.
TEST(PulseShaper, PassesDuringPulseOfEachPeriod) {
    SignalBench bench;
    bench.block(42, {4 * SignalBench::kExactStep, 2 * SignalBench::kExactStep});
    bench.signal(0, {3}, 0);
    expectTrace(bench.run(9), {3, 3, 3, 0, 3, 3, 3, 0, 3});
}

TEST(Trigger, TogglesOnEveryRisingCrossing) {
    SignalBench bench;
    bench.block(44, {0.1L, 1});
    bench.signal(0, {0, 1, 0, 1, 1, 0, 1, 0}, 0);
    expectTrace(bench.run(8), {0, 1, 1, 0, 0, 0, 1, 1});
}

TEST(DigitalRegulator, InputOfZeroHoldsOutputAndSums) {
    SignalBench gain;
    gain.block(102, {1, 0, 0});
    gain.signal(0, {2, 0, 3}, 0);
    expectTrace(gain.run(3), {2, 2, 3});

    SignalBench pid;
    pid.block(102, {1, 1, 1});
    pid.signal(0, {1, 2, 0, 1}, 0);
    expectTrace(pid.run(4), {3, 6, 6, 4});
}

// Square pulses: A for the last K - ceil(K/2) pulses of each cycle of K, counted when a
// pulse ends. A fractional K counts as the nearest whole number.
TEST(PulseCounter, DividesPulseTrain) {
    const Trace pulses{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
    const std::pair<Extended, Trace> rows[] = {
        {2, {0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0}},
        {3, {0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1, 1, 0}},
        {2.6L, {0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1, 1, 0}},
    };
    for (const auto& [K, expected] : rows) {
        SignalBench bench;
        bench.block(137, {K, 1});
        bench.signal(0, pulses, 0);
        SCOPED_TRACE(static_cast<double>(K));
        expectTrace(bench.run(static_cast<int>(pulses.size())), expected);
    }
}

// Two inputs stepping through (1,1), (1,0), (0,0).
TEST(LogicGate, TruthTables) {
    const std::pair<int, Trace> rows[] = {
        {92, {1, 0, 0}}, {93, {1, 1, 0}}, {94, {0, 1, 1}}, {95, {0, 0, 1}}, {96, {0, 1, 0}},
    };
    for (const auto& [code, expected] : rows) {
        SignalBench bench;
        bench.block(code);
        bench.signal(0, {1, 1, 0}, 0);
        bench.signal(1, {1, 0, 0}, 1);
        SCOPED_TRACE(code);
        expectTrace(bench.run(3), expected);
    }
}

TEST(LogicGate, NotAndGatesWithoutInputs) {
    SignalBench inverter;
    inverter.block(91);
    inverter.signal(0, {0, 2}, 0);
    expectTrace(inverter.run(2), {1, 0});

    for (const auto& [code, value] : {std::pair{92, 1}, {93, 0}, {94, 0}, {95, 1}, {96, 0}}) {
        SignalBench bench;
        bench.block(code);
        EXPECT_EQ(bench.run(1), Trace{Extended(value)}) << code;
    }
}

// Data from selectors 54 (S, J, D) and 55 (R, K), the clock from a plain feeder.
struct FlipFlopCase {
    const char* name;
    int code;
    Trace first;
    std::optional<Trace> second;
    std::optional<Trace> clock;
    Trace expected;
};
void PrintTo(const FlipFlopCase& c, std::ostream* out) { *out << c.name; }

class FlipFlopRun : public ::testing::TestWithParam<FlipFlopCase> {};

TEST_P(FlipFlopRun, Follows) {
    const FlipFlopCase& c = GetParam();
    SignalBench bench;
    bench.block(c.code, {0});
    if (c.code == 129) {
        bench.signal(0, c.first, 0);
    } else {
        bench.via(54, 0, c.first, 0);
        if (c.second) bench.via(55, 1, *c.second, 1);
        if (c.clock) bench.signal(2, *c.clock, 2);
    }
    expectTrace(bench.run(static_cast<int>(c.expected.size())), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FlipFlopRun,
    ::testing::Values(
        // Non-logical S (0.5) leaves the step out.
        FlipFlopCase{"AsyncRS", 127, {1, 0, 0, 0.5L, 1}, Trace{0, 0, 1, 0, 0}, std::nullopt, {1, 1, 0, 0, 1}},
        FlipFlopCase{
            "AsyncJKActsOnChange", 128, {1, 1, 1, 0, 1}, Trace{0, 0, 1, 1, 1}, std::nullopt, {1, 1, 0, 0, 1}},
        FlipFlopCase{"ToggleOnRisingT",
                     129,
                     {0, 1, 1, 0, 1, 0.5L, 0, 1},
                     std::nullopt,
                     std::nullopt,
                     {0, 1, 1, 1, 0, 0, 0, 1}},
        FlipFlopCase{"LevelRS", 130, {1, 1, 0, 1}, Trace{0, 0, 1, 0}, Trace{0, 1, 1, 0}, {0, 1, 0, 0}},
        FlipFlopCase{
            "LevelJK", 131, {1, 1, 1, 0, 0}, Trace{0, 1, 1, 1, 1}, Trace{1, 1, 1, 0, 1}, {1, 0, 0, 0, 0}},
        FlipFlopCase{"LevelD", 132, {1, 1, 0, 1}, std::nullopt, Trace{0, 1, 1, 0}, {0, 1, 0, 0}},
        // Set while the clock is 1, shown when it falls.
        FlipFlopCase{
            "EdgeRS", 133, {1, 1, 1, 1, 0}, Trace{0, 0, 0, 0, 0}, Trace{0, 1, 1, 0, 0}, {0, 0, 0, 1, 1}},
        FlipFlopCase{"EdgeJK", 134, {1, 1, 1, 1}, Trace{0, 0, 1, 1}, Trace{1, 0, 1, 0}, {0, 1, 1, 0}},
        FlipFlopCase{"EdgeD", 135, {1, 1, 0, 0}, std::nullopt, Trace{1, 0, 1, 0}, {0, 1, 1, 0}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace velmar::testing
