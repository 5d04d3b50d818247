// One-input static functions run in a scheme: each row plays an input sequence into the
// block and expects the output at every point.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "core/blocks/signal_bench.h"

namespace velmar::testing {
namespace {

constexpr Extended kTolerance = 1e-9L;  // outputs are 6-byte reals: ~12 digits

struct StaticCase {
    const char* name;
    int code;
    std::vector<Extended> params;
    Trace input;
    Trace expected;
};
void PrintTo(const StaticCase& c, std::ostream* out) { *out << c.name; }

class StaticFunctionRun : public ::testing::TestWithParam<StaticCase> {};

TEST_P(StaticFunctionRun, FollowsItsCharacteristic) {
    const StaticCase& c = GetParam();
    SignalBench bench;
    bench.block(c.code, c.params);
    bench.signal(0, c.input, 0);
    const Trace y = bench.run(static_cast<int>(c.input.size()));
    ASSERT_EQ(y.size(), c.expected.size());
    for (std::size_t n = 0; n < y.size(); ++n)
        EXPECT_NEAR(y[n], c.expected[n], kTolerance * std::max<Extended>(1, std::fabs(c.expected[n])))
            << "point " << n;
}

const Extended e = std::exp(1.0L);

INSTANTIATE_TEST_SUITE_P(
    Functions, StaticFunctionRun,
    ::testing::Values(
        StaticCase{"Modulus", 38, {}, {-2, 3}, {2, 3}}, StaticCase{"Parabola", 43, {2}, {3, -1}, {-18, -2}},
        StaticCase{"AnalogToLogicAboveLevelOnly", 48, {1}, {1, 1.5L, -3}, {0, 1, 0}},
        StaticCase{"InverterOX", 49, {2, 5, 7}, {3}, {-6}}, StaticCase{"InverterOY", 49, {0, 2, 7}, {3}, {6}},
        StaticCase{"InverterOo", 49, {0, 0, 2}, {3}, {-6}},
        StaticCase{"InverterPlain", 49, {0, 0, 0}, {3}, {3}},
        StaticCase{"InverseOfZeroIsTenToFifteen", 65, {}, {0, 4}, {1e15L, 0.25L}},
        StaticCase{"AsymmetricAmplifier", 74, {2, 3, 1}, {0.5L, 1, 2}, {1, 3, 6}},
        StaticCase{"Exponential", 75, {2}, {3, -1}, {8, 0.5L}},
        StaticCase{"BinaryQuantiserRoundsTiesToEven", 77, {0.5L}, {1.3L, 0.25L, 0.75L}, {3, 0, 2}},
        StaticCase{"Sine", 85, {}, {0.5L}, {std::sin(0.5L)}},
        StaticCase{"Cosine", 86, {}, {0.5L}, {std::cos(0.5L)}},
        StaticCase{"Tangent", 87, {}, {0.5L}, {std::tan(0.5L)}},
        StaticCase{"Arctangent", 88, {}, {1}, {std::atan(1.0L)}}, StaticCase{"Exp", 89, {2}, {1}, {e * e}},
        StaticCase{"LogarithmKeepsOutputOutsideDomain", 90, {}, {e, -1, 0}, {1, 1, 1}},
        StaticCase{"LimitLeft", 98, {1, 1, 2}, {0, 1, 2}, {1, 1, 3}},
        StaticCase{"LimitRight", 99, {1, 1, 2}, {0, 1, 2}, {-1, 1, 1}},
        StaticCase{"MaximumMemory", 123, {}, {-1, 2, 1}, {0, 2, 2}},
        StaticCase{"MinimumMemory", 124, {}, {1, -2, -1}, {0, -2, -2}}),
    [](const auto& info) { return info.param.name; });

// Inputs outside a function's domain stop the run with the fault's text rather than
// carrying a non-number on.
struct FaultCase {
    const char* name;
    int code;
    std::vector<Extended> params;
    Extended input;
    const char* text;
};
void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class StaticFunctionFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(StaticFunctionFault, StopsTheRun) {
    const FaultCase& c = GetParam();
    SignalBench bench;
    bench.block(c.code, c.params);
    bench.signal(0, {c.input}, 0);
    bench.run(3);
    EXPECT_EQ(bench.outcome, RunOutcome::Failed);
    EXPECT_EQ(bench.host.messagesOf(Box::Error), std::vector<std::string>{c.text});
}

INSTANTIATE_TEST_SUITE_P(
    Domains, StaticFunctionFault,
    ::testing::Values(FaultCase{"NegativeBase", 75, {-2}, 1, "Invalid floating point operation"},
                      FaultCase{"ZeroBase", 75, {0}, 1, "Floating point division by zero"},
                      FaultCase{"ExpBeyondSixByteRange", 89, {1}, 100, "Floating point overflow"},
                      FaultCase{"ZeroWeight", 77, {0}, 1, "Floating point division by zero"}),
    [](const auto& info) { return info.param.name; });

TEST(StaticFunction, NumeratorsForTheAnalysis) {
    SignalBench bench;
    Element& inverter = bench.block(49, {2, 0, 0});
    EXPECT_EQ(inverter.Numerator(), Polynomial{-1});

    SignalBench amplifier;
    Element& a = amplifier.block(74, {2, 3, 1});
    amplifier.signal(0, {5}, 0);
    amplifier.run(1);
    EXPECT_EQ(a.Numerator(), Polynomial{3});  // input 5 ≥ C: gain B
}

}  // namespace
}  // namespace velmar::testing
