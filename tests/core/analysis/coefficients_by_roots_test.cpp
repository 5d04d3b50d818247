// Coefficients by roots (82): the roots multiplied out against numpy's poly, and what
// the hand entry takes.
#include "core/analysis/coefficients_by_roots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <optional>
#include <sstream>

#include "core/analysis/polynomial_from_roots.h"
#include "core/blocks/polynomial_entry.h"
#include "core/scripted_host.h"

namespace velmar {
namespace {

using C = std::complex<long double>;

// The coefficients are stored as 6-byte reals: 40 bits of mantissa.
constexpr long double kStoredPrecision = 1e-11L;

std::string text(long double v) {
    std::ostringstream s;
    s.precision(21);
    s << v;
    return s.str();
}

// numpy.poly of every set of roots (descending powers), from the first python3 that has
// numpy; nothing when none has.
std::optional<std::vector<std::vector<long double>>> numpyPoly(const std::vector<std::vector<C>>& sets) {
    std::string lists;
    for (const auto& roots : sets) {
        lists += "[";
        for (const C& r : roots) lists += "complex(" + text(r.real()) + "," + text(r.imag()) + "),";
        lists += "],";
    }
    const std::string script = "import numpy\nfor r in [" + lists +
                               "]: print(' '.join(repr(float(c.real)) for c in numpy.poly(r)))";
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        FILE* pipe = popen((std::string(python) + " -c \"" + script + "\" 2>/dev/null").c_str(), "r");
        if (!pipe) continue;
        std::string out;
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        if (pclose(pipe) != 0) continue;
        std::istringstream lines(out);
        std::vector<std::vector<long double>> polys;
        for (std::string line; std::getline(lines, line);) {
            std::istringstream in(line);
            polys.emplace_back();
            for (long double v; in >> v;) polys.back().push_back(v);
        }
        if (polys.size() == sets.size()) return polys;
    }
    return std::nullopt;
}

void answerRoots(ScriptedHost& host, const std::vector<C>& roots) {
    host.setAnswer("Roots number", std::to_string(roots.size()));
    for (std::size_t k = 0; k < roots.size(); ++k) {
        host.setAnswer("Re" + std::to_string(k + 1), text(roots[k].real()));
        host.setAnswer("Im" + std::to_string(k + 1), text(roots[k].imag()));
    }
}

TEST(CoefficientsByRoots, MultipliesOutAsNumpysPoly) {
    const std::vector<std::vector<C>> sets = {
        {-4},
        {-1, -2, -3},
        {0, -1, -1},
        {C(-0.5L, 2), C(-0.5L, -2), -3, 0.25L},
        {C(1, 1), C(1, -1), C(-2, 0.5L), C(-2, -0.5L), -0.1L, 7},
        {-1, -1.5L, -2, -2.5L, -3, -3.5L, -4, -4.5L, -5, -5.5L},
    };
    const auto polys = numpyPoly(sets);
    if (!polys) GTEST_SKIP() << "no python3 with numpy";
    for (std::size_t k = 0; k < sets.size(); ++k) {
        const auto& roots = sets[k];
        const std::vector<long double>& expected = (*polys)[k];
        ASSERT_EQ(expected.size(), roots.size() + 1);
        ScriptedHost host;
        answerRoots(host, roots);
        PolynomialEntry hand;
        hand.reset(1);
        ASSERT_TRUE(coefficientsByRoots(host, hand));
        const int n = static_cast<int>(roots.size());
        ASSERT_EQ(hand.n(), n);
        long double scale = 0;
        for (long double c : expected) scale = std::max(scale, std::fabs(c));
        for (int i = 0; i <= n; ++i)  // numpy lists the highest power first
            EXPECT_NEAR(hand.B[i], expected[static_cast<std::size_t>(n - i)], kStoredPrecision * scale)
                << "root count " << n << ", power " << i;
    }
}

TEST(CoefficientsByRoots, ShowsThePolynomialAndTakesTheChosenRole) {
    ScriptedHost host;
    answerRoots(host, {-1, -2});  // s^2 + 3s + 2
    host.setAnswer("Take as", "numerator");
    PolynomialEntry hand;
    hand.reset(1);
    hand.setDegrees(0, 1);
    ASSERT_TRUE(coefficientsByRoots(host, hand));
    EXPECT_EQ(host.lines, (std::vector<std::string>{"canvas: c 0 =   2.00000", "canvas: c 1 =   3.00000",
                                                     "canvas: c 2 =   1.00000"}));
    EXPECT_EQ(hand.A, (Polynomial{2, 3, 1}));
    EXPECT_EQ(hand.initialA.size(), 3u);
    EXPECT_EQ(hand.B, (Polynomial{1, 1}));  // the other polynomial stays
}

TEST(CoefficientsByRoots, UnpairedComplexRootsChangeNothing) {
    ScriptedHost host;
    answerRoots(host, {C(-1, 1), -2});
    PolynomialEntry hand;
    hand.reset(1);
    EXPECT_FALSE(coefficientsByRoots(host, hand));
    EXPECT_EQ(host.messagesOf(Box::Error), std::vector<std::string>{kRootsNotConjugate});
    EXPECT_EQ(hand.B, Polynomial{1});
    EXPECT_EQ(hand.initialB.size(), 1u);
}

}  // namespace
}  // namespace velmar
