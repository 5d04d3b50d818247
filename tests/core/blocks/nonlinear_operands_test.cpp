// Blocks with operand inputs, the universal quantiser, the sign relay and the typical
// structures, run in a scheme.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/blocks/signal_bench.h"

namespace velmar::testing {
namespace {

constexpr Extended kTolerance = 1e-9L;

void expectTrace(const Trace& y, const Trace& expected) {
    ASSERT_EQ(y.size(), expected.size());
    for (std::size_t n = 0; n < y.size(); ++n) EXPECT_NEAR(y[n], expected[n], kTolerance) << "point " << n;
}

TEST(PowerFunction, SignalGivesBaseSelectorGivesExponent) {
    SignalBench bench;
    bench.block(73);
    bench.signal(0, {2, 2, -1}, 0);
    bench.via(54, 1, {3, 0.5L, 2}, 1);
    expectTrace(bench.run(3), {8, std::sqrt(2.0L), 0});
}

// The base is taken in input order: numbered after the exponent, it counts a step late
// (the base starts at 1).
TEST(PowerFunction, BaseAfterExponentActsNextStep) {
    SignalBench bench;
    bench.block(73);
    bench.via(55, 0, {2}, 0);
    bench.via(38, 1, {2, 3, 3}, 1);  // modulus as a plain pass, numbered after the selector
    expectTrace(bench.run(3), {1, 4, 9});
}

TEST(QuadraticFunction, SelectorsSetCoefficients) {
    SignalBench bench;
    bench.block(79);
    bench.signal(0, {1, 2}, 0);
    bench.via(54, 1, {2}, 1);
    bench.via(55, 2, {1, 0}, 2);
    expectTrace(bench.run(2), {4, 8});
}

TEST(Comparator, ComparesOperandsOrSignOfOne) {
    struct Row {
        const char* name;
        std::optional<Trace> p, q;
        Trace expected;
    };
    const Row rows[] = {
        {"p only", Trace{0.5L, -0.5L, 0}, std::nullopt, {1, -1, 1}},
        {"q only", std::nullopt, Trace{-0.5L, 0.5L}, {-1, 1}},
        {"both", Trace{1, 1, 1}, Trace{0.5L, 2, 1}, {1, -1, 1}},
    };
    for (const Row& r : rows) {
        SignalBench bench;
        bench.block(84);
        if (r.p) bench.via(54, 0, *r.p, 0);
        if (r.q) bench.via(55, 1, *r.q, 1);
        SCOPED_TRACE(r.name);
        expectTrace(bench.run(static_cast<int>(r.expected.size())), r.expected);
    }
}

// With two of three inputs connected only those two are compared.
TEST(ExtremumSelection, AmongConnectedInputs) {
    for (const auto& [code, expected] : {std::pair{100, Trace{3, 5}}, std::pair{101, Trace{1, 2}}}) {
        SignalBench bench;
        bench.block(code);
        bench.signal(0, {1, 5}, 0);
        bench.signal(2, {3, 2}, 2);
        expectTrace(bench.run(2), expected);
    }
}

// h = 1/64, x = 1, Kx1 = Kx2 = 1: I grows by v/64 per step.
TEST(TypicalStructure, IntegratesProductAndScalesByControl) {
    SignalBench first;
    first.block(82, {1, 1, 0});
    first.signal(0, {1}, 0);
    first.via(56, 1, {2}, 1);  // any selector serves as v
    expectTrace(first.run(3), {4.0L / 64, 8.0L / 64, 12.0L / 64});

    SignalBench second;
    second.block(83, {1, 1, 0.5L});
    second.signal(0, {1}, 0);
    second.via(54, 1, {2}, 1);  // v
    second.via(55, 2, {3}, 2);  // w
    expectTrace(second.run(2), {3 * (0.5L + 2.0L / 64), 3 * (0.5L + 4.0L / 64)});
}

// The variable-step run evaluates several times per output point; the integral still
// grows by one step h = Time/213 per point.
TEST(TypicalStructure, VariableStepIntegratesOncePerOutputPoint) {
    SignalBench bench;
    bench.block(82, {1, 1, 0});
    bench.signal(0, {1}, 0);
    bench.via(54, 1, {1}, 1);
    const Trace y = bench.runVariable(2.13L);
    const Extended h = bench.wb.settings.Step;
    ASSERT_GE(y.size(), 100u);
    for (std::size_t n = 0; n < 100; ++n) EXPECT_NEAR(y[n], (n + 1) * h, kTolerance) << n;
}

// Step OY = Step OX = 1, h = 1/64: samples at t = 0.5, 1.5, 2.5 (points 32, 96, 160).
TEST(UniversalQuantiser, SamplesAtHalfQuantaAndMovesByWholeSteps) {
    SignalBench bench;
    bench.block(76, {1, 1});
    Trace u(170, 0.4L);
    for (std::size_t n = 100; n < u.size(); ++n) u[n] = 2.7L;
    bench.signal(0, u, 0);
    const Trace y = bench.run(static_cast<int>(u.size()));
    EXPECT_EQ(y[159], 0);                                 // 0.4 is within half a quantum
    EXPECT_EQ(y[160], 2);                                 // 2.7 moves it by two whole quanta
    EXPECT_EQ(bench.run(static_cast<int>(u.size())), y);  // the clocks restart with the run
}

TEST(UniversalQuantiser, FarInputWithTinyQuantumDoesNotStall) {
    SignalBench bench;
    bench.block(76, {1e-30L, 0});
    bench.signal(0, {1}, 0);
    EXPECT_NEAR(bench.run(1)[0], 1, kTolerance);
}

TEST(SignRelay, ReversesAfterDropFromPeak) {
    SignalBench bench;
    bench.block(80, {0.5L, 0, 1});
    bench.signal(0, {0, 1, 2, 3, 2.8L, 2.4L, 2.0L, 1.8L}, 0);
    expectTrace(bench.run(8), {1, 1, 1, 1, 1, -1, -1, 1});
}

TEST(SignRelay, ForcedReversalsEveryPeriod) {
    SignalBench bench;
    bench.block(80, {0.5L, 2 * SignalBench::kExactStep, 1});
    bench.signal(0, {0}, 0);
    expectTrace(bench.run(6), {1, -1, -1, 1, 1, -1});
}

}  // namespace
}  // namespace velmar::testing
