// The user polynomial link's difference equation as the step shrinks: the backward-
// difference substitution converges to the continuous step response for every step,
// and at the ordinary step it gives what the link has always given.
#include <gtest/gtest.h>

#include <cmath>

#include "core/blocks/block_run.h"
#include "core/blocks/linear.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

// Backward Euler's error at t = 10 is of order h times the slow modes, far below this.
constexpr Extended kConvergedTolerance = 1e-3L;
const Extended h001 = Real48(0.01L);  // the stored step
// The same difference equation evaluated in another order: rounding only.
constexpr Extended kSameEquationTolerance = 1e-9L;
// The values the link gave before: its coefficients in powers of z^-1 were stored as
// 6-byte reals, whose rounding (relative 1e-12 of terms of 1e6 that cancel) moved the
// third-order response by up to 4e-9 of itself.
constexpr Extended kEarlierValuesTolerance = 1e-8L;

// 6 / ((s+1)(s+2)(s+3)) and 1 / (s^2 + 3s + 2), each with its exact unit-step response.
struct System {
    std::vector<Extended> a, b;
    Extended (*exact)(Extended t);
};
const System kThirdOrder{
    {6}, {6, 11, 6, 1}, [](Extended t) { return 1 - 3 * std::exp(-t) + 3 * std::exp(-2 * t) - std::exp(-3 * t); }};
const System kSecondOrder{{1}, {2, 3, 1}, [](Extended t) { return 0.5L - std::exp(-t) + std::exp(-2 * t) / 2; }};

struct Drawn {
    PolynomialLink* link;
    Element* recorder;
};

// Both systems, each driven by a unit step of its own.
std::vector<Drawn> drawBoth(BlockRun& r) {
    std::vector<Drawn> links;
    int row = 2;
    for (const System* s : {&kThirdOrder, &kSecondOrder}) {
        auto e = r.chain({33, 28, 62}, row);
        row += 6;
        auto& link = dynamic_cast<PolynomialLink&>(*e[1]);
        link.entry.setDegrees(static_cast<int>(s->a.size()) - 1, static_cast<int>(s->b.size()) - 1);
        for (std::size_t i = 0; i < s->a.size(); ++i) link.entry.A.set(static_cast<int>(i), s->a[i]);
        for (std::size_t i = 0; i < s->b.size(); ++i) link.entry.B.set(static_cast<int>(i), s->b[i]);
        links.push_back({&link, e[2]});
    }
    return links;
}

TEST(PolynomialLinkSteps, ConvergesToTheStepResponseAsTheStepShrinks) {
    constexpr Extended kTime = 10;
    for (const Extended step : {1e-2L, 1e-3L, 1e-4L, 1e-5L, 1e-6L}) {
        BlockRun r;
        const auto links = drawBoth(r);
        ASSERT_TRUE(r.run(step, kTime)) << "step " << step << ": " << r.errorText();
        // The run's last point lies within a few hundred steps of Time, where the
        // responses are flat to 1e-4 per unit of time.
        EXPECT_NEAR(links[0].link->Output, kThirdOrder.exact(kTime), kConvergedTolerance) << "step " << step;
        EXPECT_NEAR(links[1].link->Output, kSecondOrder.exact(kTime), kConvergedTolerance) << "step " << step;
    }
}

// The difference equation in powers of z^-1 evaluated in extended precision, unit step
// from the first point: p_i s^i contributes p_i C(i, j) (-1)^j / h^i to z^-j.
std::vector<Extended> directForm(const System& s, Extended h, std::size_t points) {
    auto inZ = [h](const std::vector<Extended>& p) {
        std::vector<Extended> c(p.size(), 0.0L);
        for (std::size_t i = 0; i < p.size(); ++i)
            for (std::size_t j = 0; j <= i; ++j) {
                Extended binomial = 1;
                for (std::size_t k = 0; k < j; ++k) binomial = binomial * static_cast<Extended>(i - k) / (k + 1);
                c[j] += p[i] * binomial * (j % 2 ? -1 : 1) / std::pow(h, static_cast<Extended>(i));
            }
        return c;
    };
    const std::vector<Extended> alpha = inZ(s.a), beta = inZ(s.b);
    std::vector<Extended> y;
    for (std::size_t t = 0; t < points; ++t) {
        Extended v = 0;
        for (std::size_t j = 0; j < alpha.size() && j <= t; ++j) v += alpha[j];  // u = 1 from t = 0
        for (std::size_t j = 1; j < beta.size() && j <= t; ++j) v -= beta[j] * y[t - j];
        y.push_back(v / beta[0]);
    }
    return y;
}

// At the ordinary step the link gives the same difference equation's values, and what
// it gave before (captured every 100th point, then the last).
TEST(PolynomialLinkSteps, KeepsItsValuesAtTheOrdinaryStep) {
    const std::vector<std::vector<Extended>> before = {
        {5.654477498014121029e-06L, 0.2573098794769066444L, 0.6474108202537536272L, 0.857495956573075091L,
         0.9455660361218178878L, 0.9796300458610858186L, 0.9924349727925800835L, 0.9971984202056773938L,
         0.998963576357709826L, 0.9996167313020123402L, 0.9998539958942274097L},
        {9.706853038260465638e-05L, 0.2016125139382438647L, 0.374006704885232466L, 0.4512550481053949625L,
         0.4816797664807381807L, 0.4931855767663364531L, 0.4974749405982947792L, 0.4990656717122874397L,
         0.4996544599489425309L, 0.4998722349650961405L, 0.4999513304046558915L},
    };
    BlockRun r;
    const auto links = drawBoth(r);
    ASSERT_TRUE(r.run(0.01L, 10)) << r.errorText();
    for (std::size_t k = 0; k < before.size(); ++k) {
        const Curve y = r.curve(*links[k].recorder);
        const std::vector<Extended> same = directForm(k == 0 ? kThirdOrder : kSecondOrder, h001, y.size());
        for (std::size_t i = 0; i < y.size(); ++i)
            ASSERT_NEAR(y.y[i], same[i], kSameEquationTolerance * same[i]) << "system " << k << ", point " << i;
        const std::vector<Extended>& was = before[k];
        ASSERT_GT(y.size(), 100 * (was.size() - 2)) << "system " << k;
        for (std::size_t i = 0; i + 1 < was.size(); ++i)
            EXPECT_NEAR(y.y[100 * i], was[i], kEarlierValuesTolerance * was[i]) << "system " << k << ", point " << 100 * i;
        EXPECT_NEAR(y.y.back(), was.back(), kEarlierValuesTolerance * was.back()) << "system " << k << ", last point";
    }
}

}  // namespace
