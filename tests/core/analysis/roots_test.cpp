#include "core/analysis/roots.h"
#include "core/analysis/roots_list.h"
#include "core/scripted_host.h"

#include <gtest/gtest.h>

#include <complex>

namespace velmar {
namespace {

// The root finders stop at a correction of 1e-5 relative (Cauchy) or 1e-4 absolute
// (Bairstow); converged roots of deflated polynomials are far better, which the
// backward-error bound checks.
constexpr Extended kRootTolerance = 1e-6L;
constexpr Extended kResidualTolerance = 1e-7L;

using C = std::complex<long double>;

C evaluate(const Polynomial& p, C z) {
    C v = 0;
    for (int i = p.order(); i >= 0; --i) v = v * z + p[i];
    return v;
}

// |p(z)| relative to the size of the terms summed: the relative change of the
// coefficients that makes z an exact root.
Extended backwardError(const Polynomial& p, C z) {
    Extended terms = 0;
    for (int i = 0; i <= p.order(); ++i) terms += std::fabs(p[i]) * std::pow(std::abs(z), i);
    return std::abs(evaluate(p, z)) / terms;
}

// The monic polynomial with the given roots (conjugates listed explicitly).
Polynomial fromRoots(const std::vector<C>& roots) {
    std::vector<C> c{1};
    for (C r : roots) {
        std::vector<C> next(c.size() + 1, 0);
        for (size_t i = 0; i < c.size(); ++i) {
            next[i + 1] += c[i];
            next[i] -= r * c[i];
        }
        c = next;
    }
    Polynomial p;
    p.Allocate(static_cast<int>(c.size()) - 1);
    for (size_t i = 0; i < c.size(); ++i) p.set(static_cast<int>(i), c[i].real());
    return p;
}

struct KnownRoots {
    const char* name;
    Polynomial p;
    RootStatus status;
    std::vector<std::pair<Extended, Extended>> roots;  // in the order stored
};

TEST(FindRoots, KnownCases) {
    const KnownRoots cases[] = {
        {"double root", Polynomial{1, 2, 1}, RootStatus::Found, {{-1, 0}, {-1, 0}}},
        {"conjugate pair", Polynomial{1, 0, 1}, RootStatus::Found, {{0, 1}, {0, -1}}},
        {"first order", Polynomial{4, 2}, RootStatus::Found, {{-2, 0}}},
        {"first order at zero", Polynomial{0, 3}, RootStatus::Found, {{0, 0}}},
        {"first order left when the leading coefficient is 0", Polynomial{3, 1, 0}, RootStatus::Found, {{-3, 0}}},
        {"constant", Polynomial{5}, RootStatus::NotFound, {}},
        {"zero constant term", Polynomial{0, -2, 1}, RootStatus::Found, {{2, 0}, {0, 0}}},
        {"zero leading coefficient", Polynomial{6, 5, 1, 0}, RootStatus::Found, {{-2, 0}, {-3, 0}}},
        {"zero polynomial", Polynomial{0, 0, 0}, RootStatus::NotFound, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RootList r = FindRoots(c.p);
        EXPECT_EQ(r.status, c.status);
        ASSERT_EQ(r.count(), static_cast<int>(c.roots.size()));
        for (int i = 0; i < r.count(); ++i) {
            EXPECT_NEAR(r.re[i], c.roots[i].first, kRootTolerance);
            EXPECT_NEAR(r.im[i], c.roots[i].second, kRootTolerance);
        }
    }
}

// s^3 + 1: both derivatives vanish at the first estimate 0; the finder must leave it.
TEST(FindRoots, LeavesAnEstimateWhereBothDerivativesVanish) {
    const Polynomial p{1, 0, 0, 1};
    const RootList r = FindRoots(p);
    ASSERT_EQ(r.status, RootStatus::Found);
    ASSERT_EQ(r.count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_LT(backwardError(p, C(r.re[i], r.im[i])), kResidualTolerance);
    EXPECT_NEAR(r.re[0], 0.5L, kRootTolerance);  // sorted: the pair 0.5 +- 0.866j first
    EXPECT_NEAR(r.re[2], -1, kRootTolerance);
}

TEST(FindRoots, ResidualsOfPolynomialsBuiltFromKnownRoots) {
    const std::vector<std::vector<C>> sets = {
        {-1, -2, -3, -4, -5},
        {C(-0.5L, 2), C(-0.5L, -2), -3, 0.25L},
        {C(1, 1), C(1, -1), C(-2, 0.5L), C(-2, -0.5L), -0.1L, 7},
        {-1, -1.5L, -2, -2.5L, -3, -3.5L, -4, -4.5L, -5, -5.5L},
    };
    for (const auto& known : sets) {
        const Polynomial p = fromRoots(known);
        for (const RootList& r : {FindRoots(p), bairstowRoots(p)}) {
            ASSERT_EQ(r.status, RootStatus::Found);
            ASSERT_EQ(r.count(), p.order());
            for (int i = 0; i < r.count(); ++i) {
                const C z(r.re[i], r.im[i]);
                EXPECT_LT(backwardError(p, z), kResidualTolerance) << z;
            }
        }
    }
}

TEST(FindRoots, SortsByRealPartDescending) {
    const RootList r = FindRoots(fromRoots({-3, 2, -1, 0.5L}));
    ASSERT_EQ(r.count(), 4);
    for (int i = 1; i < 4; ++i) EXPECT_GE(r.re[i - 1], r.re[i]);
}

TEST(RootFinders, RefuseOrdersAbove30) {
    Polynomial p;
    p.Allocate(31);
    p.set(31, 1);
    p.set(0, 1);
    EXPECT_EQ(FindRoots(p).status, RootStatus::OrderTooHigh);
    EXPECT_EQ(bairstowRoots(p).status, RootStatus::OrderTooHigh);
}

TEST(BairstowRoots, SplitsZeroRootsAndKeepsPairs) {
    const RootList r = bairstowRoots(Polynomial{0, 0, 4, 0, 1});  // s^2 (s^2 + 4)
    ASSERT_EQ(r.status, RootStatus::Found);
    ASSERT_EQ(r.count(), 4);
    EXPECT_EQ(r.re[0].get(), 0);
    EXPECT_EQ(r.re[1].get(), 0);
    EXPECT_NEAR(std::fabs(r.im[2]), 2, kRootTolerance);
    EXPECT_NEAR(r.im[2] + r.im[3], 0, kRootTolerance);
}

}  // namespace
}  // namespace velmar

namespace velmar {
namespace {

TEST(RootsCalculator, OrderGridAndSolve) {
    ScriptedHost host;
    EXPECT_EQ(rooterOrder(host, "2"), 2);
    EXPECT_FALSE(rooterOrder(host, "31"));
    EXPECT_FALSE(rooterOrder(host, "1.5"));
    EXPECT_EQ(rooterCoefficientHeaders(2), (std::vector<std::string>{"C0", "C1", "C2"}));
    EXPECT_EQ(rooterRootHeaders(2), (std::vector<std::string>{"X1", "X2"}));

    const auto rows = solveRooter(host, {"2", "3", "1"});  // (s + 1)(s + 2)
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->re, (std::vector<std::string>{"-1.0E+0000", "-2.0E+0000"}));
    EXPECT_EQ(rows->im, (std::vector<std::string>{" 0.0E+0000", " 0.0E+0000"}));
    EXPECT_FALSE(solveRooter(host, {"1", "x"}));
    const auto single = solveRooter(host, {"4", "2"});  // a first-degree polynomial has its one root
    ASSERT_TRUE(single);
    EXPECT_EQ(single->re, std::vector<std::string>{"-2.0E+0000"});
    EXPECT_TRUE(host.messagesOf(Box::Information).empty());
    EXPECT_TRUE(solveRooter(host, {"4", "0"}));  // a constant has none
    EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{"Not found roots"});
    EXPECT_EQ(host.messagesOf(Box::Error).size(), 3u);
}

}  // namespace
}  // namespace velmar
