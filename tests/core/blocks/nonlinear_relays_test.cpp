// Relay characteristics and the backlash run in a scheme: switching points, bands,
// memory, and the shifts brought by selectors 54 (X0) and 55 (Y0).
#include <gtest/gtest.h>

#include <ostream>

#include "core/blocks/signal_bench.h"

namespace velmar::testing {
namespace {

constexpr Extended kTolerance = 1e-9L;

struct RelayCase {
    const char* name;
    int code;
    std::vector<Extended> params;  // empty: the catalogue defaults
    Trace input;
    Trace expected;
    Extended X0 = 0;  // shifts fed through selectors 54 and 55 when not 0
    Extended Y0 = 0;
};
void PrintTo(const RelayCase& c, std::ostream* out) { *out << c.name; }

class RelayRun : public ::testing::TestWithParam<RelayCase> {};

TEST_P(RelayRun, Responds) {
    const RelayCase& c = GetParam();
    SignalBench bench;
    bench.block(c.code, c.params);
    bench.signal(0, c.input, 0);
    if (c.X0 != 0) bench.via(54, 1, {c.X0}, 1);
    if (c.Y0 != 0) bench.via(55, 2, {c.Y0}, 2);
    const Trace y = bench.run(static_cast<int>(c.input.size()));
    ASSERT_EQ(y.size(), c.expected.size());
    for (std::size_t n = 0; n < y.size(); ++n) EXPECT_NEAR(y[n], c.expected[n], kTolerance) << "point " << n;
}

INSTANTIATE_TEST_SUITE_P(
    Characteristics, RelayRun,
    ::testing::Values(
        // The output joins the levels exactly at the breakpoints.
        RelayCase{"SaturationCorners", 67, {2, 1, -2, -1}, {0, 1, 0.5L, -1, -3, 3}, {0, 2, 1, -2, -2, 2}},
        // Thresholds and levels move with the shifts in the step the shifts arrive.
        RelayCase{"SaturationShifted", 67, {2, 1, -2, -1}, {0.5L, 1.5L, -0.5L}, {3, 5, 1}, 0.5L, 3},
        RelayCase{"IdealRelayShifted", 66, {}, {0.4L, 0.6L}, {1, 3}, 0.5L, 2},
        // Left branch mirrors the right: zone to ±0.5, slope to ±1, saturated beyond.
        RelayCase{"SaturationWithDeadZone",
                  68,
                  {},
                  {0, 0.5L, 0.75L, 1, 2, -0.5L, -0.75L, -1, -2},
                  {0, 0, 0.5L, 1, 1, 0, -0.5L, -1, -1}},
        RelayCase{"SaturationWithDeadZoneShiftedStaysContinuous",
                  68,
                  {},
                  {0.5L, 1, 1.25L, -0.5L},
                  {2, 2.5L, 3, 1.5L},
                  0.25L,
                  2},
        RelayCase{"DeadZone", 69, {2, 1, -1}, {0, 2, -2, 1, -1}, {0, 2, -2, 0, 0}},
        // Branches by the shifted edges, all lifted by Y0.
        RelayCase{"DeadZoneShifted", 69, {2, 1, -1}, {2, 1.4L, 1.5L, -1}, {2, 1, 1, 0}, 0.5L, 1},
        RelayCase{"RelayWithDeadZone", 70, {}, {0.5L, 1, -1, -0.99L}, {0, 1, -1, 0}},
        // Starts at N u; switches up at 0.5 and down at -0.5, holds in between.
        RelayCase{"HysteresisSwitchingPoints",
                  71,
                  {},
                  {0, -1, 0, 0.4L, 0.5L, 0, -0.4L, -0.5L, 0},
                  {1, -1, -1, -1, 1, 1, 1, -1, -1}},
        // 0 inside ±0.3, ±1 beyond ±0.5, the last output in the bands between.
        RelayCase{"HysteresisDeadZoneBands",
                  72,
                  {},
                  {0.4L, 0.5L, 0.4L, 0.2L, 0.4L, -0.4L, -0.5L, -0.4L, 0},
                  {0, 1, 1, 0, 0, 0, -1, -1, 0}},
        // a = 1, k = 1: the output follows u ∓ 1 outside a play of width 2.
        RelayCase{"Backlash", 45, {1, 1, 0}, {0.5L, 2, 1.5L, 0, -1, -2}, {0, 1, 1, 1, 0, -1}},
        RelayCase{"BacklashStartsAtItsInitialValue", 45, {1, 1, 0.5L}, {0, 0.2L}, {0.5L, 0.5L}}),
    [](const auto& info) { return info.param.name; });

TEST(Relay, WithoutSignalInputHoldsItsOutput) {
    SignalBench bench;
    bench.block(71, {});
    bench.via(55, 1, {3}, 1);  // a shift alone is no signal
    EXPECT_EQ(bench.run(2), (Trace{1, 1}));
}

TEST(Relay, SecondRunStartsFromInitialOutput) {
    SignalBench bench;
    bench.block(71, {});
    bench.signal(0, {-1, 0}, 0);
    const Trace first = bench.run(2);
    EXPECT_EQ(first, (Trace{-1, -1}));
    EXPECT_EQ(bench.run(2), first);
}

}  // namespace
}  // namespace velmar::testing
