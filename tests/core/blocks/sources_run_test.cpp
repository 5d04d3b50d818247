// Sources and generators in constant-step runs of drawn schemes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/blocks/block_run.h"
#include "core/blocks/sources.h"
#include "core/model/catalogue.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

const Extended h001 = Real48(0.01L);
constexpr Extended kPi = 3.1415926535897932385L;
constexpr Extended kScaleTolerance = 1e-6L;     // R/65535 times 65535 lands on a whole number
constexpr Extended kProductTolerance = 1e-10L;  // an exponential times a sine of stored arguments

// Runs `code` alone into a recorder with the given parameters; returns the curve.
Curve generate(int code, std::vector<Extended> params, Extended step, Extended time) {
    BlockRun r;
    auto e = r.chain({code, 62});
    if (code == 118) dynamic_cast<PolynomialSignal&>(*e[0]).setDegree(static_cast<int>(params[0]));
    for (std::size_t i = 0; i < params.size(); ++i) set(*e[0], static_cast<int>(i), params[i]);
    EXPECT_TRUE(r.run(step, time)) << r.errorText();
    return r.curve(*e[1]);
}

// --- elementary inputs ---------------------------------------------------------------

TEST(ElementaryInputs, DeltaIsOneOverHAtTheFirstPointOnly) {
    const Curve y = generate(36, {}, 0.01L, 1);
    // 1/h = 99.99999999994884 for the stored step, which the stored output rounds to 100
    EXPECT_EQ(y.y[0], Real48(1 / h001).get());
    for (std::size_t i = 1; i < y.size(); ++i) ASSERT_EQ(y.y[i], 0) << i;
}

TEST(ElementaryInputs, DeltaStillComesWhenALongRunStartsAtIndexOne) {
    BlockRun r;
    auto e = r.chain({36, 27, 62});                  // its integral
    ASSERT_TRUE(r.run(0.01L, 60)) << r.errorText();  // 5999 points
    const Curve y = r.curve(*e[2]);
    EXPECT_NEAR(y.y.back(), 1, kSummedTolerance);
}

TEST(ElementaryInputs, StepHarmonicAndRamp) {
    const Curve step = generate(33, {2.5L}, 0.01L, 1);
    for (Extended v : step.y) ASSERT_EQ(v, 2.5L);

    const Curve sine = generate(34, {2, 3, 0.5L}, 0.01L, 5);  // A, w, Phase
    for (std::size_t i = 0; i < sine.size(); ++i)
        ASSERT_NEAR(sine.y[i], 2 * std::sin(3 * (i * h001) + 0.5L), kRoundingTolerance) << i;

    const Curve ramp = generate(37, {2, 1}, 0.1L, 1);  // K = 2, H.y. = 1
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ASSERT_NEAR(ramp.y[i], 1 + 0.2L * i, kRoundingTolerance) << i;
}

TEST(RandomInputs, UniformValuesAreMultiplesOfOneOver65535InUnitRange) {
    BlockRun r;
    auto e = r.chain({35, 62});
    r.host.setAnswer("R", "1");
    e[0]->EditParameters(r.wb);
    ASSERT_TRUE(r.run(0.01L, 10)) << r.errorText();
    const Curve y = r.curve(*e[1]);
    Extended lowest = 1, highest = 0;
    for (Extended v : y.y) {
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 1);
        const Extended r65535 = v * 65535;
        ASSERT_NEAR(r65535, std::nearbyint(r65535), kScaleTolerance) << v;
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_LT(lowest, 0.1L);  // spread over the range
    EXPECT_GT(highest, 0.9L);
}

TEST(RandomInputs, BinaryInputDrawsABitEveryT) {
    // T a little below ten steps, clear of the rounding of the summed steps
    const Curve y = generate(97, {0.095L}, 0.01L, 10);
    int changes = 0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        ASSERT_TRUE(y.y[i] == 0 || y.y[i] == 1) << y.y[i];
        if (i > 0 && y.y[i] != y.y[i - 1]) {
            ++changes;
            ASSERT_EQ(i % 10, 9u) << "drawn only when T has elapsed";
        }
    }
    EXPECT_GT(changes, 10);
}

// --- pulse and periodic generators ----------------------------------------------------

TEST(Pulses, RectangularPulsesSwitchAtTheStoredStepsBoundaries) {
    const Curve y = generate(106, {3, 0.5L, 1}, 0.01L, 2);  // A, ti, T
    for (std::size_t n = 0; n < 150; ++n) ASSERT_EQ(y.y[n], (n < 50 || n >= 100) ? 3 : 0) << n;
}

