// Linear links in constant-step runs of drawn schemes: first steps and shapes of the
// step responses, the polynomial link, the delays, the controlled integrators, the
// filters and the faults that end a run.
#include <gtest/gtest.h>

#include <cmath>

#include "core/blocks/block_run.h"
#include "core/blocks/linear.h"
#include "core/model/catalogue.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

const Extended h001 = Real48(0.01L);  // the stored step 0.010000000000005116

// The error of a backward-Euler run with the step 0.01 against the continuous response.
constexpr Extended kFirstOrderStepError = 1e-3L;
constexpr Extended kSecondOrderStepError = 0.02L;
constexpr Extended kOscillatorStepError = 0.03L;
constexpr Extended kSwitchStepError = 0.015L;  // a control input switching within a step
// The delay's polynomial series against e^(-jwT).
constexpr Extended kSeriesTolerance = 1e-9L;

struct FirstStep {
    int code;
    std::vector<Extended> params;
    Extended step;
    Extended first;   // the output after the first step of a unit step input
    Extended second;  // and after the second
};

class FirstOrderStep : public ::testing::TestWithParam<FirstStep> {};

TEST_P(FirstOrderStep, MatchesTheBackwardEulerStepsOfAUnitStep) {
    const FirstStep& c = GetParam();
    BlockRun r;
    auto e = r.chain({33, c.code, 62});
    for (std::size_t i = 0; i < c.params.size(); ++i) set(*e[1], static_cast<int>(i), c.params[i]);
    ASSERT_TRUE(r.run(c.step, 1)) << r.errorText();
    const Curve y = r.curve(*e[2]);
    ASSERT_GE(y.size(), 2u);
    EXPECT_NEAR(y.y[0], c.first, kRoundingTolerance * std::max<Extended>(1, std::fabs(c.first)));
    EXPECT_NEAR(y.y[1], c.second, kRoundingTolerance * std::max<Extended>(1, std::fabs(c.second)));
}

const Extended h01 = Real48(0.1L);

