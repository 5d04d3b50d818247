// Linear links, filters, delays and controlled integrators in variable-step runs,
// checked against the exact continuous responses to a unit step.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

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

// Sources step once per output point however often the integrator evaluates the scheme.
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
