// The parameter searches on functions with a known minimum, the guards of the
// criterion evaluation, the user criterion and the criteria from W(s).
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>

#include "core/analysis/optimisation/objective.h"
#include "core/analysis/optimisation/search.h"
#include "core/analysis/optimisation/transfer_criteria.h"
#include "core/analysis/optimisation/user_criterion.h"
#include "core/numtext.h"

namespace velmar {
namespace {

using Vector = std::vector<Real48>;
constexpr Extended kStored = 1e-11L;  // an estimate is kept as a 6-byte real

// A criterion as a plain function, with the best point any evaluation saw.
struct Recorded {
    std::function<Extended(const Vector&)> f;
    Vector best;
    Extended bestValue = 1e300L;
    int computed = 0;
    CriterionEvaluation evaluation{{[this](const Vector& x) {
                                        ++computed;
                                        const Extended v = f(x);
                                        if (v < bestValue) bestValue = v, best = x;
                                        return v;
                                    },
                                    {},
                                    {}},
                                   0};
    explicit Recorded(std::function<Extended(const Vector&)> fn) : f(std::move(fn)) {}
};

Extended bowl(const Vector& x) { return 1 + (x[0] - 2) * (x[0] - 2) + 2 * (x[1] - 1) * (x[1] - 1); }

Extended rosenbrock(const Vector& x) {
    return 1 + 100 * (x[1] - x[0] * x[0]) * (x[1] - x[0] * x[0]) + (1 - x[0]) * (1 - x[0]);
}

struct MethodCase {
    SearchMethod method;
    Extended tolerance;  // of the point reached
};

class SearchConverges : public ::testing::TestWithParam<MethodCase> {};

TEST_P(SearchConverges, OnAQuadraticBowl) {
    Recorded r(bowl);
    Vector x = {1.0L, 3.0L};
    runSearch(GetParam().method, r.evaluation, x, startSteps(x), 1e-7L);
    ASSERT_FALSE(r.evaluation.aborted());
    EXPECT_NEAR(x[0], 2, GetParam().tolerance);
    EXPECT_NEAR(x[1], 1, GetParam().tolerance);
    EXPECT_LT(r.bestValue, 1 + GetParam().tolerance * GetParam().tolerance * 3);
    EXPECT_GE(r.evaluation.count(), r.computed);  // a vector with a negative component is not computed
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, SearchConverges,
                         ::testing::Values(MethodCase{SearchMethod::Poisk2, 1e-2L},
                                           MethodCase{SearchMethod::Poisk4, 1e-2L},
                                           MethodCase{SearchMethod::NelderMead, 1e-2L},
                                           MethodCase{SearchMethod::HookeJeeves, 1e-4L},
                                           MethodCase{SearchMethod::Gradient, 1e-2L},
                                           MethodCase{SearchMethod::CoordinateDescent, 1e-3L}));

TEST(NelderMead, FollowsRosenbrocksValley) {
    Recorded r(rosenbrock);
    Vector x = {0.5L, 1.5L};
    NelderMead(r.evaluation, x, startSteps(x));
    EXPECT_NEAR(r.best[0], 1, 2e-2L);
    EXPECT_NEAR(r.best[1], 1, 4e-2L);
    EXPECT_LT(r.bestValue, 1 + 1e-3L);
}

TEST(CriterionEvaluation, GuardsPenaltyAndCount) {
    EXPECT_EQ(significantText(penaltyValue(), 16), "9.999999999995347e+29");
    int computed = 0;
    std::vector<std::pair<int, Extended>> progress;
    CriterionEvaluation f({[&computed](const Vector& x) {
                               ++computed;
                               return static_cast<Extended>(x[0]);
                           },
                           {},
                           [&progress](int n, Extended v) { progress.emplace_back(n, v); }},
                          0.5L);
    EXPECT_EQ(f.value({-1.0L}), penaltyValue());  // never written, never computed
    EXPECT_EQ(computed, 0);
    EXPECT_EQ(f.value({0.25L}), penaltyValue());  // at or below Limitation
    EXPECT_EQ(f.value({0.5L}), penaltyValue());
    EXPECT_EQ(f.value({2.0L}), 2);
    EXPECT_EQ(f.plainValue({-1.0L}), -1);  // the descent methods' evaluation
    EXPECT_EQ(f.count(), 5);
    EXPECT_EQ(f.last(), -1);
    ASSERT_EQ(progress.size(), 5u);
    EXPECT_EQ(progress[3], (std::pair<int, Extended>{4, 2}));
    EXPECT_EQ(progress[0].second, penaltyValue());
}

TEST(CriterionEvaluation, EscapeAndAFullCounterStopTheSearch) {
    int polls = 0;
    CriterionEvaluation f({[](const Vector& x) { return bowl(x); }, [&polls] { return ++polls > 7; }, {}}, 0);
    Vector x = {1.0L, 3.0L};
    HookeJeeves(f, x, startSteps(x));
    EXPECT_TRUE(f.aborted());
    EXPECT_EQ(f.count(), 7);
    // A criterion that falls for ever would hold coordinate descent in its first sweep.
    CriterionEvaluation falling({[](const Vector& v) { return -static_cast<Extended>(v[0]); }, {}, {}}, 0);
    Vector y = {1.0L};
    CoordinateDescent(falling, y);
    EXPECT_TRUE(falling.aborted());
    EXPECT_EQ(falling.count(), kMaxEvaluations);
}

TEST(UserCriterion, LettersParsingAndValues) {
    EXPECT_EQ(criterionLetters(6), (std::vector<std::string>{"a", "b", "c", "d", "f", "g"}));
    EXPECT_EQ(criterionLetters(10).back(), "k");
    UserCriterion u;
    EXPECT_EQ(u.compile("a^2 + 3*b - sin(0)", criterionLetters(2)), kNoError);
    EXPECT_EQ(u.evaluate({3, 1}), 12);
    for (const char* bad : {"a^", "(a", "c", "a +* b", ""}) {
        const std::string message = u.compile(bad, criterionLetters(2));
        EXPECT_NE(message, kNoError) << bad;
        EXPECT_FALSE(message.empty()) << bad;
        EXPECT_FALSE(u.compiled());
    }
}

TEST(TransferCriteria, IntegralOfTheErrorAgainstClosedForms) {
    // The error of the loop K / (s (s+1) (s+2)): E = (s^2 + 3s + 2) / (s^3 + 3s^2 + 2s + K),
    // I = (7K + 12) / (2K (6 - K)).
    for (Extended k : {0.5L, 1.9L, 4.0L}) {
        const TransferCriterion j = integralCriterion({Polynomial{0, 2, 3, 1}, Polynomial{k, 2, 3, 1}});
        ASSERT_EQ(j.status, TransferCriterionStatus::Value);
        EXPECT_NEAR(j.value, (7 * k + 12) / (2 * k * (6 - k)), kStored * j.value);
    }
    EXPECT_EQ(integralCriterion({Polynomial{0, 2, 3, 1}, Polynomial{7, 2, 3, 1}}).value,
              penaltyValue());  // unstable
    EXPECT_EQ(integralCriterion({Polynomial{1}, Polynomial{1, 1}}).status,
              TransferCriterionStatus::NotTendingToZero);
    // E = s / (s^2 + 2s + 2): e = exp(-t)(cos t - sin t), de/dt = -2 exp(-t) cos t, so
    // I0 = 1/4 and I1 = 3/2.
    const TransferCriterion tau =
        integralCriterionWithDerivative({Polynomial{0, 0, 1}, Polynomial{2, 2, 1}}, 2);
    ASSERT_EQ(tau.status, TransferCriterionStatus::Value);
    EXPECT_NEAR(tau.value, 0.25L + 4 * 1.5L, kStored * tau.value);
    EXPECT_EQ(integralCriterionWithDerivative({Polynomial{0, 1, 1}, Polynomial{1, 1, 1}}, 1).status,
              TransferCriterionStatus::NotAstatic2);
}

TEST(TransferCriteria, LargestAmplitudeOnTheGrid) {
    const TransferFunction w{Polynomial{1}, Polynomial{1, 0.2L, 1}};
    Extended largest = 0;
    for (int k = 1; k < 500; ++k) {
        const std::complex<long double> jw(0, k * 0.01L);
        largest = std::max(largest, std::abs(1.0L / (1.0L + 0.2L * jw + jw * jw)));
    }
    EXPECT_NEAR(maxAmplitudeCriterion(w, {0.0L, 5.0L, 0.01L}), largest, 1e-6L * largest);
}

}  // namespace
}  // namespace velmar
