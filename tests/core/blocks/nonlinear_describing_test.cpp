// Describing functions: q(A) checked against the first harmonic of the block's own
// response to a sine in a run, its continuity at the thresholds, and the amplitude
// search of the harmonic balance.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <ostream>

#include "core/blocks/signal_bench.h"
#include "core/scripted_host.h"
#include "support/tolerances.h"

namespace velmar::testing {
namespace {

constexpr int kPointsPerPeriod = 4000;
// The sampled harmonic of a switching characteristic is off by about one step's share.
constexpr Extended kHarmonicTolerance = 2e-3L;
constexpr Extended kBisectionTolerance = 1e-3L;
constexpr Extended kLongDoubleTolerance = 1e-15L;  // a formula computed in long double

struct GainCase {
    const char* name;
    int code;
    std::vector<Extended> params;  // empty: the catalogue defaults
    Extended A;
};
void PrintTo(const GainCase& c, std::ostream* out) { *out << c.name; }

class DescribingGainRun : public ::testing::TestWithParam<GainCase> {};

// Two periods of A·sin; the in-phase first harmonic of the second (settled) period.
TEST_P(DescribingGainRun, MatchesFirstHarmonicOfResponse) {
    const GainCase& c = GetParam();
    SignalBench bench;
    Element& block = bench.block(c.code, c.params);
    Trace u(2 * kPointsPerPeriod);
    const Extended w = 2 * std::numbers::pi_v<Extended> / kPointsPerPeriod;
    for (std::size_t n = 0; n < u.size(); ++n) u[n] = c.A * std::sin(w * static_cast<Extended>(n));
    bench.signal(0, u, 0);
    const Trace y = bench.run(static_cast<int>(u.size()));
    Extended inPhase = 0;
    for (std::size_t n = kPointsPerPeriod; n < y.size(); ++n)
        inPhase += y[n] * std::sin(w * static_cast<Extended>(n));
    const Extended harmonic = 2 * inPhase / (kPointsPerPeriod * c.A);
    EXPECT_NEAR(block.DescribingGain(c.A), harmonic, kHarmonicTolerance);
}

INSTANTIATE_TEST_SUITE_P(Characteristics, DescribingGainRun,
                         ::testing::Values(GainCase{"SaturationBeyondBreakpoint", 67, {1, 1, -1, -1}, 2},
                                           GainCase{"SaturationWithinBreakpoint", 67, {2, 1, -2, -1}, 0.5L},
                                           GainCase{"SaturationWithDeadZoneOnSlope", 68, {}, 0.8L},
                                           GainCase{"SaturationWithDeadZoneSaturated", 68, {}, 3},
                                           GainCase{"DeadZone", 69, {1, 1, -1}, 3},
                                           GainCase{"RelayWithDeadZone", 70, {1, 1, -1, -1}, 2},
                                           GainCase{"Hysteresis", 71, {}, 1},
                                           GainCase{"HysteresisDeadZone", 72, {}, 1},
                                           GainCase{"Backlash", 45, {1, 1, 0}, 3}),
                         [](const auto& info) { return info.param.name; });

std::unique_ptr<Element> relay(int code, const std::vector<Extended>& params) {
    auto e = CreateElement(static_cast<std::uint8_t>(code));
    for (std::size_t i = 0; i < params.size(); ++i) e->Params[i].Value = params[i];
    return e;
}

TEST(DescribingGain, RelayWithDeadZoneClosedForm) {
    EXPECT_NEAR(relay(70, {1, 1, -1, -1})->DescribingGain(2), 0.5513L, kFourDigits);
}

// q is continuous where its formulas meet, and at the threshold it takes the value of
// the characteristic's slope there (a/b for the saturation, 0 where a zone starts).
TEST(DescribingGain, ThresholdsJoin) {
    struct Threshold {
        int code;
        std::vector<Extended> params;
        Extended at;
        std::optional<Extended> value;
    };
    const Threshold rows[] = {
        {67, {2, 1, -2, -1}, 1, 2}, {68, {}, 0.5L, 0},
        {68, {}, 1, std::nullopt},  // the slope meets the saturation
        {69, {1, 1, -1}, 1, 0},     {70, {1, 1, -1, -1}, 1, 0},
        {71, {}, 0.5L, 0},
    };
    constexpr Extended kNudge = 1e-15L;  // q grows like a square root past a threshold
    constexpr Extended kJoinTolerance = 1e-6L;
    for (const Threshold& t : rows) {
        const auto e = relay(t.code, t.params);
        const Extended below = e->DescribingGain(t.at - kNudge);
        const Extended above = e->DescribingGain(t.at + kNudge);
        EXPECT_NEAR(below, above, kJoinTolerance) << t.code << " at " << static_cast<double>(t.at);
        if (t.value) EXPECT_NEAR(e->DescribingGain(t.at), *t.value, kJoinTolerance) << t.code;
    }
}

// x·q(A) = y is solved for the amplitude the balance was made at, where q changes
// monotonically from the search's lower end on.
TEST(OscillationAmplitude, FindsTheBalance) {
    struct Row {
        int code;
        std::vector<Extended> params;
    };
    const Row rows[] = {{67, {1, 1, -1, -1}}, {69, {1, 1, -1}}};
    constexpr Extended kAmplitude = 3;
    ScriptedHost host;
    for (const Row& r : rows) {
        const auto e = relay(r.code, r.params);
        const Extended x = 2;
        const Extended y = x * e->DescribingGain(kAmplitude);
        EXPECT_NEAR(e->OscillationAmplitude(x, y, host), kAmplitude, kBisectionTolerance) << r.code;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(OscillationAmplitude, NoSignChangeGivesZero) {
    ScriptedHost host;
    const auto zone = relay(70, {1, 1, -1, -1});
    // q ≥ 0 everywhere, so x·q(A) - y stays positive for y < 0.
    EXPECT_EQ(zone->OscillationAmplitude(1, -1, host), 0);
    // q rises from 0 at the threshold and falls back towards 0: both ends of the search
    // give -y, so the balances in between are not bracketed.
    EXPECT_EQ(zone->OscillationAmplitude(1, zone->DescribingGain(3), host), 0);
}

TEST(OscillationAmplitude, IdealRelayClosedForm) {
    ScriptedHost host;
    EXPECT_NEAR(relay(66, {0, 1, -1})->OscillationAmplitude(1, 1, host), 4 * 0.31830988618379067154L,
                kLongDoubleTolerance);
    EXPECT_TRUE(host.messages.empty());
}

// The closed form holds only for equal and opposite levels switching at 0.
TEST(OscillationAmplitude, IdealRelayOffSymmetryIsRefused) {
    const std::vector<Extended> rows[] = {{1, 1, -2}, {0, 2, -1}, {1, 1, -1}};
    for (const auto& params : rows) {
        ScriptedHost host;
        EXPECT_EQ(relay(66, params)->OscillationAmplitude(1, 1, host), 0);
        EXPECT_EQ(host.messagesOf(Box::Error), std::vector<std::string>{" ( b <> c ) OR ( Vhu <> 0 ) "});
    }
}

}  // namespace
}  // namespace velmar::testing
