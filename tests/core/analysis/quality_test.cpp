// Error coefficients, the integral square estimate and the square-functional weights
// against closed forms and independent computations.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>

#include "core/analysis/integral_estimate.h"
#include "core/analysis/quality.h"
#include "core/analysis/square_functional.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "support/tolerances.h"

namespace velmar {
namespace {

using testing::kRoundingTolerance;
using testing::kSummedTolerance;
using Coefficients = std::vector<Extended>;

IntegralEstimate estimate(const Coefficients& n, const Coefficients& d) {
    return integralSquareEstimate(n, d);
}

TEST(ErrorCoefficients, SeriesOfKnownTransferFunctions) {
    // 1/(s + 1) = 1 - s + s^2 - ...: Ci = i! (-1)^i.
    const auto lag = errorCoefficients({Polynomial{1}, Polynomial{1, 1}}, 3);
    ASSERT_TRUE(lag);
    EXPECT_EQ(std::vector<Extended>(lag->begin(), lag->end()), (std::vector<Extended>{1, -1, 2, -6}));
    // s/(s + 2): the numerator's coefficients above its order count as 0.
    // s/(2 + s) = s/2 - s^2/4 + s^3/8: C = 0, 1/2, -2/4, 6/8.
    const auto lead = errorCoefficients({Polynomial{0, 1}, Polynomial{2, 1}}, 3);
    ASSERT_TRUE(lead);
    EXPECT_EQ(std::vector<Extended>(lead->begin(), lead->end()),
              (std::vector<Extended>{0, 0.5L, -0.5L, 0.75L}));
    EXPECT_FALSE(errorCoefficients({Polynomial{1}, Polynomial{0, 1}}, 2));  // a pole at s = 0
}

TEST(ErrorCoefficients, DialogAndCanvasLines) {
    ScriptedHost host;
    host.addAnswer("k=2");
    showErrorCoefficients(host, {Polynomial{1}, Polynomial{1, 1}});
    EXPECT_EQ(host.lines,
              (std::vector<std::string>{
                  "canvas:       Error coefficients :     ", "canvas: -------------------------------",
                  "canvas: C[0] =   1.0000", "canvas: C[1] =  -1.0000", "canvas: C[2] =   2.0000"}));
    ScriptedHost refused;
    refused.addAnswer("k=2.5");
    showErrorCoefficients(refused, {Polynomial{1}, Polynomial{1, 1}});
    EXPECT_EQ(refused.messagesOf(Box::Error).size(), 1u);
}

// Closed forms of I for E = N/D of orders 1 to 3 (a: D ascending, b: N ascending).
Extended closedForm(const std::vector<Extended>& b, const std::vector<Extended>& a) {
    auto at = [](const std::vector<Extended>& c, std::size_t i) { return i < c.size() ? c[i] : 0; };
    switch (a.size() - 1) {
        case 1: return at(b, 0) * at(b, 0) / (2 * a[0] * a[1]);
        case 2: return (at(b, 1) * at(b, 1) * a[0] + at(b, 0) * at(b, 0) * a[2]) / (2 * a[0] * a[1] * a[2]);
        default:
            return (at(b, 2) * at(b, 2) * a[0] * a[1] +
                    (at(b, 1) * at(b, 1) - 2 * at(b, 0) * at(b, 2)) * a[0] * a[3] +
                    at(b, 0) * at(b, 0) * a[2] * a[3]) /
                   (2 * a[0] * a[3] * (a[1] * a[2] - a[0] * a[3]));
    }
}

TEST(IntegralEstimate, AgreesWithClosedForms) {
    struct Case {
        std::vector<Extended> n, d;
    } cases[] = {
        {{1}, {1, 1}},     // 1/(s+1): 0.5
        {{2}, {3, 0.5L}},  // order 1
        {{1}, {2, 3, 1}},  // a numerator two degrees lower, aligned
        {{1.5L, -0.7L}, {2, 3, 1.2L}},
        {{1}, {1, 3, 3, 1}},  // (s+1)^3
        {{0.3L, 2, 1}, {4, 5, 3, 1}},
        {{0, 0, 2}, {1, 2.5L, 2, 0.5L}},
    };
    for (const Case& c : cases) {
        const IntegralEstimate e = estimate(c.n, c.d);
        ASSERT_TRUE(e.ok());
        EXPECT_NEAR(e.value, closedForm(c.n, c.d), kSummedTolerance * closedForm(c.n, c.d));
    }
    EXPECT_EQ(integralSquareEstimate(Polynomial{1}, Polynomial{1, 1}).value.get(), 0.5L);
    // Both polynomials negated: the same E(s), the same estimate.
    EXPECT_NEAR(estimate({-1.5L, 0.7L}, {-2, -3, -1.2L}).value, closedForm({1.5L, -0.7L}, {2, 3, 1.2L}),
                kRoundingTolerance);
}

TEST(IntegralEstimate, StatusInsteadOfFailure) {
    EXPECT_EQ(estimate({1}, {1, -1}).status, EstimateStatus::Unstable);     // 1/(s - 1)
    EXPECT_EQ(estimate({1}, {1, 0, 1}).status, EstimateStatus::Unstable);   // undamped
    EXPECT_EQ(estimate({1}, {-1, 1, 1}).status, EstimateStatus::Unstable);  // a right root
    EXPECT_EQ(estimate({1, 1}, {1, 1}).status, EstimateStatus::Improper);   // (s+1)/(s+1)
    EXPECT_EQ(estimate({1}, {}).status, EstimateStatus::Unstable);
    const IntegralEstimate zero = estimate({0}, {1, 1});
    EXPECT_TRUE(zero.ok());
    EXPECT_EQ(zero.value.get(), 0.0L);
}

TEST(SquareFunctional, WeightsOfOrdersOneAndTwo) {
    // Order 1: gamma1 = c1^2; with c = a/a0, D = 2 + 3s gives c1 = 1.5.
    const FunctionalWeights one = squareFunctionalWeights({2, 3});
    ASSERT_EQ(one.status, FunctionalStatus::Done);
    EXPECT_EQ(std::vector<Extended>(one.gamma.begin(), one.gamma.end()), (std::vector<Extended>{2.25L}));
    // Order 2: gamma1 = c1^2 - 2 c2, gamma2 = c2^2; D = 1 + 3s + 2s^2.
    const FunctionalWeights two = squareFunctionalWeights({1, 3, 2});
    EXPECT_EQ(std::vector<Extended>(two.gamma.begin(), two.gamma.end()), (std::vector<Extended>{5, 4}));
    // The same polynomial by its roots -0.5 and -1 (2 (s + 0.5)(s + 1)).
    const FunctionalWeights roots = squareFunctionalWeightsFromRoots({{-0.5L, 0}, {-1, 0}});
    ASSERT_EQ(roots.gamma.size(), 2u);
    EXPECT_NEAR(roots.gamma[0], 5, kRoundingTolerance);
    EXPECT_NEAR(roots.gamma[1], 4, kRoundingTolerance);
}

// D(s) D(-s) = sum (-1)^k gamma_k s^2k for normalised D: multiplied out here.
TEST(SquareFunctional, WeightsFactorDTimesDOfMinusS) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coefficient(0.2, 3.0);
    for (int n = 1; n <= kMaxFunctionalOrder; ++n) {
        std::vector<Extended> d(static_cast<std::size_t>(n) + 1);
        for (Extended& v : d) v = coefficient(random);
        const FunctionalWeights w = squareFunctionalWeights(d);
        ASSERT_EQ(w.gamma.size(), static_cast<std::size_t>(n));
        std::vector<Extended> product(2 * d.size() - 1, 0);
        for (std::size_t i = 0; i < d.size(); ++i)
            for (std::size_t j = 0; j < d.size(); ++j)
                product[i + j] += (d[i] / d[0]) * (d[j] / d[0]) * (j % 2 ? -1 : 1);
        for (int k = 1; k <= n; ++k)
            EXPECT_NEAR(w.gamma[static_cast<std::size_t>(k - 1)],
                        (k % 2 ? -1 : 1) * product[2 * static_cast<std::size_t>(k)],
                        kSummedTolerance * (1 + std::fabs(product[2 * static_cast<std::size_t>(k)])))
                << "order " << n << ", k " << k;
    }
}

TEST(SquareFunctional, RefusesWhatItCannotCompute) {
    EXPECT_EQ(squareFunctionalWeights({1, 1, 1, 1, 1, 1, 1}).status, FunctionalStatus::OrderOutOfRange);
    EXPECT_EQ(squareFunctionalWeights({5}).status, FunctionalStatus::OrderOutOfRange);
    EXPECT_EQ(squareFunctionalWeights({0, 1, 1}).status, FunctionalStatus::ZeroConstantTerm);
    EXPECT_EQ(squareFunctionalWeightsFromRoots({{-1, 1}}).status, FunctionalStatus::NotConjugate);
    const FunctionalWeights pair = squareFunctionalWeightsFromRoots({{-1, 1}, {-1, -1}});  // s^2 + 2s + 2
    ASSERT_EQ(pair.status, FunctionalStatus::Done);
    EXPECT_NEAR(pair.gamma[0], 1 - 2 * 0.5L, kRoundingTolerance);  // c = 1, 1, 0.5
    EXPECT_NEAR(pair.gamma[1], 0.25L, kRoundingTolerance);
}

TEST(SquareFunctional, CalculatorWindowTexts) {
    ScriptedHost host;
    EXPECT_EQ(squareFunctionalInputHeaders(false, 2), (std::vector<std::string>{"C0", "C1", "C2"}));
    EXPECT_EQ(squareFunctionalInputHeaders(true, 2), (std::vector<std::string>{"X1", "X2"}));
    EXPECT_EQ(squareFunctionalWeightHeaders(2), (std::vector<std::string>{"T1^2", "T2^2"}));
    // Coefficients 2, 6, 4 are taken relative to the leading one: 0.5, 1.5, 1.
    const auto byCoefficients = solveSquareFunctional(host, false, {"2", "6", "4"}, {});
    ASSERT_TRUE(byCoefficients);
    EXPECT_EQ(*byCoefficients, (std::vector<std::string>{scientificText(5, 3), scientificText(4, 3)}));
    const auto byRoots = solveSquareFunctional(host, true, {"-0.5", "-1"}, {"0", "0"});
    ASSERT_TRUE(byRoots);
    EXPECT_EQ(byRoots->size(), 2u);
    EXPECT_FALSE(solveSquareFunctional(host, false, {"1", "x"}, {}));
    EXPECT_FALSE(solveSquareFunctional(host, false, {"1", "1", "1", "1", "1", "1", "1"}, {}));
    EXPECT_EQ(host.messagesOf(Box::Error).size(), 2u);
    EXPECT_FALSE(squareFunctionalOrder(host, "0"));
    EXPECT_EQ(squareFunctionalOrder(host, "2"), 2);
}

TEST(SquareFunctional, SynthesisItemsReportTheWeights) {
    const TransferFunction w{Polynomial{1}, Polynomial{1, 3, 2}};
    auto weightLines = [](const ScriptedHost& host) {
        std::vector<std::string> out;
        for (const auto& l : host.lines)
            if (l.rfind("report: T[", 0) == 0) out.push_back(l);
        return out;
    };
    const std::vector<std::string> expected = {"report: T[1]^2 = " + floatText(5),
                                               "report: T[2]^2 = " + floatText(4)};
    ScriptedHost current;
    functionalMinimisationItem(current, w, MethodCode::MinimiseByCurrent);
    EXPECT_EQ(weightLines(current), expected);
    ScriptedHost typed;
    for (const char* a : {"Polinom order=2", "c0=1", "c1=3", "c2=2"}) typed.addAnswer(a);
    functionalMinimisationItem(typed, w, MethodCode::MinimiseByCoefficients);
    EXPECT_EQ(weightLines(typed), expected);
    ScriptedHost roots;
    for (const char* a : {"Roots number=2", "Re1=-0.5", "Im1=0", "Re2=-1", "Im2=0"}) roots.addAnswer(a);
    functionalMinimisationItem(roots, w, MethodCode::MinimiseByRoots);
    ASSERT_EQ(weightLines(roots).size(), 2u);
    // The list offers the items until it is left.
    ScriptedHost list;
    list.methodCodes = {MethodCode::MinimiseByCurrent, MethodCode::MinimiseByCurrent};
    squareIntegralEstimation(list, w);
    EXPECT_EQ(weightLines(list).size(), 4u);
}

}  // namespace
}  // namespace velmar
