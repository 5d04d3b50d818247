// Real48: the 6-byte real in which every stored number of the system lives.
//
// Layout of the six bytes (the scheme file writes them in this order):
//   byte 0      exponent biased by 129; 0 means the value 0
//   bytes 1..5  39-bit fraction, least significant byte first; the top bit of byte 5
//               is the sign
// value = (-1)^sign * (1 + fraction / 2^39) * 2^(exponent - 129)
//
// All computation is done in Extended (80-bit x87 long double). Loading a Real48
// widens it exactly. Storing rounds the 64-bit mantissa to the 40 significant bits
// kept (1 implicit + 39) by the first dropped bit, a half rounding away from zero;
// values too small for the exponent become 0; values too large, infinities and NaNs
// raise MathError. So a stored 0.01 reads back as 0.010000000000005116.
//
// In memory the rounded value is kept in a double, which holds every Real48 exactly
// (40 significant bits, exponents 2^-128 .. 2^126); the byte form exists only at the
// file boundary.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace velmar {

using Extended = long double;

class Real48 {
public:
    constexpr Real48() = default;
    Real48(Extended x) : value_(round(x)) {}  // NOLINT: storing is the natural conversion

    operator Extended() const { return value_; }  // NOLINT: loading is exact
    Extended get() const { return value_; }
    // |value| > bound, compared in double: every Real48 is a double exactly, and so is
    // a bound that is one; the run loop's instability test stays off the x87 unit.
    bool magnitudeAbove(double bound) const { return (value_ < 0 ? -value_ : value_) > bound; }

    Real48& operator=(Extended x) {
        value_ = round(x);
        return *this;
    }

    std::array<std::uint8_t, 6> toBytes() const;
    static Real48 fromBytes(const std::uint8_t* bytes);

    // Rounds an Extended to the nearest value a Real48 can hold, as a store does.
    // Throws MathError for overflow, infinities and NaN.
    static double round(Extended x);

    friend bool operator==(Real48 a, Real48 b) { return a.value_ == b.value_; }

private:
    // Zero, values at the ends of the range and the non-numbers.
    static double roundRare(Extended x);

    double value_ = 0.0;
};

// Every store goes through here, so the common case is built from the bits in line: a
// normal value well inside the range, whose rounding does not carry into the exponent,
// has its 64-bit mantissa rounded to 40 bits by the first dropped bit (adding half of
// the dropped part rounds a half away from zero, the mantissa being a magnitude) and
// placed into a double's 52-bit fraction.
inline double Real48::round(Extended x) {
    static_assert(sizeof(Extended) >= 10, "Extended must be the 80-bit x87 type");
    constexpr int kExtendedBias = 16383, kDoubleBias = 1023, kDroppedBits = 24;
    std::uint64_t mantissa;
    std::uint16_t signExponent;
    std::memcpy(&mantissa, &x, 8);
    std::memcpy(&signExponent, reinterpret_cast<const char*>(&x) + 8, 2);
    const int exponent = (signExponent & 0x7fff) - kExtendedBias;
    const std::uint64_t rounded = mantissa + (std::uint64_t{1} << (kDroppedBits - 1));
    if (exponent < -128 || exponent > 126 || (mantissa >> 63) == 0 || rounded < mantissa) return roundRare(x);
    const std::uint64_t fraction = (rounded >> kDroppedBits << 13) & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t bits = (std::uint64_t{signExponent & 0x8000u} << 48) |
                               (static_cast<std::uint64_t>(exponent + kDoubleBias) << 52) | fraction;
    return std::bit_cast<double>(bits);
}

// The text of a floating-point fault, chosen from the x87/SSE status flags raised since
// the last clearFloatingFaults(): division by zero, invalid operation or overflow.
const char* floatingFaultText();
void clearFloatingFaults();

// Raises MathError with floatingFaultText() when x is not a finite number. Used where a
// computed value is handed on without being stored (comparisons, outputs of a method).
Extended checkFinite(Extended x);

// a / b; a zero divisor raises MathError with the division-by-zero text (where a
// formula divides by a parameter that may be 0, so the fault is named for what it is).
Extended quotient(Extended a, Extended b);

}  // namespace velmar
