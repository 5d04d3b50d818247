#include "core/real48.h"

#include <cfenv>
#include <cmath>
#include <cstring>

#include "core/errors.h"

namespace velmar {

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kRealBias = 129;
constexpr int kMinExponent = 1 - kRealBias;    // smallest unbiased exponent: byte 0 = 1
constexpr int kMaxExponent = 255 - kRealBias;  // largest: byte 0 = 255
constexpr int kDroppedBits = 64 - 40;          // the 80-bit mantissa keeps 40 of its 64 bits

const char* textForNonFinite(Extended x) {
    if (std::isnan(x)) return "Invalid floating point operation";
    if (std::fetestexcept(FE_DIVBYZERO)) return "Floating point division by zero";
    return "Floating point overflow";
}

}  // namespace

double Real48::roundRare(Extended x) {
    std::uint64_t mantissa;
    std::uint16_t signExponent;
    std::memcpy(&mantissa, &x, 8);
    std::memcpy(&signExponent, reinterpret_cast<const char*>(&x) + 8, 2);
    int exponent = signExponent & 0x7fff;
    const bool negative = (signExponent & 0x8000) != 0;

    if (exponent == 0x7fff) throw MathError(textForNonFinite(x));
    if (mantissa == 0 || exponent == 0) return 0.0;  // zero, or far below the range

    // Round by the first dropped bit: adding half of the dropped part rounds a half away
    // from zero because the mantissa is a magnitude.
    std::uint64_t rounded = mantissa + (std::uint64_t{1} << (kDroppedBits - 1));
    if (rounded < mantissa) {  // carried out of the top bit: 1.111..1 became 10.000..0
        rounded = std::uint64_t{1} << 63;
        ++exponent;
    }
    const std::uint64_t kept = rounded >> kDroppedBits;  // 40 significant bits

    const int unbiased = exponent - kExtendedBias;
    if (unbiased < kMinExponent) return 0.0;
    if (unbiased > kMaxExponent) throw MathError("Floating point overflow");

    const double magnitude = std::ldexp(static_cast<double>(kept), unbiased - 39);
    return negative ? -magnitude : magnitude;
}

std::array<std::uint8_t, 6> Real48::toBytes() const {
    std::array<std::uint8_t, 6> bytes{};
    if (value_ == 0.0) return bytes;
    int e;
    const double m = std::frexp(std::fabs(value_), &e);  // |value| = m * 2^e, m in [0.5, 1)
    const auto significand = static_cast<std::uint64_t>(std::ldexp(m, 40));  // 2^39 .. 2^40-1
    const std::uint64_t fraction = significand - (std::uint64_t{1} << 39);
    bytes[0] = static_cast<std::uint8_t>(e - 1 + kRealBias);
    for (int i = 0; i < 5; ++i) bytes[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
    if (value_ < 0) bytes[5] |= 0x80;
    return bytes;
}

Real48 Real48::fromBytes(const std::uint8_t* bytes) {
    Real48 r;
    if (bytes[0] == 0) return r;
    std::uint64_t fraction = 0;
    for (int i = 4; i >= 0; --i) fraction = (fraction << 8) | bytes[1 + i];
    const bool negative = (fraction & (std::uint64_t{1} << 39)) != 0;
    fraction &= (std::uint64_t{1} << 39) - 1;
    const std::uint64_t significand = fraction | (std::uint64_t{1} << 39);
    const double magnitude = std::ldexp(static_cast<double>(significand), bytes[0] - kRealBias - 39);
    r.value_ = negative ? -magnitude : magnitude;
    return r;
}

Extended quotient(Extended a, Extended b) {
    if (b == 0) throw MathError("Floating point division by zero");
    return a / b;
}

const char* floatingFaultText() {
    if (std::fetestexcept(FE_DIVBYZERO)) return "Floating point division by zero";
    if (std::fetestexcept(FE_INVALID)) return "Invalid floating point operation";
    return "Floating point overflow";
}

void clearFloatingFaults() { std::feclearexcept(FE_ALL_EXCEPT); }

Extended checkFinite(Extended x) {
    if (!std::isfinite(x)) throw MathError(textForNonFinite(x));
    return x;
}

}  // namespace velmar
