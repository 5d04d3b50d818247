#include "core/simulation/integrator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/tolerances.h"

namespace velmar {
namespace {

// y' = a·y with the solution values at every output point.
class Exponential : public RightHandSide {
public:
    explicit Exponential(Extended a, int abortAfter = -1) : a_(a), abortAfter_(abortAfter) {}
    bool Rates(Extended, const StateVector& y, StateVector& dy) override {
        for (std::size_t i = 1; i < y.size(); ++i) dy[i] = a_ * y[i];
        current = y[1];
        return ++evaluations != abortAfter_;
    }
    bool OutputPoint(Extended) override {
        outputs.push_back(current);
        return true;
    }
    int evaluations = 0;
    Extended current = 0;
    std::vector<Extended> outputs;

private:
    Extended a_;
    int abortAfter_;
};

// y' = cos t: a rate that depends on time alone, so only the times handed to the
// rates decide the result. Notes every time it is handed.
class Cosine : public RightHandSide {
public:
    bool Rates(Extended t, const StateVector&, StateVector& dy) override {
        dy[1] = std::cos(t);
        times.push_back(t);
        return true;
    }
    bool OutputPoint(Extended t) override {
        outputTimes.push_back(t);
        return true;
    }
    std::vector<Extended> times, outputTimes;
};

IntegratorSettings settings(Extended eps, Extended hmin, Extended h0, Extended hout, Extended tend) {
    return {.eps = eps, .hmin = hmin, .h0 = h0, .hout = hout, .tend = tend, .t0 = 0};
}

StateVector states(int n, Extended value) {
    StateVector y(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) y[static_cast<std::size_t>(i)] = value;
    return y;
}

TEST(Integrate, FollowsADecayToEveryOutputPoint) {
    constexpr Extended kEps = 1e-4L;
    // The local error test keeps the relative error per step near eps; over ten output
    // intervals of a decay the global error stays within a few eps.
    constexpr Extended kGlobalTolerance = 5 * kEps;
    Exponential f(-1);
    StateVector y = states(1, 1);
    ASSERT_EQ(Integrate(y, settings(kEps, 0.1L * 1.5e-5L, 0.1L, 0.1L, 1), f), RunStatus::Ok);
    ASSERT_EQ(f.outputs.size(), 11u);
    for (std::size_t k = 0; k < f.outputs.size(); ++k)
        EXPECT_NEAR(f.outputs[k], std::exp(-0.1L * k), kGlobalTolerance * std::exp(-0.1L * k)) << k;
}

TEST(Integrate, HandsEachEvaluationItsTime) {
    constexpr Extended kEps = 1e-6L, kOut = 0.1L;
    Cosine f;
    StateVector y = states(1, 0);
    ASSERT_EQ(Integrate(y, settings(kEps, kOut * 1.5e-5L, kOut, kOut, 2), f), RunStatus::Ok);
    EXPECT_NEAR(y[1], std::sin(2.0L), 10 * kEps);
    ASSERT_EQ(f.outputTimes.size(), 21u);
    for (std::size_t k = 0; k < f.outputTimes.size(); ++k)
        EXPECT_NEAR(f.outputTimes[k], k * kOut, testing::kRoundingTolerance) << k;
    // The trial points lie inside the span, most of them between the output times.
    EXPECT_GT(f.times.size(), 4 * f.outputTimes.size());
    for (Extended t : f.times) {
        EXPECT_GE(t, 0);
        EXPECT_LE(t, 2 + testing::kRoundingTolerance);
    }
}

TEST(Integrate, RefusesBadParameters) {
    struct Case {
        const char* what;
        int states;
        Extended hmin, h0, hout, tend;
    };
    for (const Case& c :
         {Case{"no time", 1, 1e-6L, 0.1L, 0.1L, 0}, Case{"output beyond the end", 1, 1e-6L, 0.1L, 2, 1},
          Case{"hmin above h0", 1, 0.2L, 0.1L, 0.1L, 1}, Case{"no state", 0, 1e-6L, 0.1L, 0.1L, 1},
          Case{"51 states", 51, 1e-6L, 0.1L, 0.1L, 1}}) {
        Exponential f(-1);
        StateVector y = states(c.states, 1);
        EXPECT_EQ(Integrate(y, settings(0.01L, c.hmin, c.h0, c.hout, c.tend), f), RunStatus::BadParameters)
            << c.what;
        EXPECT_EQ(f.evaluations, 0) << c.what;
    }
    Exponential f(-1);
    StateVector y = states(50, 1);
    EXPECT_EQ(Integrate(y, settings(0.01L, 1e-6L, 0.1L, 0.1L, 1), f), RunStatus::Ok);
}

TEST(Integrate, ReportsGrowthBeyond1e15) {
    Exponential f(10);
    StateVector y = states(1, 1);
    EXPECT_EQ(Integrate(y, settings(0.01L, 1e-6L, 0.1L, 0.1L, 10), f), RunStatus::Unstable);
    EXPECT_GT(std::fabs(y[1]), 1e15L);
    EXPECT_LT(std::fabs(y[1]), 1e20L);  // stopped right after crossing
}

TEST(Integrate, ReportsLostPrecisionWhenItCannotHalve) {
    Exponential f(-1);
    StateVector y = states(1, 1);
    // hmin = h0: a step that fails the test cannot be halved, its error accumulates.
    EXPECT_EQ(Integrate(y, settings(1e-12L, 0.1L, 0.1L, 0.1L, 1), f), RunStatus::PrecisionLost);
}

TEST(Integrate, AbortsWhenTheSystemSaysSo) {
    Exponential f(-1, 7);
    StateVector y = states(1, 1);
    EXPECT_EQ(Integrate(y, settings(0.01L, 1e-6L, 0.1L, 0.1L, 1), f), RunStatus::UserAbort);
    EXPECT_EQ(f.evaluations, 7);
}

}  // namespace
}  // namespace velmar
