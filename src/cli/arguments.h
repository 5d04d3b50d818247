// The arguments of the verbs that take a scheme and options: one positional argument
// (the first that does not start with "--") and the options the verb knows, each either
// a flag or taking the next argument as its value (whatever it reads). A repeatable
// option keeps every value; any other may be given once, so that no value silently
// wins over another. An unknown option, an option without its value, a second
// positional argument or a single-valued option given twice makes the arguments
// unusable, and the reason is told.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace velmar::cli {

struct OptionSpec {
    std::string_view name;  // "--csv"
    bool takesValue = true;
    bool repeatable = false;
};

struct ParsedArguments {
    std::string positional;
    std::set<std::string, std::less<>> flags;
    std::map<std::string, std::vector<std::string>, std::less<>> values;

    bool has(std::string_view flag) const { return flags.count(flag) != 0; }
    // Every value of an option, in the order given.
    const std::vector<std::string>& all(std::string_view option) const;
    // The value of a single-valued option; nothing when it was not given.
    std::optional<std::string> value(std::string_view option) const;
};

// Nothing, with `error` saying what was wrong, for unusable arguments.
std::optional<ParsedArguments> parseArguments(const Args& args, const std::vector<OptionSpec>& options,
                                              std::string& error);

// A whole number from `low` to `high` written as a plain number ("3", not "2.5" or "1e1").
std::optional<int> wholeNumber(std::string_view text, int low, int high);

// The value of a single-valued option that must be a whole number from `low` to
// `high`: `fallback` when not given, nothing (with `error` naming the option and the
// text) when it is not such a number.
std::optional<int> wholeOption(const ParsedArguments& parsed, std::string_view option, int low, int high,
                               int fallback, std::string& error);

}  // namespace velmar::cli
