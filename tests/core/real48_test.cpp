#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "core/errors.h"
#include "core/numtext.h"
#include "core/real48.h"

using namespace velmar;

namespace {

std::array<std::uint8_t, 6> bytes(Extended x) { return Real48(x).toBytes(); }

}  // namespace

TEST(Real48, KnownByteForms) {
    EXPECT_EQ(bytes(1.0L), (std::array<std::uint8_t, 6>{129, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytes(-1.0L), (std::array<std::uint8_t, 6>{129, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(bytes(2.0L), (std::array<std::uint8_t, 6>{130, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytes(0.5L), (std::array<std::uint8_t, 6>{128, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytes(1.5L), (std::array<std::uint8_t, 6>{129, 0, 0, 0, 0, 0x40}));
    EXPECT_EQ(bytes(0.0L), (std::array<std::uint8_t, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytes(-0.0L), (std::array<std::uint8_t, 6>{0, 0, 0, 0, 0, 0}));
}

TEST(Real48, StoredDecimalsReadBackAsTheSystemShowsThem) {
    EXPECT_EQ(significantText(Real48(0.01L)), "0.010000000000005116");
    EXPECT_EQ(significantText(Real48(0.1L)), "0.10000000000002274");
    EXPECT_EQ(significantText(Real48(1.41L)), "1.4099999999998545");
    EXPECT_EQ(significantText(Real48(1e-5L), 13), "9.999999999996e-06");
    EXPECT_EQ(significantText(Real48(1e-6L), 16), "9.999999999992654e-07");
    EXPECT_EQ(significantText(Real48(1.000001L), 17), "1.0000010000003385");
    EXPECT_EQ(significantText(Real48(1e30L), 16), "9.999999999995347e+29");
    // The stored step makes Trunc(10 / 0.01) = 999.
    EXPECT_EQ(std::trunc(Real48(10.0L).get() / Real48(0.01L).get()), 999.0L);
    EXPECT_EQ(std::trunc(Real48(100.0L).get() / Real48(0.01L).get()), 9999.0L);
}

TEST(Real48, RoundsByTheFirstDroppedBitHalfAwayFromZero) {
    const Extended one = 1.0L;
    const Extended ulp = std::ldexp(1.0L, -39);                   // spacing of Real48 values in [1, 2)
    EXPECT_EQ(Real48(one + ulp / 2).get(), one + ulp);            // a half rounds up
    EXPECT_EQ(Real48(-(one + ulp / 2)).get(), -(one + ulp));      // away from zero
    EXPECT_EQ(Real48(one + ulp / 2 - ulp / 1024).get(), one);     // below a half: down
    EXPECT_EQ(Real48(one + ulp + ulp / 2).get(), one + 2 * ulp);  // not to even
    // A carry out of the mantissa moves to the next exponent.
    EXPECT_EQ(Real48(2.0L - ulp / 4).get(), 2.0L);
    EXPECT_EQ(bytes(2.0L - ulp / 4), bytes(2.0L));
}

TEST(Real48, ExponentRange) {
    const Extended smallest = std::ldexp(1.0L, -128);
    EXPECT_EQ(Real48(smallest).get(), smallest);
    EXPECT_EQ(bytes(smallest)[0], 1);
    EXPECT_EQ(Real48(smallest / 2).get(), 0.0L);  // too small for the exponent: 0
    EXPECT_EQ(Real48(std::ldexp(1.0L, -200)).get(), 0.0L);
    const Extended largest = std::ldexp(2.0L - std::ldexp(1.0L, -39), 126);
    EXPECT_EQ(Real48(largest).get(), largest);
    EXPECT_EQ(bytes(largest)[0], 255);
    EXPECT_THROW(Real48(std::ldexp(1.0L, 127)), MathError);
    EXPECT_THROW(Real48(1.71e38L), MathError);
    EXPECT_NO_THROW(Real48(1.7e38L / 2));
    EXPECT_THROW(Real48(std::numeric_limits<Extended>::infinity()), MathError);
    EXPECT_THROW(Real48(-std::numeric_limits<Extended>::infinity()), MathError);
    EXPECT_THROW(Real48(std::numeric_limits<Extended>::quiet_NaN()), MathError);
}

TEST(Real48, BytesRoundTripEveryExponentAndSign) {
    for (int e = -128; e <= 126; e += 7)
        for (Extended m : {1.0L, 1.2345678L, 1.9999999999L})
            for (int sign : {1, -1}) {
                const Real48 r(sign * std::ldexp(m, e));
                const auto b = r.toBytes();
                EXPECT_EQ(Real48::fromBytes(b.data()), r) << e;
            }
}

// The store builds its common case from the bits; over random mantissas and every
// exponent (the ends of the range and the carries into them included) it must give what
// plain extended arithmetic gives: scale to 40 bits, add a half, cut.
TEST(Real48, StoresWhatExtendedArithmeticRoundsTo) {
    std::mt19937_64 random(48);
    auto reference = [](Extended x) -> std::optional<Extended> {
        int e;
        const Extended m = std::frexp(std::fabs(x), &e);  // [0.5, 1)
        const Extended kept = std::floor(std::ldexp(m, 40) + 0.5L);
        const Extended magnitude = std::ldexp(kept, e - 40);
        if (magnitude >= std::ldexp(1.0L, 127)) return std::nullopt;  // overflow
        if (magnitude < std::ldexp(1.0L, -128)) return 0.0L;
        return std::signbit(x) ? -magnitude : magnitude;
    };
    for (int e = -131; e <= 128; ++e)
        for (int i = 0; i < 200; ++i) {
            std::uint64_t bits = random() | (std::uint64_t{1} << 63);
            if (i % 10 == 0) bits |= (std::uint64_t{1} << 63) - (std::uint64_t{1} << 23);  // carries out
            const Extended x = std::ldexp(static_cast<Extended>(bits), e - 63) * (i % 2 ? -1 : 1);
            const std::optional<Extended> expected = reference(x);
            if (!expected) {
                EXPECT_THROW(Real48{x}, MathError) << e;
                continue;
            }
            EXPECT_EQ(Real48(x).get(), *expected) << e << " " << bits;
        }
}

TEST(Real48, FaultTextsNameTheFault) {
    clearFloatingFaults();
    volatile Extended zero = 0;
    try {
        Real48 r(1.0L / zero);
        FAIL();
    } catch (const MathError& e) { EXPECT_STREQ(e.what(), "Floating point division by zero"); }
    clearFloatingFaults();
    try {
        Real48 r(zero / zero);
        FAIL();
    } catch (const MathError& e) { EXPECT_STREQ(e.what(), "Invalid floating point operation"); }
    clearFloatingFaults();
    try {
        Real48 r(1e300L);
        FAIL();
    } catch (const MathError& e) { EXPECT_STREQ(e.what(), "Floating point overflow"); }
}