TEST(Pulses, SinglePulsesAndRectangularSignal) {
    const Curve rect = generate(105, {2, 0.3L, 0.6L}, 0.01L, 1);  // A, T1, T2
    for (std::size_t n = 0; n < rect.size(); ++n) {
        const Extended t = n * h001;
        ASSERT_EQ(rect.y[n], t >= Real48(0.3L) && t <= Real48(0.6L) ? 2 : 0) << n;
    }
    const Curve tri = generate(107, {2, 1, 2, 4}, 0.25L, 5);  // A, t1, t2, t3 at exact points
    const std::vector<Extended> expected = {0,    0,     0, 0,     0,    0.5L,  1, 1.5L, 2, 1.75L,
                                            1.5L, 1.25L, 1, 0.75L, 0.5L, 0.25L, 0, 0,    0};
    for (std::size_t n = 0; n < expected.size(); ++n) ASSERT_EQ(tri.y[n], expected[n]) << n;

    const Curve sq = generate(109, {1, -1, 0.5L, 0.5L}, 0.25L, 5);  // A, B, t-, t+
    // B up to t-, then A; the point that starts a period keeps the last value
    const std::vector<Extended> square = {-1, -1, -1, 1, 1, -1, -1, 1, 1, -1};
    for (std::size_t n = 0; n < square.size(); ++n) ASSERT_EQ(sq.y[n], square[n]) << n;
}

TEST(Pulses, TriangleWithoutARiseSpanRisesAtOnce) {
    const Curve y = generate(107, {2, 1, 1, 3}, 0.25L, 5);  // t2 = t1
    EXPECT_EQ(y.y[4], 0);                                   // t = 1
    EXPECT_EQ(y.y[5], 2 * (1 - 0.25L / 2));                 // t = 1.25, already falling
    for (Extended v : y.y) ASSERT_TRUE(std::isfinite(v));
}

TEST(SawTooth, FirstShapeRisesFallsAndHoldsAtThePeriodStart) {
    const Curve y = generate(108, {1, 1, 2}, 0.01L, 5);  // A, ti, T
    for (std::size_t n = 0; n <= 99; ++n) ASSERT_NEAR(y.y[n], n * h001, kRoundingTolerance) << n;
    for (std::size_t n = 101; n < 200; ++n) ASSERT_NEAR(y.y[n], 1 - (n * h001 - 1), kSummedTolerance) << n;
    EXPECT_EQ(y.y[200], y.y[199]);  // t = 2 starts the next period
    EXPECT_NEAR(y.y[201], h001, kSummedTolerance);
}

TEST(SawTooth, VariantsAlternateSignBlankPeriodsOrSwapRiseTimes) {
    // at exact points h = 0.25: period T = 2 has 8 points, the 8th starts the next one
    const Curve alt = generate(110, {1, 1, 2}, 0.25L, 9);
    const Curve blank = generate(111, {1, 1, 2}, 0.25L, 9);
    const Curve swap = generate(117, {1, 0.5L, 2}, 0.25L, 9);
    for (std::size_t n = 9; n < 16; ++n) {
        ASSERT_EQ(alt.y[n], -alt.y[n - 8]) << n;
        ASSERT_EQ(blank.y[n], 0) << n;
    }
    EXPECT_EQ(blank.y[17], blank.y[1]);
    // 117: rise time 0.5 in the first period, 1.5 in the second, and the sign flips
    EXPECT_EQ(swap.y[2], 1);                                      // tau = 0.5
    EXPECT_NEAR(swap.y[10], -(0.5L / 1.5L), kRoundingTolerance);  // tau = 0.5 of 1.5
    EXPECT_EQ(swap.y[14], -1);                                    // tau = 1.5: top, negative
}

// --- functions of time ---------------------------------------------------------------

struct TimeCase {
    int code;
    std::vector<Extended> params;
    std::function<Extended(Extended)> exact;  // at t > 0
};

