#include "cli/arguments.h"

#include <algorithm>
#include <cmath>

#include "core/numtext.h"

namespace velmar::cli {

const std::vector<std::string>& ParsedArguments::all(std::string_view option) const {
    static const std::vector<std::string> none;
    const auto it = values.find(option);
    return it == values.end() ? none : it->second;
}

std::optional<std::string> ParsedArguments::value(std::string_view option) const {
    const std::vector<std::string>& given = all(option);
    if (given.empty()) return std::nullopt;
    return given.front();
}

std::optional<ParsedArguments> parseArguments(const Args& args, const std::vector<OptionSpec>& options,
                                              std::string& error) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto option =
            std::find_if(options.begin(), options.end(), [&a](const OptionSpec& o) { return o.name == a; });
        if (option == options.end()) {
            if (a.starts_with("--")) error = "unknown option " + a;
            else if (!parsed.positional.empty())
                error = "a second scheme " + a + " after " + parsed.positional;
            else {
                parsed.positional = a;
                continue;
            }
            return std::nullopt;
        }
        const bool repeated = parsed.has(a) || parsed.values.count(a) != 0;
        if (repeated && !option->repeatable) {
            error = a + " is given twice; it takes one value";
            return std::nullopt;
        }
        if (!option->takesValue) {
            parsed.flags.insert(a);
        } else if (i + 1 < args.size()) {
            parsed.values[a].push_back(args[++i]);
        } else {
            error = a + " needs a value";
            return std::nullopt;
        }
    }
    return parsed;
}

std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    const auto n = parseNumber(text);
    if (!n || *n < low || *n > high || *n != std::trunc(*n)) return std::nullopt;
    return static_cast<int>(*n);
}

std::optional<int> wholeOption(const ParsedArguments& parsed, std::string_view option, int low, int high,
                               int fallback, std::string& error) {
    const std::optional<std::string> text = parsed.value(option);
    if (!text) return fallback;
    const std::optional<int> n = wholeNumber(*text, low, high);
    if (!n)
        error = std::string(option) + " " + *text + ": expected a whole number from " + std::to_string(low) +
                " to " + std::to_string(high);
    return n;
}

}  // namespace velmar::cli
