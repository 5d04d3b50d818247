// The arguments of the verbs that take a scheme and options: one positional argument
// (the first that does not start with "--") and the options the verb knows, each either
// a flag or taking the next argument as its value (whatever it reads). A repeated option
// keeps every value. An unknown option, an option without its value or a second
// positional argument makes the arguments unusable.
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
};

struct ParsedArguments {
    std::string positional;
    std::set<std::string, std::less<>> flags;
    std::map<std::string, std::vector<std::string>, std::less<>> values;

    bool has(std::string_view flag) const { return flags.count(flag) != 0; }
    // Every value of an option, in the order given.
    const std::vector<std::string>& all(std::string_view option) const;
    // The value given last; nothing when the option was not given.
    std::optional<std::string> last(std::string_view option) const;
};

std::optional<ParsedArguments> parseArguments(const Args& args, const std::vector<OptionSpec>& options);

}  // namespace velmar::cli
