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
#include <cstdint>

namespace velmar {

using Extended = long double;

class Real48 {
public:
    constexpr Real48() = default;
    Real48(Extended x) : value_(round(x)) {}  // NOLINT: storing is the natural conversion

    operator Extended() const { return value_; }  // NOLINT: loading is exact
    Extended get() const { return value_; }

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
    double value_ = 0.0;
};

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
