// The Popov sector bound against a brute-force search (support/popov_brute_force.h).
#include "core/analysis/popov.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "core/analysis/analysis_state.h"
#include "core/scripted_host.h"
#include "support/popov_brute_force.h"

namespace velmar {
namespace {

using C = std::complex<long double>;

C at(const Polynomial& p, long double omega) {
    C v = 0;
    for (int i = p.order(); i >= 0; --i) v = v * C(0, omega) + p[i];
    return v;
}

long double bruteForceBound(const TransferFunction& w) {
    return testing::BruteForcePopovBound([&w](long double omega) { return at(w.A, omega) / at(w.B, omega); },
                                         -4, 4, 1000);
}

struct PopovCase {
    const char* name;
    TransferFunction w;
};

void PrintTo(const PopovCase& c, std::ostream* os) { *os << c.name; }

class PopovBoundTest : public ::testing::TestWithParam<PopovCase> {};

TEST_P(PopovBoundTest, AgreesWithTheBruteForceWithinOnePercent) {
    const PopovResult r = popovBound(GetParam().w);
    ASSERT_EQ(r.status, PopovStatus::Found);
    const long double expected = bruteForceBound(GetParam().w);
    EXPECT_NEAR(r.kkrit, expected, 0.01L * expected) << GetParam().name;
    EXPECT_NEAR(r.x0, -1 / r.kkrit, 1e-12L);
    ASSERT_FALSE(r.touching.empty());
    for (const PopovPoint& p : r.touching) EXPECT_NEAR(p.x - r.q * p.y, r.x0, 1e-6L * std::fabs(r.x0));
}

INSTANTIATE_TEST_SUITE_P(
    Plants, PopovBoundTest,
    ::testing::Values(PopovCase{"cube", {Polynomial{10}, Polynomial{1, 3, 3, 1}}},
                      PopovCase{"four lags", {Polynomial{1}, Polynomial{1, 1.8L, 0.97L, 0.18L, 0.01L}}},
                      PopovCase{"zero", {Polynomial{1, 2}, Polynomial{1, 2.4L, 1.83L, 0.43L, 0.03L}}},
                      PopovCase{"integrator", {Polynomial{1}, Polynomial{0, 1, 1.5L, 0.5L}}},
                      PopovCase{"resonance", {Polynomial{1}, Polynomial{1, 1.2L, 1.2L, 1}}},
                      PopovCase{"sixth order",
                                {Polynomial{2}, Polynomial{1, 4.2L, 6.9L, 5.6L, 2.4L, 0.5L, 0.04L}}}),
    [](const auto& info) {
        std::string n = info.param.name;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

// 10/(1 + s)^3: the line through -1/0.8 is vertical, touching at the crossover sqrt(3).
TEST(PopovBound, KnownCaseAndAnUnboundedOne) {
    const PopovResult r = popovBound({Polynomial{10}, Polynomial{1, 3, 3, 1}});
    EXPECT_NEAR(r.kkrit, 0.8L, 1e-9L);
    ASSERT_EQ(r.touching.size(), 1u);
    EXPECT_NEAR(r.touching[0].omega, std::sqrt(3.0L), 1e-9L);
    // (s + 2)/(s + 1)^3 never reaches the left of the origin's line: any sector.
    const PopovResult any = popovBound({Polynomial{2, 1}, Polynomial{1, 3, 3, 1}});
    EXPECT_EQ(any.status, PopovStatus::Unbounded);
    ScriptedHost host;
    showPopov(host, r);
    EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{"Kkrit =  8.000E-0001"});
}

// Method 60: the modified hodograph, the Popov line, the M-circle and its tangent.
TEST(ModifiedPopovHodograph, HandsTheFourCurvesAndTheTexts) {
    ScriptedHost host;
    host.setAnswer("w(end)", "3");
    host.setAnswer("step", "0.5");
    AnalysisState state;
    const TransferFunction w{Polynomial{10}, Polynomial{1, 3, 3, 1}};
    showModifiedPopov(host, state, w);
    ASSERT_EQ(host.graphs.size(), 1u);
    const auto& curves = host.graphs[0].curves;
    ASSERT_EQ(curves.size(), 4u);
    EXPECT_EQ(curves[0].name, "Godograf");
    EXPECT_EQ(curves[1].name, "Line");
    EXPECT_EQ(curves[2].name, "Okrujnosti");
    EXPECT_EQ(curves[2].x.size(), 151u);
    EXPECT_EQ(curves[3].name, "Line m");
    // The grid: 1e-6, then steps of 0.5.
    for (std::size_t k = 0; k < curves[0].x.size(); ++k) {
        const long double om = k == 0 ? 1e-6L : 1e-6L + 0.5L * k;
        const C W = at(w.A, om) / at(w.B, om);
        EXPECT_NEAR(curves[0].x[k], W.real(), 1e-6L);
        EXPECT_NEAR(curves[0].y[k], om * W.imag(), 1e-6L);
    }
    ASSERT_EQ(host.graphs[0].texts.size(), 2u);
    EXPECT_EQ(host.graphs[0].texts[0].rfind("Radius=", 0), 0u);
    EXPECT_EQ(host.graphs[0].texts[1].rfind("L     =", 0), 0u);
}

}  // namespace
}  // namespace velmar
