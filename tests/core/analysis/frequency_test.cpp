#include "core/analysis/frequency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "core/analysis/analysis_state.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "support/tolerances.h"

namespace velmar {
namespace {

// The values of 1/(1 + jw) are known in closed form; the grid's frequencies are
// 6-byte reals, so comparisons allow for their rounding.
constexpr Extended kCurveTolerance = 1e-9L;
constexpr Extended kLogTolerance = 1e-8L;  // 20 lg of a stored amplitude
using testing::kRoundingTolerance;
using testing::kThreeDigits;

const TransferFunction kLag{Polynomial{1}, Polynomial{1, 1}};  // 1/(s + 1)

// Re and Im of W(jw) from the three split polynomials agree with complex evaluation.
TEST(FrequencySplit, MatchesComplexEvaluation) {
    const TransferFunction w{Polynomial{2, -1, 0.5L}, Polynomial{1, 3, 2, 0.25L}};
    const FrequencySplit split(w);
    for (Extended omega : {0.1L, 1.0L, 3.7L}) {
        using C = std::complex<long double>;
        auto eval = [&](const Polynomial& p) {
            C v = 0;
            for (int i = p.order(); i >= 0; --i) v = v * C(0, omega) + p[i];
            return v;
        };
        const C value = eval(w.A) / eval(w.B);
        const Extended den = split.Den.Evaluate(omega);
        EXPECT_NEAR(split.ReNum.Evaluate(omega) / den, value.real(), kRoundingTolerance);
        EXPECT_NEAR(split.ImNum.Evaluate(omega) / den, value.imag(), kRoundingTolerance);
    }
}

TEST(FrequencyGrid, StartReplacementsAndPointCount) {
    EXPECT_EQ(gridStart(0), static_cast<Extended>(Real48(1e-6L)));
    EXPECT_EQ(gridStart(-3), static_cast<Extended>(Real48(1e-6L)));
    EXPECT_EQ(gridStart(1), static_cast<Extended>(Real48(1.000001L)));
    EXPECT_EQ(gridStart(0.5L), 0.5L);

    const FrequencySplit split(kLag);
    const Curve one = frequencyCharacteristic(split, MethodCode::Amplitude, {0.0L, 1.0L, 5.0L});
    EXPECT_EQ(one.x.size(), 1u);  // a step larger than the range gives one point
    const FrequencyRange range{0.0L, 5.0L, 0.01L};
    const Curve a = frequencyCharacteristic(split, MethodCode::Amplitude, range);
    EXPECT_EQ(a.x.size(), 500u);  // 1e-6, 0.010001, ..., 4.990001
    EXPECT_EQ(gridPlaces(range), 501);
}

TEST(FrequencyCharacteristics, LagAmplitudeAndPhase) {
    const FrequencySplit split(kLag);
    const FrequencyRange range{0.0L, 5.0L, 0.01L};
    const Curve a = frequencyCharacteristic(split, MethodCode::Amplitude, range);
    const Curve phi = frequencyCharacteristic(split, MethodCode::Phase, range);
    const Curve lg = frequencyCharacteristic(split, MethodCode::LogAmplitude, range);
    ASSERT_EQ(a.x.size(), phi.x.size());
    for (size_t i = 0; i < a.x.size(); i += 50) {
        const Extended w = a.x[i];
        EXPECT_NEAR(a.y[i], 1 / std::sqrt(1 + w * w), kCurveTolerance);
        EXPECT_NEAR(phi.y[i], -std::atan(w), kCurveTolerance);
        EXPECT_NEAR(lg.x[i], std::log10(w), kCurveTolerance);
        EXPECT_NEAR(lg.y[i], 20 * std::log10(a.y[i].get()), kLogTolerance);
    }
    EXPECT_NEAR(a.y.front(), 1, kCurveTolerance);
    EXPECT_NEAR(a.y.back(), 0.196, kThreeDigits);
    EXPECT_NEAR(phi.y.back(), -1.373, kThreeDigits);
    EXPECT_NEAR(lg.x.front(), -6, kCurveTolerance);  // lg w stays finite at the start
}

TEST(FrequencyCharacteristics, PhaseQuadrantsAndImaginaryAxis) {
    // 1/s^2 has phase -pi (ReNum < 0, ImNum = 0 gives +pi); -1/s has ReNum = 0: +pi/2;
    // 1/(s+1)^3 passes the negative real axis near w = 1.73 and jumps to +pi.
    const Curve doubleIntegrator = frequencyCharacteristic(
        FrequencySplit({Polynomial{1}, Polynomial{0, 0, 1}}), MethodCode::Phase, {1.0L, 2.0L, 0.5L});
    EXPECT_NEAR(doubleIntegrator.y[0], kPi, kCurveTolerance);
    const Curve negativeIntegrator = frequencyCharacteristic(
        FrequencySplit({Polynomial{-1}, Polynomial{0, 1}}), MethodCode::Phase, {1.0L, 2.0L, 0.5L});
    EXPECT_NEAR(negativeIntegrator.y[0], kPi / 2, kCurveTolerance);
    const Curve cube = frequencyCharacteristic(FrequencySplit({Polynomial{1}, Polynomial{1, 3, 3, 1}}),
                                               MethodCode::Phase, {1.7L, 1.8L, 0.01L});
    EXPECT_LT(cube.y.front(), -kPi + 0.1);
    EXPECT_GT(cube.y.back(), kPi - 0.1);
}

TEST(FrequencyCharacteristics, IntegratorHodographAndPolesOnTheAxis) {
    const Curve w = frequencyCharacteristic(FrequencySplit({Polynomial{1}, Polynomial{0, 1}}),
                                            MethodCode::Hodograph, {0.5L, 3.0L, 0.5L});
    ASSERT_EQ(w.x.size(), 5u);
    for (size_t i = 0; i < w.x.size(); ++i) {
        EXPECT_EQ(w.x[i].get(), 0);
        EXPECT_NEAR(w.y[i], -1 / (0.5L * (i + 1)), kCurveTolerance);
    }
    // 1/(s^2 + 1): the grid 0.5, 1, 1.5 meets the pole at w = 1; that point is skipped.
    for (MethodCode code : {MethodCode::Hodograph, MethodCode::Amplitude, MethodCode::LogAmplitude,
                            MethodCode::Phase, MethodCode::Real, MethodCode::Imaginary}) {
        const Curve c = frequencyCharacteristic(FrequencySplit({Polynomial{1}, Polynomial{1, 0, 1}}), code,
                                                {0.5L, 2.0L, 0.5L});
        EXPECT_EQ(c.x.size(), 2u) << static_cast<int>(code);
        EXPECT_EQ(c.x.size(), c.y.size());
    }
}

TEST(FrequencyCharacteristics, DialogRepeatsAndHandsOverWithKind) {
    ScriptedHost host;
    AnalysisState state;
    host.setAnswer("w(begin)", "3");
    host.setAnswer("w(end)", "1");
    showFrequencyCharacteristic(host, state, kLag, MethodCode::Real);  // reversed, then repeated: cancelled
    EXPECT_EQ(host.messagesOf(Box::Error), std::vector<std::string>{" w(begin) > w(end) "});
    EXPECT_TRUE(host.graphs.empty());
    EXPECT_EQ(state.wBegin.get(), 0);  // the range is kept only when confirmed

    for (MethodCode code : {MethodCode::Hodograph, MethodCode::Amplitude, MethodCode::LogAmplitude,
                            MethodCode::Phase, MethodCode::Real, MethodCode::Imaginary}) {
        ScriptedHost h;
        h.setAnswer("w(begin)", "1");
        h.setAnswer("w(end)", "2");
        h.setAnswer("step", "0.5");
        showFrequencyCharacteristic(h, state, kLag, code);
        ASSERT_EQ(h.graphs.size(), 1u);
        EXPECT_EQ(h.graphs[0].kind, frequencyGraphKind(code));
        EXPECT_EQ(h.graphs[0].curves[0].name, "Indicator");
        EXPECT_EQ(h.graphs[0].curves[0].x.size(), 2u);
    }
    EXPECT_EQ(state.wEnd.get(), 2);
    EXPECT_EQ(frequencyGraphKind(MethodCode::Hodograph), 3);
    EXPECT_EQ(frequencyGraphKind(MethodCode::Imaginary), 9);
}

}  // namespace
}  // namespace velmar
