// `run --sweep E:LABEL=BEGIN:END:STEP`: the range of a parameter a sweep runs over.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/scheme_options.h"
#include "core/real48.h"

namespace velmar::cli {

struct SweepRange {
    ParameterName parameter;
    Extended begin = 0;
    Extended end = 0;
    Extended step = 0;
};

// The most values one sweep runs.
inline constexpr std::size_t kMaxSweepValues = 100000;

// Reads the option's text (the numbers as in the dialog, "2pi"); nothing, with `error`
// saying why, for a malformed text, a step of 0 or one pointing away from END, or a
// range of more than kMaxSweepValues values.
std::optional<SweepRange> parseSweep(std::string_view text, std::string& error);

// The values BEGIN + k·STEP for k = 0, 1, … up to END; an END missed only by rounding
// (0.1 steps) is still run. Counted rather than listed, so a sweep holds none of them.
std::size_t sweepCount(const SweepRange& range);

// Value k as the parameter stores it.
Real48 sweepValue(const SweepRange& range, std::size_t k);

}  // namespace velmar::cli