INSTANTIATE_TEST_SUITE_P(
    Links, FirstOrderStep,
    ::testing::Values(
        // aperiodic K = 1, T = 1: 0.01/1.01, then (1 + 100 y1)/101
        FirstStep{
            22, {1, 1, 0}, 0.01L, h001 / (1 + h001), (1 + (1 / h001) * (h001 / (1 + h001))) / (1 / h001 + 1)},
        // real differentiating K = 2, T = 0.5: K/(T + h), then decays by T/(T + h)
        FirstStep{23, {2, 0.5L, 0}, 0.01L, 2 / (0.5L + h001), 2 / (0.5L + h001) * 0.5L / (0.5L + h001)},
        // integro-differentiating Ta = 2, Tb = 1: (Ta + h)/(Tb + h)
        FirstStep{
            24, {2, 1, 0}, 0.01L, (2 + h001) / (1 + h001), (h001 + (2 + h001) / (1 + h001)) / (1 + h001)},
        // PI regulator T = 2, H y = 1: 1 + T + h, then + h
        FirstStep{25, {2, 1}, 0.01L, 1 + 2 + h001, 1 + 2 + 2 * h001},
        // integrating K = 2, h = 0.1, H y = 3: + 0.2 per step
        FirstStep{27, {2, 3}, 0.1L, 3 + 2 * h01, 3 + 4 * h01},
        // ideal differentiating: 1/h, then 0
        FirstStep{29, {}, 0.01L, 1 / h001, 0},
        // amplifier
        FirstStep{30, {2.5L}, 0.01L, 2.5L, 2.5L},
        // low-pass I k = 2, Wo = 4: k h Wo / (1 + h Wo)
        FirstStep{138,
                  {2, 4},
                  0.01L,
                  8 * h001 / (1 + 4 * h001),
                  (8 * h001 + 8 * h001 / (1 + 4 * h001)) / (1 + 4 * h001)},
        // high-pass I k = 2, Wo = 4: k / (1 + Wo h), then decays by 1/(1 + Wo h)
        FirstStep{140, {2, 4}, 0.01L, 2 / (1 + 4 * h001), 2 / ((1 + 4 * h001) * (1 + 4 * h001))}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(FilterIdentities, LowPassIsTheAperiodicLinkWithTOfOneOverWo) {
    BlockRun r;
    auto e = r.chain({33, 138, 62});
    auto a = r.chain({33, 22, 62}, 8);
    set(*e[1], 0, 2);
    set(*e[1], 1, 4);
    set(*a[1], 0, 2);
    set(*a[1], 1, 0.25L);
    ASSERT_TRUE(r.run(0.01L, 2)) << r.errorText();
    const Curve f = r.curve(*e[2]), g = r.curve(*a[2]);
    for (std::size_t i = 0; i < f.size(); ++i) ASSERT_NEAR(f.y[i], g.y[i], kRoundingTolerance) << i;
}

TEST(AperiodicLink, RisesMonotonicallyTowardsItsGain) {
    BlockRun r;
    auto e = r.chain({33, 22, 62});
    ASSERT_TRUE(r.run(0.01L, 10)) << r.errorText();
    const Curve y = r.curve(*e[2]);
    ASSERT_GT(y.size(), 990u);
    for (std::size_t i = 1; i < y.size(); ++i) ASSERT_GT(y.y[i], y.y[i - 1]) << i;
    EXPECT_LT(y.y.back(), 1);
    EXPECT_NEAR(y.y.back(), 1 - std::exp(-y.t.back()), kFirstOrderStepError);
}

// Backward Euler follows the continuous response of the second-order links to O(h).
TEST(SecondOrderLinks, FollowTheirContinuousStepResponses) {
    BlockRun r;
    auto osc = r.chain({33, 26, 62});
    auto low = r.chain({33, 139, 62}, 8);
    set(*osc[1], 1, 1);     // a
    set(*osc[1], 2, 0.5L);  // b: damping 0.25
    set(*low[1], 1, 2);     // Wo: critically damped
    ASSERT_TRUE(r.run(0.01L, 10)) << r.errorText();
    const Curve y = r.curve(*osc[2]), z = r.curve(*low[2]);
    const Extended zeta = 0.25L, wd = std::sqrt(1 - zeta * zeta);
    for (std::size_t i = 0; i < y.size(); ++i) {
        const Extended t = y.t[i];
        const Extended exact = 1 - std::exp(-zeta * t) * (std::cos(wd * t) + zeta / wd * std::sin(wd * t));
        ASSERT_NEAR(y.y[i], exact, kOscillatorStepError) << "t = " << t;
        ASSERT_NEAR(z.y[i], 1 - (1 + 2 * t) * std::exp(-2 * t), kSecondOrderStepError) << "t = " << t;
    }
}

TEST(PolynomialLink, CorrectionLinkBehavesAsTheUserLinkAndBothMatchTheAperiodicLink) {
    BlockRun r;
    auto user = r.chain({34, 28, 62});
    auto corr = r.chain({34, 46, 62}, 8);
    auto aper = r.chain({34, 22, 62}, 14);
    for (Element* e : {user[1], corr[1]}) {
        auto& link = dynamic_cast<PolynomialLink&>(*e);
        link.entry.setDegrees(0, 1);  // A = 2, B = 1 + 0.5 s
        link.entry.A.set(0, 2);
        link.entry.B.set(1, 0.5L);
    }
    set(*aper[1], 0, 2);
    set(*aper[1], 1, 0.5L);
    EXPECT_EQ(corr[1]->TypeCode(), 28);
    ASSERT_TRUE(r.run(0.01L, 5)) << r.errorText();
    const Curve a = r.curve(*user[2]), b = r.curve(*corr[2]), c = r.curve(*aper[2]);
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a.y[i], b.y[i]) << i;
        ASSERT_NEAR(a.y[i], c.y[i], kRoundingTolerance) << i;
    }
}

