// Linear links, filters, delays and controlled integrators in variable-step runs,
// checked against the exact continuous responses to a unit step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "core/blocks/block_run.h"
#include "core/blocks/linear.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

constexpr Extended kEps = 1e-3L;  // the accuracy asked of the integrator
constexpr Extended kTime = 6;

using Response = std::function<Extended(Extended)>;

void expectFollows(const Curve& y, const Response& exact, const std::string& what) {
    ASSERT_GT(y.size(), 200u) << what;
    for (std::size_t i = 0; i < y.size(); ++i)
        ASSERT_NEAR(y.y[i], exact(y.t[i]), kEps) << what << " at t = " << y.t[i];
}

struct StepResponse {
    const char* name;
    int code;
    std::vector<Extended> params;
    Response exact;
};

class LinkStepResponse : public ::testing::TestWithParam<StepResponse> {};

TEST_P(LinkStepResponse, FollowsTheExactResponseWithinEps) {
    const StepResponse& c = GetParam();
    BlockRun r;
    auto e = r.chain({33, c.code, 62});
    for (std::size_t i = 0; i < c.params.size(); ++i) set(*e[1], static_cast<int>(i), c.params[i]);
    ASSERT_TRUE(r.runVariable(kTime, kEps)) << r.errorText();
    expectFollows(r.curve(*e[2]), c.exact, c.name);
}

const Extended kZeta = 0.25L, kWd = std::sqrt(1 - kZeta * kZeta);

