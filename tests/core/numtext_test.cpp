#include <gtest/gtest.h>

#include <cmath>

#include "core/numtext.h"

using namespace velmar;

TEST(NumText, FixedGeneralAndScientificForms) {
    struct Row {
        std::string got, want;
    };
    const Row rows[] = {
        {fixedText(3.14159265L, 10, 5), "   3.14159"},
        {fixedText(-2.5L, 4, 1), "-2.5"},
        {fixedText(123456, 3, 0), "123456"},  // a wider number is not cut
        {generalText(1.5e20L, 9, 4), "1.5E0020"},
        {generalText(1234567890, 9, 4), "1.23456789E0009"},
        {generalText(123456789, 9, 4), "123456789"},
        {generalText(1.0L / 3, 9, 4), "0.333333333"},
        {generalText(0.000012345L, 9, 4), "0.000012345"},
        {generalText(0.0000099L, 9, 4), "9.9E-0006"},
        {generalText(-0.5L, 9, 4), "-0.5"},
        {generalText(0, 9, 4), "0"},
        {floatText(1.5e20L), "1.5E20"},
        {scientificText(1, 10), " 1.0E+0000"},
        {scientificText(-0.5L, 10), "-5.0E-0001"},
        {scientificText(0, 10), " 0.0E+0000"},
        {realText(1.5e20L), " 1.50000000000000E+0020"},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.want);
}

TEST(NumText, ValueTextIsTheShortestTextOfTheStoredValue) {
    const std::pair<Extended, const char*> rows[] = {
        {0.01L, "0.01"},     {0.1L, "0.1"},   {100, "100"},    {1234567890, "1234567890"},
        {1.5e20L, "1.5E20"}, {1e-5L, "1E-5"}, {-0.5L, "-0.5"}, {1.0L / 3, "0.3333333333335"},
    };
    for (const auto& [x, text] : rows) {
        EXPECT_EQ(valueText(Real48(x)), text);
        EXPECT_EQ(Real48(*parseValueText(valueText(Real48(x)))), Real48(x)) << text;
    }
}

TEST(NumText, PiSuffixMultipliesByPi) {
    constexpr Extended pi = 3.1415926535897932385L;
    const std::pair<const char*, Extended> rows[] = {
        {"2pi", 2 * pi}, {"2Pi", 2 * pi},   {"pi", pi},         {"Pi", pi},
        {"-pi", -pi},    {"0.5pi", pi / 2}, {" 2 pi ", 2 * pi}, {"1e1pi", 10 * pi},
    };
    for (const auto& [text, want] : rows) {
        const auto v = parseValueText(text);
        ASSERT_TRUE(v) << text;
        EXPECT_EQ(*v, want) << text;
    }
    // Stored as a 6-byte real, 2pi keeps 12 digits.
    EXPECT_EQ(significantText(Real48(*parseValueText("2pi")), 12), "6.28318530718");
}

TEST(NumText, NumbersAreReadAndNonNumbersRefused) {
    const std::pair<const char*, Extended> good[] = {
        {"1", 1},      {" 1.5 ", 1.5L}, {"-2", -2},   {"+3", 3},
        {"1e3", 1000}, {"1.", 1},       {".5", 0.5L}, {"2.5E-1", 0.25L},
    };
    for (const auto& [text, want] : good) {
        const auto v = parseValueText(text);
        ASSERT_TRUE(v) << text;
        EXPECT_EQ(*v, want) << text;
    }
    for (const char* bad : {"", " ", "abc", "1,5", "e5", "1e", "--1", "1.2.3", "0x10", "inf", "nan", "1e5000",
                            "xpi", "1 2", "p", "i"})
        EXPECT_FALSE(parseValueText(bad)) << bad;
    EXPECT_FALSE(parseNumber("2pi"));
}
