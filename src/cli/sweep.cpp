#include "cli/sweep.h"

#include <cmath>
#include <vector>

#include "core/errors.h"
#include "core/numtext.h"

namespace velmar::cli {

namespace {

// The number of steps from BEGIN to END, counting an END within a millionth of a step.
Extended stepCount(const SweepRange& r) { return std::floor((r.end - r.begin) / r.step + 1e-6L); }

}  // namespace

std::optional<SweepRange> parseSweep(std::string_view text, std::string& error) {
    const auto equals = text.rfind('=');
    std::string nameError;
    const auto name = parseParameterName(text.substr(0, equals), nameError);
    std::vector<std::optional<Extended>> numbers;
    if (equals != std::string_view::npos) {
        std::string_view rest = text.substr(equals + 1);
        for (std::size_t colon; (colon = rest.find(':')) != std::string_view::npos;
             rest.remove_prefix(colon + 1))
            numbers.push_back(parseValueText(rest.substr(0, colon)));
        numbers.push_back(parseValueText(rest));
    }
    if (!name || numbers.size() != 3 || !numbers[0] || !numbers[1] || !numbers[2]) {
        error = "--sweep " + std::string(text) + ": expected ELEMENT:LABEL=BEGIN:END:STEP" +
                (name || equals == std::string_view::npos ? "" : " (" + nameError + ")");
        return std::nullopt;
    }
    SweepRange range{*name, *numbers[0], *numbers[1], *numbers[2]};
    if (range.step == 0 || stepCount(range) < 0) {
        error = "--sweep " + std::string(text) + ": the step must be nonzero and lead from BEGIN to END";
        return std::nullopt;
    }
    try {
        (void)Real48(range.begin), (void)Real48(range.end);
    } catch (const MathError&) {
        error = "--sweep " + std::string(text) + ": BEGIN and END must be values a parameter can hold";
        return std::nullopt;
    }
    if (stepCount(range) >= static_cast<Extended>(kMaxSweepValues)) {
        error = "--sweep " + std::string(text) + ": more than " + std::to_string(kMaxSweepValues) + " values";
        return std::nullopt;
    }
    return range;
}

std::size_t sweepCount(const SweepRange& range) { return static_cast<std::size_t>(stepCount(range)) + 1; }

Real48 sweepValue(const SweepRange& range, std::size_t k) {
    return Real48(range.begin + static_cast<Extended>(k) * range.step);
}

}  // namespace velmar::cli