INSTANTIATE_TEST_SUITE_P(
    Links, LinkStepResponse,
    ::testing::Values(
        StepResponse{"aperiodic", 22, {2, 0.5L, 0}, [](Extended t) { return 2 * (1 - std::exp(-t / 0.5L)); }},
        StepResponse{"aperiodic_from_h_y", 22, {1, 1, 3}, [](Extended t) { return 1 + 2 * std::exp(-t); }},
        StepResponse{"real_differentiating", 23, {1, 1, 0}, [](Extended t) { return std::exp(-t); }},
        StepResponse{"integro_differentiating", 24, {2, 1, 0}, [](Extended t) { return 1 + std::exp(-t); }},
        StepResponse{"pi_regulator", 25, {1, 0}, [](Extended t) { return 1 + t; }},
        StepResponse{"oscillatory",
                     26,
                     {1, 1, 0.5L},
                     [](Extended t) {
                         return 1 -
                                std::exp(-kZeta * t) * (std::cos(kWd * t) + kZeta / kWd * std::sin(kWd * t));
                     }},
        StepResponse{"integrating", 27, {2, 0}, [](Extended t) { return 2 * t; }},
        StepResponse{"low_pass_1", 138, {1, 2}, [](Extended t) { return 1 - std::exp(-2 * t); }},
        StepResponse{
            "low_pass_2", 139, {1, 2}, [](Extended t) { return 1 - (1 + 2 * t) * std::exp(-2 * t); }},
        StepResponse{"high_pass_1", 140, {1, 2}, [](Extended t) { return std::exp(-2 * t); }},
        StepResponse{"high_pass_2", 141, {1, 1}, [](Extended t) { return (1 - t) * std::exp(-t); }},
        StepResponse{
            "band_pass", 142, {1, 1, 2}, [](Extended t) { return 2 * (std::exp(-t) - std::exp(-2 * t)); }},
        StepResponse{
            "band_stop", 143, {1, 1, 2}, [](Extended t) { return 1 - std::exp(-t) + std::exp(-2 * t); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PolynomialLinkVariableStep, FollowsTheCanonicalFormOfItsPolynomials) {
    BlockRun r;
    auto e = r.chain({33, 46, 62});
    auto& link = dynamic_cast<PolynomialLink&>(*e[1]);
    link.entry.setDegrees(1, 2);  // (s + 1) / (s + 1)^2 scaled: A = 2 + 2 s, B = 2 + 4 s + 2 s^2
    for (int i : {0, 1}) link.entry.A.set(i, 2);
    link.entry.B.set(0, 2);
    link.entry.B.set(1, 4);
    link.entry.B.set(2, 2);
    ASSERT_TRUE(r.runVariable(kTime, kEps)) << r.errorText();
    expectFollows(
        r.curve(*e[2]), [](Extended t) { return 1 - std::exp(-t); }, "46");
}

// The delay's output is its input, recorded against the integrator's time, shifted.
TEST(DelaysVariableStep, TransportDelayShiftsTheResponse) {
    BlockRun r;
    auto e = r.chain({33, 22, 31, 62});
    set(*e[1], 1, 0.5L);  // T of the aperiodic link
    set(*e[2], 0, 1.5L);  // the delay
    ASSERT_TRUE(r.runVariable(kTime, kEps)) << r.errorText();
    expectFollows(
        r.curve(*e[3]), [](Extended t) { return t < 1.5L ? 0 : 1 - std::exp(-(t - 1.5L) / 0.5L); }, "31");
}

TEST(DelaysVariableStep, ControlledDelayShiftsBySelectorValue) {
    BlockRun r;
    auto s = r.chain({33, 22, 64, 62}, 8);
    set(*s[1], 1, 0.5L);
    auto c = r.chain({33, 54}, 14);
    set(*c[0], 0, 0.8L);  // the delay asked for; T = 1 is the longest
    r.draw.wire({{c[1]->Col + 3, 15}, {s[2]->Col + 1, 15}, {s[2]->Col + 1, s[2]->Row + 3}});
    ASSERT_TRUE(r.runVariable(kTime, kEps)) << r.errorText();
    expectFollows(
        r.curve(*s[3]), [](Extended t) { return t < 0.8L ? 0 : 1 - std::exp(-(t - 0.8L) / 0.5L); }, "64");
}

TEST(ControlledIntegratorVariableStep, IntegratesWhileFreeAndHoldsOtherwise) {
    // the same control value 1 frees 50 and holds 51
    for (int code : {50, 51}) {
        for (Extended memory : {0.0L, 1.0L}) {
            BlockRun r;
            auto s = r.chain({33, 30, code, 62}, 8);
            set(*s[2], 0, 2);  // K
            set(*s[2], 1, 3);  // H y
            set(*s[2], 2, memory);
            auto c = r.chain({33, 54}, 14);
            r.draw.wire({{c[1]->Col + 3, 15}, {s[2]->Col + 1, 15}, {s[2]->Col + 1, s[2]->Row + 3}});
            ASSERT_TRUE(r.runVariable(kTime, kEps)) << r.errorText();
            const Curve y = r.curve(*s[3]);
            for (std::size_t i = 1; i < y.size(); ++i) {
                const Extended expected = code == 50 ? 3 + 2 * y.t[i] : (memory == 0 ? 0 : 3);
                ASSERT_NEAR(y.y[i], expected, kEps) << code << " memory " << memory << " t " << y.t[i];
            }
        }
    }
}

// Sources driven by their own counts (the delta's pulse) step once per output point
// however often the integrator evaluates the scheme; the ramp follows the time.
TEST(SourcesVariableStep, AdvanceOncePerOutputPoint) {
    BlockRun r;
    auto ramp = r.chain({37, 62});
    auto delta = r.chain({36, 27, 62}, 8);  // the integral of the delta function
    set(*ramp[0], 0, 2);
    ASSERT_TRUE(r.runVariable(kTime, kEps)) << r.errorText();
    const Curve y = r.curve(*ramp[1]), area = r.curve(*delta[2]);
    for (std::size_t i = 0; i < y.size(); ++i) ASSERT_NEAR(y.y[i], 2 * y.t[i], kSummedTolerance) << i;
    EXPECT_NEAR(area.y.back(), 1, kEps);
}

// The largest error of a recorded curve against the exact one.
Extended largestError(const Curve& y, const Response& exact) {
    Extended worst = 0;
    for (std::size_t i = 0; i < y.size(); ++i) worst = std::max(worst, std::fabs(y.y[i] - exact(y.t[i])));
    return worst;
}

// A sine source into an integrator (1 - cos t) and into a lag with T = 0.5; the
// integrator sees the source at the times it evaluates the scheme, so the error follows
// the accuracy asked. For the integrator alone the rule is exact up to the third order,
// so its error is small from the coarsest accuracy on; the lag's falls with Eps.
class SineResponse {
public:
    explicit SineResponse(int code) : e(r.chain({34, code, 62})) {
        set(*e[0], 0, 1);  // A
        set(*e[0], 1, 1);  // w
        set(*e[0], 2, 0);  // Phase
        set(*e[1], 0, 1);  // K
        if (code == 22) {
            set(*e[1], 1, kLag);  // T
            set(*e[1], 2, 0);     // H y
        } else {
            set(*e[1], 1, 0);  // H y
        }
    }
    bool run(Extended eps) { return r.runVariable(10, eps); }
    Extended error() const {
        const bool lag = e[1]->Code == 22;
        return largestError(r.curve(*e[2]), [lag](Extended t) {
            if (!lag) return 1 - std::cos(t);
            return (std::sin(t) - kLag * std::cos(t) + kLag * std::exp(-t / kLag)) / (1 + kLag * kLag);
        });
    }

    static constexpr Extended kLag = 0.5L;
    BlockRun r;
    std::vector<Element*> e;
};

TEST(SourcesVariableStep, SineResponseErrorFallsWithEps) {
    for (int code : {27, 22}) {
        Extended coarser = 1;
        for (Extended eps : {1e-2L, 1e-4L, 1e-6L}) {
            SineResponse s(code);
            ASSERT_TRUE(s.run(eps)) << code << " " << eps << ": " << s.r.errorText();
            if (code == 22) EXPECT_LT(s.error(), coarser) << eps;
            else EXPECT_LE(s.error(), coarser) << eps;
            coarser = s.error();
        }
        EXPECT_LT(coarser, kFourDigits) << code;
        SineResponse finest(code);
        EXPECT_TRUE(finest.run(1e-8L)) << code << ": " << finest.r.errorText();
        EXPECT_LT(finest.error(), kFourDigits) << code;
    }
}

// A step input does not depend on time: its runs are what they were before the
// integrator handed each evaluation its time, to the last bit.
TEST(SourcesVariableStep, StepInputRunIsUnchanged) {
    BlockRun r;
    auto e = r.chain({33, 22, 26, 62});
    set(*e[1], 1, 0.5L);  // T of the aperiodic link
    ASSERT_TRUE(r.runVariable(kTime, kEps)) << r.errorText();
    const Curve y = r.curve(*e[3]);
    ASSERT_EQ(y.size(), 213u);
    // samples and values of the runs before each evaluation was handed its time
    const std::vector<std::pair<std::size_t, Extended>> before = {{1, 7.2879683610874157473e-06L},
                                                                  {20, 0.039249401775236947287L},
                                                                  {100, 0.9409297823995075305L},
                                                                  {212, 1.0373256495477107819L}};
    for (const auto& [i, value] : before) {
        EXPECT_EQ(y.t[i], Real48(i * r.wb.settings.Step.get()).get()) << i;
        EXPECT_EQ(y.y[i], Real48(value).get()) << i;
    }
}

// Periodic generators count their periods from the integrator's time, which goes back
// when a step is retried: the areas under them come out per period.
TEST(SourcesVariableStep, PeriodicGeneratorsKeepTheirPeriods) {
    struct Case {
        int code;
        std::vector<Extended> params;
        Response area;  // the integral of the signal from 0
    };
    const auto frac = [](Extended t) { return t - std::floor(t); };
    const std::vector<Case> cases = {
        // pulses of 1 for the first half of every second: 0.5 per period
        {106, {1, 0.5L, 1}, [&](Extended t) { return 0.5L * std::floor(t) + std::min(frac(t), 0.5L); }},
        // rising saw-tooth of period 1 whose sign alternates: +1/2, -1/2, ...
        {110,
         {1, 1, 1},
         [&](Extended t) {
             const Extended f = frac(t), within = f * f / 2;
             return static_cast<long>(std::floor(t)) % 2 == 0 ? within : 0.5L - within;
         }},
    };
    for (const Case& c : cases) {
        BlockRun r;
        auto e = r.chain({c.code, 27, 62});
        for (std::size_t i = 0; i < c.params.size(); ++i) set(*e[0], static_cast<int>(i), c.params[i]);
        set(*e[1], 0, 1);
        set(*e[1], 1, 0);
        ASSERT_TRUE(r.runVariable(kTime, kEps)) << c.code << ": " << r.errorText();
        EXPECT_LT(largestError(r.curve(*e[2]), c.area), 10 * kEps) << c.code;
    }
}

TEST(VariableStepFaults, ZeroTimeConstantOrImproperLinkEndsTheRun) {
    {
        BlockRun r;
        auto e = r.chain({33, 22, 62});
        set(*e[1], 1, 0);  // T
        EXPECT_FALSE(r.runVariable(kTime, kEps));
        EXPECT_EQ(r.errorText(), "Floating point division by zero");
    }
    {
        BlockRun r;
        auto e = r.chain({33, 28, 62});
        dynamic_cast<PolynomialLink&>(*e[1]).entry.setDegrees(2, 1);
        EXPECT_FALSE(r.runVariable(kTime, kEps));
        EXPECT_EQ(r.errorText(), "Error in input data");
    }
}

}  // namespace
