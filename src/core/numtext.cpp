#include "core/numtext.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmar {

namespace {

// Decimal digits and exponent of x rounded to `precision` significant digits:
// x = 0.d1d2d3... * 10^(exponent + 1), digits without sign.
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

Decimal toDecimal(Extended x, int precision) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", precision - 1, x);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p))) d.digits += *p;
    if (*p == 'e') d.exponent = std::atoi(p + 1);
    return d;
}

std::string exponentText(int exponent, int minDigits, bool plusSign) {
    std::string s = exponent < 0 ? "-" : (plusSign ? "+" : "");
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
    return s + digits;
}

std::string trimmed(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
    return std::string(text.substr(b, e - b));
}

}  // namespace

std::string fixedText(Extended x, int width, int decimals) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%*.*Lf", width, decimals, x);
    return buf;
}

namespace {

// General format of x rounded to `digits` significant digits; scientific notation when
// the number has more than `limit` integer digits or is below 0.00001.
std::string generalForm(Extended x, int digits, int limit, int expDigits) {
    if (x == 0) return "0";
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    Decimal d = toDecimal(x, digits);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string out = d.negative ? "-" : "";
    const int intDigits = d.exponent + 1;
    if (intDigits > limit || std::fabs(x) < 0.00001L) {
        out += d.digits[0];
        if (d.digits.size() > 1) out += "." + d.digits.substr(1);
        out += "E" + exponentText(d.exponent, expDigits, false);
    } else if (intDigits <= 0) {
        out += "0." + std::string(-intDigits, '0') + d.digits;
    } else if (static_cast<int>(d.digits.size()) <= intDigits) {
        out += d.digits + std::string(intDigits - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, intDigits) + "." + d.digits.substr(intDigits);
    }
    return out;
}

}  // namespace

std::string generalText(Extended x, int precision, int expDigits) {
    return generalForm(x, precision, precision, expDigits);
}

std::string floatText(Extended x) { return generalText(x, 15, 0); }

std::string scientificText(Extended x, int width) {
    const int decimals = width - 9 < 1 ? 1 : width - 9;
    const Decimal d = toDecimal(x, decimals + 1);
    std::string out = d.negative ? "-" : " ";
    out += d.digits[0];
    out += "." + d.digits.substr(1);
    out += "E" + exponentText(x == 0 ? 0 : d.exponent, 4, true);
    if (static_cast<int>(out.size()) < width) out.insert(0, width - out.size(), ' ');
    return out;
}

std::string realText(Extended x) { return scientificText(x, 23); }

std::string significantText(Extended x, int precision) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Lg", precision, x);
    return buf;
}

std::string valueText(Real48 x) {
    // Fixed or scientific notation as the default float text decides (15 digits);
    // only the number of digits shrinks to the fewest that read back exactly.
    const Extended v = x;
    for (int digits = 1; digits < 17; ++digits) {
        std::string text = generalForm(v, digits, 15, 0);
        const auto back = parseNumber(text);
        if (back && Real48(*back) == x) return text;
    }
    return generalForm(v, 17, 15, 0);
}

std::optional<Extended> parseNumber(std::string_view text) {
    const std::string s = trimmed(text);
    // Sign, digits with at most one point (at least one digit), optional exponent.
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    const Extended value = std::strtold(s.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<Extended> parseValueText(std::string_view text) {
    const std::string s = trimmed(text);
    const size_t n = s.size();
    if (n >= 2 && std::tolower(static_cast<unsigned char>(s[n - 2])) == 'p' &&
        std::tolower(static_cast<unsigned char>(s[n - 1])) == 'i') {
        const std::string factor = trimmed(std::string_view(s).substr(0, n - 2));
        // "pi" alone means pi itself, and a bare sign before it its sign.
        if (factor.empty() || factor == "+") return kPi;
        if (factor == "-") return -kPi;
        const auto f = parseNumber(factor);
        if (!f) return std::nullopt;
        return *f * kPi;
    }
    return parseNumber(s);
}

std::string notANumberMessage(std::string_view label, std::string_view text) {
    return "\"" + std::string(text) + "\" is not a number (" + trimmed(label) + ")";
}

}  // namespace velmar