TEST(PolynomialLink, ImproperLinkDifferentiatesAndAnUnfedOneKeepsItsInitialValue) {
    BlockRun r;
    auto e = r.chain({37, 28, 62});  // ramp 2t into A = s + 1, B = 1
    auto unfed = r.chain({28, 62}, 8);
    set(*e[0], 0, 2);
    auto& link = dynamic_cast<PolynomialLink&>(*e[1]);
    link.entry.setDegrees(1, 0);
    dynamic_cast<PolynomialLink&>(*unfed[0]).entry.initialB[0] = 5;
    ASSERT_TRUE(r.run(0.01L, 1)) << r.errorText();
    const Curve y = r.curve(*e[2]);
    // u' + u = 2 + 2t once the history holds ramp values
    for (std::size_t i = 1; i < y.size(); ++i) ASSERT_NEAR(y.y[i], 2 + y.t[i] * 2, kSummedTolerance) << i;
    for (Extended v : r.curve(*unfed[1]).y) ASSERT_EQ(v, 5);
}

// --- delays ----------------------------------------------------------------------------

TEST(TransportDelay, RepeatsTheInputRoundTOverHStepsLate) {
    BlockRun r;
    auto late = r.chain({37, 31, 62});
    auto none = r.chain({37, 31, 62}, 8);
    set(*late[1], 0, 0.05L);
    set(*none[1], 0, 0.004L);  // below h/2: no delay
    ASSERT_TRUE(r.run(0.01L, 1)) << r.errorText();
    const Curve in = r.curve(*none[2]), out = r.curve(*late[2]);
    for (std::size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out.y[i], i < 5 ? 0 : in.y[i - 5]) << i;
    EXPECT_NEAR(in.y[10], 10 * h001, kSummedTolerance);
}

TEST(TransportDelay, DelayLongerThanTheRunShowsZeros) {
    BlockRun r;
    auto e = r.chain({33, 31, 62});
    set(*e[1], 0, 1e30L);
    ASSERT_TRUE(r.run(0.01L, 1)) << r.errorText();
    for (Extended v : r.curve(*e[2]).y) ASSERT_EQ(v, 0);
}

// Brings a control value into `target` from a source through a selector (54) drawn at
// `row`, with a wire entering the target from below (row under it) or from above.
// Returns the source.
Element& controlThroughSelector(BlockRun& r, int sourceCode, const Element& target, int row) {
    auto c = r.chain({sourceCode, 54}, row);
    const int out = c[1]->Col + 3, mid = row + 1, into = target.Col + 1;
    const int arrowRow = row > target.Row ? target.Row + 3 : target.Row - 1;
    r.draw.wire({{out, mid}, {into, mid}, {into, arrowRow}});
    return *c[0];
}

// Signal: a ramp through an amplifier (K = 1) into the controlled delay at (12, 8);
// control: a step C through a selector, drawn below the signal (numbered after it) or
// above (numbered before it).
struct ControlledDelayScheme {
    BlockRun r;
    Element* control;
    Element* delay;
    Element* recorder;
    explicit ControlledDelayScheme(bool controlFirst) {
        auto s = r.chain({37, 30, 64, 62}, 8);
        delay = s[2];
        recorder = s[3];
        control = &controlThroughSelector(r, 33, *delay, controlFirst ? 2 : 14);
    }
};

TEST(ControlledDelay, DelaysBySelectorValueWhateverTheFeederOrder) {
    for (bool controlFirst : {false, true}) {
        ControlledDelayScheme s(controlFirst);
        set(*s.delay, 0, 1);
        set(*s.control, 0, 0.05L);
        ASSERT_TRUE(s.r.run(0.01L, 1)) << s.r.errorText();
        const Curve y = s.r.curve(*s.recorder);
        for (std::size_t i = 0; i < y.size(); ++i)
            ASSERT_NEAR(y.y[i], i < 5 ? 0 : (i - 5) * h001, kSummedTolerance)
                << i << " control first " << controlFirst;
    }
}

TEST(ControlledDelay, ClampsTheControlIntoZeroToT) {
    for (Extended control : {-3.0L, 7.0L}) {
        ControlledDelayScheme s(false);
        set(*s.delay, 0, 0.03L);  // the longest delay: 3 steps
        set(*s.control, 0, control);
        ASSERT_TRUE(s.r.run(0.01L, 0.5L)) << s.r.errorText();
        const Curve y = s.r.curve(*s.recorder);
        const std::size_t steps = control < 0 ? 0 : 3;
        for (std::size_t i = 0; i < y.size(); ++i)
            ASSERT_NEAR(y.y[i], i < steps ? 0 : (i - steps) * h001, kSummedTolerance) << i;
    }
}

