// Every way the system turns numbers into text and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/real48.h"

namespace velmar {

inline constexpr Extended kPi = 3.1415926535897932385L;

// Fixed notation right-aligned in `width` characters with `decimals` decimals
// (the x:10:5 form). A wider number is not cut.
std::string fixedText(Extended x, int width, int decimals);

// General format: the shorter of fixed and scientific notation with at most
// `precision` significant digits, trailing zeros removed; scientific notation is used
// when the number has more than `precision` integer digits or is below 0.00001, its
// exponent written with at least `expDigits` digits, a sign only when negative
// ("1.5E0020", "1E-6").
std::string generalText(Extended x, int precision, int expDigits);

// The default float text: general format, 15 significant digits.
std::string floatText(Extended x);

// Scientific notation in a field of `width` characters: a sign position (blank or
// "-"), one digit, a point, width - 9 decimals (at least one) and a signed four-digit
// exponent. scientificText(1, 10) is " 1.0E+0000".
std::string scientificText(Extended x, int width);

// The default text of an 80-bit real, the 23-character scientific form
// " 1.00000000000000E+0000".
std::string realText(Extended x);

// `precision` significant digits, shortest form ("%.17Lg"); the CLI's output format.
std::string significantText(Extended x, int precision = 17);

// The text a value dialog shows for a stored value: the shortest decimal that reads
// back to exactly the same 6-byte real ("0.01" for a stored 0.01).
std::string valueText(Real48 x);

// Reads a value-dialog text. Surrounding blanks are ignored. A text ending in "pi"
// (any case) is the number before it times pi; "pi" alone is pi and "-pi" is -pi.
// Anything else must be a decimal number (sign, digits, point, exponent).
// Returns nothing when the text is not a number.
std::optional<Extended> parseValueText(std::string_view text);

// Reads a plain decimal number (no "pi" suffix); nothing when it is not one.
std::optional<Extended> parseNumber(std::string_view text);

// The message shown when a dialog text is not a number.
std::string notANumberMessage(std::string_view label, std::string_view text);

}  // namespace velmar