class TimeFunctions : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeFunctions, FollowTheirFormulas) {
    const TimeCase& c = GetParam();
    const Curve y = generate(c.code, c.params, 0.01L, 3);
    for (std::size_t n = 1; n < y.size(); ++n) {
        const Extended exact = c.exact(n * h001);
        ASSERT_NEAR(y.y[n], exact, kRoundingTolerance * std::max<Extended>(1, std::fabs(exact))) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, TimeFunctions,
    ::testing::Values(TimeCase{112, {2}, [](Extended t) { return std::pow(2.0L, t); }},
                      TimeCase{113, {0.5L}, [](Extended t) { return std::sqrt(t); }},
                      TimeCase{114, {}, [](Extended t) { return std::exp(-t * t); }},
                      TimeCase{115, {}, [](Extended t) { return t * std::exp(-t); }},
                      TimeCase{116, {3, 0.5L}, [](Extended t) { return 3 * t * t * std::exp(-0.5L * t); }},
                      TimeCase{120, {2}, [](Extended t) { return std::log(2 * t); }},
                      TimeCase{121, {2}, [](Extended t) { return std::log10(2 * t); }},
                      TimeCase{122, {-1}, [](Extended t) { return std::exp(-t); }},
                      TimeCase{118, {2, 1, -2, 0.5L}, [](Extended t) { return 1 - 2 * t + 0.5L * t * t; }}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(TimeFunctionsAtBoundaries, GuardedPoints) {
    const Curve bell = generate(114, {}, 0.25L, 10);
    EXPECT_EQ(bell.y[0], 1);
    EXPECT_GT(bell.y[35], 0);  // t = 8.75
    EXPECT_EQ(bell.y[36], 0);  // t = 9 exactly
    EXPECT_EQ(generate(113, {0.5L}, 0.01L, 1).y[0], 0);
    EXPECT_EQ(generate(120, {2}, 0.01L, 1).y[0], 0);  // kept at t = 0
    EXPECT_EQ(generate(122, {3}, 0.01L, 1).y[0], 1);
    EXPECT_EQ(generate(112, {0}, 0.01L, 1).y[5], 0);
    EXPECT_EQ(generate(112, {-2}, 0.01L, 1).y[5], 0);  // kept from the start
}

TEST(TimeFunctionsAtBoundaries, ValuesARunCannotHoldEndIt) {
    struct Case {
        int code;
        Extended param, step;
        std::string text;
    };
    for (const Case& c : {Case{120, -1, 0.01L, "Invalid floating point operation"},
                          Case{121, -1, 0.01L, "Invalid floating point operation"},
                          Case{122, 100, 1, "Floating point overflow"}}) {
        BlockRun r;
        auto e = r.chain({c.code, 62});
        set(*e[0], 0, c.param);
        EXPECT_FALSE(r.run(c.step, 5)) << c.code;
        EXPECT_EQ(r.errorText(), c.text) << c.code;
    }
}

// --- blocks reading an input -------------------------------------------------------------

TEST(TriggeredBlocks, DampedOscillationStartsAtTheTriggerAndKeepsItsAmplitude) {
    for (Extended damping : {0.0L, 0.5L}) {
        BlockRun r;
        auto e = r.chain({105, 40, 62});
        set(*e[0], 0, -2);  // one point of -2 at t = 0
        set(*e[0], 1, 0);
        set(*e[0], 2, 0);
        set(*e[1], 0, damping);  // DikrZ
        set(*e[1], 1, 2);        // w
        ASSERT_TRUE(r.run(0.01L, 10)) << r.errorText();
        const Curve y = r.curve(*e[2]);
        EXPECT_NEAR(y.y[0], -2, kRoundingTolerance);
        for (std::size_t n = 0; n < y.size(); ++n) {
            const Extended tau = n * h001;
            ASSERT_NEAR(y.y[n], 2 * std::exp(-damping * tau) * std::sin(2 * tau - kPi / 2), kProductTolerance)
                << n;
        }
    }
}

TEST(TriggeredBlocks, OneShotPulsesForTAfterEachTrigger) {
    BlockRun r;
    auto single = r.chain({105, 119, 62});
    auto train = r.chain({33, 119, 62}, 8);
    set(*single[0], 0, -1);  // trigger: one point of -1 at t = 0
    set(*single[0], 1, 0);
    set(*single[0], 2, 0);
    for (Element* e : {single[1], train[1]}) {
        set(*e, 0, 2);       // A
        set(*e, 1, 0.095L);  // t: ten points
    }
    ASSERT_TRUE(r.run(0.01L, 1)) << r.errorText();
    const Curve y = r.curve(*single[2]), z = r.curve(*train[2]);
    for (std::size_t n = 0; n < y.size(); ++n) {
        ASSERT_EQ(y.y[n], n < 10 ? -2 : 0) << n;
        ASSERT_EQ(z.y[n], n % 11 == 10 ? 0 : 2) << n;  // retriggered after each gap
    }
}

TEST(TriggeredBlocks, HarmonicGeneratorsTakeTheirValueFromASelector) {
    BlockRun r;
    auto amp = r.chain({33, 54, 103, 62});
    auto freq = r.chain({33, 54, 104, 62}, 8);
    auto direct = r.chain({33, 103, 62}, 14);
    set(*amp[0], 0, 3);   // amplitude 3
    set(*amp[2], 0, 2);   // w
    set(*freq[0], 0, 2);  // frequency 2
    set(*freq[2], 0, 1.5L);
    set(*freq[2], 1, 0.25L);  // Phase
    ASSERT_TRUE(r.run(0.01L, 2)) << r.errorText();
    const Curve a = r.curve(*amp[3]), f = r.curve(*freq[3]), d = r.curve(*direct[2]);
    for (std::size_t n = 0; n < a.size(); ++n) {
        const Extended own = (n + 1) * h001;  // advanced before each use
        ASSERT_NEAR(a.y[n], 3 * std::sin(2 * own), kSummedTolerance) << n;
        ASSERT_NEAR(f.y[n], 1.5L * std::sin(2 * own + 0.25L), kSummedTolerance) << n;
        ASSERT_EQ(d.y[n], 0) << n;  // no selector: no amplitude
    }
    EXPECT_EQ(amp[2]->param(2), 3);  // the controlled value is kept for the file
}

// Every code of the family runs alone into a recorder with finite outputs.
TEST(SourceFamily, EveryCodeRuns) {
    for (int code = 17; code <= 143; ++code) {
        if (blockInfo(code).family != Family::Source) continue;
        BlockRun r;
        auto e = r.chain({code, 62});
        ASSERT_TRUE(r.run(0.01L, 3)) << code << ": " << r.errorText();
        for (Extended v : r.curve(*e[1]).y) ASSERT_TRUE(std::isfinite(v)) << code;
    }
}

}  // namespace