TEST(Delays, PadeApproximationFollowsTheDelayAtLowFrequencies) {
    BlockRun r;
    Element& d = r.block(31, 2, 2);
    set(d, 0, 0.7L);
    const Polynomial num = d.Numerator(), den = d.Denominator();
    ASSERT_EQ(den.order(), 10);
    EXPECT_EQ(den[1], Real48(0.35L).get());  // c1 T = T/2
    EXPECT_EQ(num[1], -den[1]);
    for (Extended w : {0.1L, 1.0L, 3.0L}) {
        // W(jw) against e^(-jwT)
        Extended nr = 0, ni = 0, dr = 0, di = 0, pr = 1, pi = 0;
        for (int j = 0; j <= 10; ++j) {
            nr += num[j] * pr, ni += num[j] * pi, dr += den[j] * pr, di += den[j] * pi;
            const Extended r2 = -pi * w, i2 = pr * w;
            pr = r2, pi = i2;
        }
        const Extended mag = std::hypot(dr, di);
        const Extended re = (nr * dr + ni * di) / (mag * mag), im = (ni * dr - nr * di) / (mag * mag);
        EXPECT_NEAR(re, std::cos(w * 0.7L), kSeriesTolerance) << w;
        EXPECT_NEAR(im, -std::sin(w * 0.7L), kSeriesTolerance) << w;
    }
}

// --- controlled integrators ------------------------------------------------------------

// Signal: a step of 1 into the integrator; control: a rectangular pulse (105) through a
// selector, on for T1 <= t <= T2.
struct ControlledIntegratorScheme {
    BlockRun r;
    Element* integrator;
    Element* pulse;
    Element* recorder;
    explicit ControlledIntegratorScheme(int code) {
        auto s = r.chain({33, 30, code, 62}, 8);
        integrator = s[2];
        recorder = s[3];
        pulse = &controlThroughSelector(r, 105, *integrator, 14);
    }
};

TEST(ControlledIntegrator, ZeroHoldWithoutMemoryShowsZeroAndRestartsFromZero) {
    ControlledIntegratorScheme s(50);
    set(*s.integrator, 1, 4);  // H y
    set(*s.pulse, 1, 0.5L);    // control on from 0.5
    set(*s.pulse, 2, 100);
    ASSERT_TRUE(s.r.run(0.01L, 1)) << s.r.errorText();
    const Curve y = s.r.curve(*s.recorder);
    for (std::size_t i = 0; i < y.size(); ++i) {
        const Extended t = y.t[i];
        if (t < 0.49L) ASSERT_EQ(y.y[i], 0) << i;                             // H y is cleared by the hold
        if (t > 0.52L) ASSERT_NEAR(y.y[i], t - 0.5L, kSwitchStepError) << i;  // from 0 at 0.5
    }
}

TEST(ControlledIntegrator, NonZeroHoldWithMemoryKeepsTheValue) {
    ControlledIntegratorScheme s(51);
    set(*s.integrator, 1, 4);  // H y
    set(*s.integrator, 2, 1);  // Memory
    set(*s.pulse, 1, 0.2L);    // held for 0.2 <= t <= 0.6
    set(*s.pulse, 2, 0.6L);
    ASSERT_TRUE(s.r.run(0.01L, 1)) << s.r.errorText();
    const Curve y = s.r.curve(*s.recorder);
    EXPECT_NEAR(y.y[0], 4 + h001, kSummedTolerance);  // starts from H y
    const Extended held = y.y[30];
    EXPECT_NEAR(held, 4.2L, kSwitchStepError);
    for (std::size_t i = 0; i < y.size(); ++i)
        if (y.t[i] > 0.21L && y.t[i] < 0.59L) ASSERT_EQ(y.y[i], held) << i;
    // integration goes on from the held value for the rest of the run
    EXPECT_NEAR(y.y.back(), held + (y.t.back() - 0.6L), kSwitchStepError);
}

// --- filters ---------------------------------------------------------------------------

