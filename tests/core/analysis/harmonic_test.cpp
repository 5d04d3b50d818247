// Real roots, the self-oscillation of a relay loop and the frequency-amplitude scan,
// against closed forms and complex evaluation.
#include "core/analysis/harmonic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "core/analysis/real_roots.h"
#include "core/blocks/nonlinear_describing.h"
#include "core/scripted_host.h"

namespace velmar {
namespace {

using C = std::complex<long double>;

constexpr Extended kRootTolerance = 1e-12L;
constexpr Extended kBalanceTolerance = 1e-9L;

Coefficients fromRoots(const std::vector<Extended>& roots) {
    Coefficients c{1};
    for (const Extended r : roots) {
        Coefficients next(c.size() + 1, 0);
        for (std::size_t i = 0; i < c.size(); ++i) {
            next[i + 1] += c[i];
            next[i] -= r * c[i];
        }
        c = next;
    }
    return c;
}

C at(const Polynomial& p, Extended omega) {
    C v = 0;
    for (int i = p.order(); i >= 0; --i) v = v * C(0, omega) + p[i];
    return v;
}

// Every real root once, ascending; complex pairs and touching double roots add none.
TEST(RealRoots, FindsEveryCrossingOfTheAxis) {
    struct Case {
        Coefficients c;
        std::vector<Extended> roots;
    } cases[] = {
        {fromRoots({-3, -1, 0.5L, 2}), {-3, -1, 0.5L, 2}},
        {fromRoots({1e-3L, 10, 1000}), {1e-3L, 10, 1000}},
        {{1, 0, 1}, {}},                      // s^2 + 1
        {{-2, 0, 1, 0, 0, 0, 1}, {-1, 1}},    // s^6 + s^2 - 2
        {fromRoots({2, 2, 2, -1}), {-1, 2}},  // a triple root crosses once
        {{0, 0, 3}, {0}},                     // 3 s^2 is 0 at 0
        {{5}, {}},
    };
    for (const Case& c : cases) {
        const std::vector<Extended> found = realRoots(c.c);
        ASSERT_EQ(found.size(), c.roots.size());
        for (std::size_t i = 0; i < found.size(); ++i)
            EXPECT_NEAR(found[i], c.roots[i], 1e-5L * std::max<Extended>(1, std::fabs(c.roots[i])));
    }
    // Simple roots come to full precision.
    const std::vector<Extended> simple = realRoots(fromRoots({-3, -1, 0.5L, 2}));
    EXPECT_NEAR(simple[2], 0.5L, kRootTolerance);
}

// Factors w stripped, the even part solved in w^2.
TEST(RealRoots, PositiveRootsOfAnEvenPolynomialTimesAPowerOfW) {
    // w^3 U(w^2) with U's roots 4, 9 and -1.
    const Coefficients u = fromRoots({4, 9, -1});  // in u = w^2
    Coefficients c(2 * u.size() + 2, 0);
    for (std::size_t i = 0; i < u.size(); ++i) c[2 * i + 3] = u[i];
    const std::vector<Extended> w = positiveRealRoots(c);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_NEAR(w[0], 2, kRootTolerance);
    EXPECT_NEAR(w[1], 3, kRootTolerance);
}

// An ideal relay of level b in the loop -k/(1 + s)^3: the crossover at sqrt(3), where
// W = k/8, and A = 4 b W / pi, whether the numerator is a constant (where the
// imaginary parts vanish) or carries a zero.
TEST(SelfOscillation, IdealRelayBalancesTheLoop) {
    const Extended b = 1.5L;
    const auto rule = [b](Extended x, Extended y) { return describing::idealRelayAmplitude(b, x, y); };
    const Polynomial cube{1, 3, 3, 1};
    const TransferFunction constant{Polynomial{-2}, cube};
    SelfOscillation s = findSelfOscillation(constant, rule);
    ASSERT_EQ(s.status, OscillationStatus::Found);
    EXPECT_NEAR(s.frequency, std::sqrt(3.0L), kRootTolerance);
    EXPECT_NEAR(s.amplitude, 4 * b * 0.25L / describing::kPi, kRootTolerance);

    // With a zero: the balance q(A) W(jw) = 1 at the reported point.
    const TransferFunction zero{Polynomial{-2, -0.5L}, Polynomial{1, 3, 3, 1, 0.2L}};
    s = findSelfOscillation(zero, rule);
    ASSERT_EQ(s.status, OscillationStatus::Found);
    const C W = at(zero.A, s.frequency) / at(zero.B, s.frequency);
    EXPECT_NEAR(std::abs(W.imag()), 0, kBalanceTolerance);
    EXPECT_NEAR(4 * b / (describing::kPi * s.amplitude) * W.real(), 1, kBalanceTolerance);
}

TEST(SelfOscillation, RefusesAnUnstablePartAndReportsNoCrossover) {
    const auto rule = [](Extended x, Extended y) { return x / y; };
    EXPECT_EQ(findSelfOscillation({Polynomial{1}, Polynomial{-1, 1, 1, 1}}, rule).status,
              OscillationStatus::Unstable);
    // An integrator is not a right root.
    EXPECT_EQ(findSelfOscillation({Polynomial{-1}, Polynomial{0, 1, 1.5L, 0.5L}}, rule).status,
              OscillationStatus::Found);
    // A first-order lag never crosses the real axis.
    const SelfOscillation none = findSelfOscillation({Polynomial{1}, Polynomial{1, 1}}, rule);
    EXPECT_EQ(none.status, OscillationStatus::NoCrossover);
    ScriptedHost host;
    showSelfOscillation(host, none);
    EXPECT_EQ(host.messagesOf(Box::Error), std::vector<std::string>{kCannotSolve});
}

// The hysteresis relay's in-phase gain rises and falls with A, so one crossover of
// -10/(1 + s)^3 (W = 1.25) balances at two amplitudes.
TEST(FrequencyAmplitudeScan, ReportsEveryBalanceOnTheGrids) {
    const TransferFunction w{Polynomial{-10}, Polynomial{1, 3, 3, 1}};
    const auto q = [](Extended A) { return describing::relayWithHysteresis(1, 0.5L, A); };
    const std::vector<BalancePoint> points = scanBalance(w, q, {0.1L, 5, 0.01L}, {0.1L, 5, 0.01L});
    ASSERT_EQ(points.size(), 2u);
    for (const BalancePoint& p : points) {
        const C W = at(w.A, p.omega) / at(w.B, p.omega);
        EXPECT_NEAR(q(p.amplitude) * W.real(), 1, kBalanceTolerance);
        EXPECT_NEAR(W.imag(), 0, kBalanceTolerance);
    }
    EXPECT_LT(points[0].amplitude, points[1].amplitude);
    // Grids that miss the crossover find nothing.
    EXPECT_TRUE(scanBalance(w, q, {0.1L, 1.5L, 0.01L}, {0.1L, 5, 0.01L}).empty());
}

TEST(HarmonicSweep, ListCaptionsAndCurves) {
    EXPECT_EQ(sweepCaptions("K3"), (std::vector<std::string>{"W( K3 )", " A( K3 )"}));
    ScriptedHost host;
    host.methodCodes = {MethodCode::HarmonicAmplitude, MethodCode::HarmonicFrequency};
    offerSweep(host, "K3", {{1, 2, 3}, {2, 0, 0}});
    ASSERT_EQ(host.graphs.size(), 2u);
    EXPECT_EQ(host.graphs[0].curves[0].name, "Amlitude");
    EXPECT_EQ(host.graphs[0].curves[0].y, (std::vector<Extended>{3, 0}));
    EXPECT_EQ(host.graphs[1].curves[0].name, "Frecuency");
    EXPECT_EQ(host.graphs[1].curves[0].x, (std::vector<Extended>{1, 2}));
    EXPECT_EQ(host.lines.front(), "list: W( K3 ) |  A( K3 )");
}

}  // namespace
}  // namespace velmar