TEST(Filters, SecondOrderHighPassIsTwoFirstOrderStagesInCascade) {
    BlockRun r;
    auto two = r.chain({34, 141, 62});
    auto cascade = r.chain({34, 140, 140, 62}, 8);
    for (Element* e : {two[1], cascade[1], cascade[2]}) {
        set(*e, 0, 1.5L);
        set(*e, 1, 3);
    }
    ASSERT_TRUE(r.run(0.01L, 5)) << r.errorText();
    const Curve a = r.curve(*two[2]), b = r.curve(*cascade[3]);
    for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a.y[i], b.y[i]) << i;
}

TEST(Filters, BandFiltersSettleAtTheirStaticGains) {
    BlockRun r;
    auto pass = r.chain({33, 142, 62});
    auto stop = r.chain({33, 143, 62}, 8);
    set(*stop[1], 0, 3);
    ASSERT_TRUE(r.run(0.01L, 100)) << r.errorText();
    const Curve p = r.curve(*pass[2]), s = r.curve(*stop[2]);
    EXPECT_NEAR(p.y.back(), 0, kFirstOrderStepError);  // band-pass: no DC
    EXPECT_NEAR(s.y.back(), 3, kFirstOrderStepError);  // band-stop: k at DC
    // The high-pass stage passes the edge; sample 0 holds the second point (t = h), the
    // last of the two that share it, so it is two steps past the edge.
    EXPECT_NEAR(s.y.front(), 3 / ((1 + 1 * h001) * (1 + 1 * h001)), kSecondOrderStepError);
    EXPECT_GT(*std::max_element(p.y.begin(), p.y.end()), 0.5L);
}

TEST(Filters, BandDialogRefusesW1NotBelowW2) {
    BlockRun r;
    Element& f = r.block(142, 2, 2);
    r.host.setAnswer("W1", "2");
    r.host.setAnswer("W2", "1");
    f.EditParameters(r.wb);
    EXPECT_EQ(r.errorText(), "Error in input data");
    EXPECT_EQ(f.param(1), 2);  // the values stay as entered
}

// --- faults ----------------------------------------------------------------------------

struct Fault {
    int code;
    int param;
    Extended value;
    std::string text;
};

class LinkFault : public ::testing::TestWithParam<Fault> {};

TEST_P(LinkFault, EndsTheRunWithTheFaultsText) {
    const Fault& f = GetParam();
    BlockRun r;
    auto e = r.chain({33, f.code, 62});
    set(*e[1], f.param, f.value);
    EXPECT_FALSE(r.run(0.01L, 1));
    EXPECT_EQ(r.outcome, RunOutcome::Failed);
    EXPECT_EQ(r.errorText(), f.text);
}

INSTANTIATE_TEST_SUITE_P(Faults, LinkFault,
                         ::testing::Values(Fault{138, 1, 0, "Floating point division by zero"},
                                           Fault{139, 1, 0, "Floating point division by zero"},
                                           Fault{141, 1, 0, "Floating point division by zero"},
                                           Fault{142, 2, 0, "Floating point division by zero"},
                                           Fault{31, 0, -1, "Error in input data"},
                                           Fault{64, 0, -1, "Error in input data"}),
                         [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(PolynomialLink, ZeroFreeTermOfTheDifferenceEquationEndsTheRun) {
    BlockRun r;
    auto e = r.chain({33, 28, 62});
    auto& link = dynamic_cast<PolynomialLink&>(*e[1]);
    link.entry.B.set(0, 0);  // B = 0
    EXPECT_FALSE(r.run(0.01L, 1));
    EXPECT_EQ(r.errorText(), "Floating point division by zero");
}

// Every code of the family runs in a chain from a step and keeps finite outputs.
TEST(LinearFamily, EveryCodeRunsInAChain) {
    for (int code = 17; code <= 143; ++code) {
        if (blockInfo(code).family != Family::Linear) continue;
        BlockRun r;
        auto e = r.chain({33, code, 62});
        ASSERT_TRUE(r.run(0.01L, 2)) << code << ": " << r.errorText();
        for (Extended v : r.curve(*e[2]).y) ASSERT_TRUE(std::isfinite(v)) << code;
    }
}

}  // namespace
