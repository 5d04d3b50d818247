#include "cli/arguments.h"

#include <algorithm>

namespace velmar::cli {

const std::vector<std::string>& ParsedArguments::all(std::string_view option) const {
    static const std::vector<std::string> none;
    const auto it = values.find(option);
    return it == values.end() ? none : it->second;
}

std::optional<std::string> ParsedArguments::last(std::string_view option) const {
    const std::vector<std::string>& given = all(option);
    if (given.empty()) return std::nullopt;
    return given.back();
}

std::optional<ParsedArguments> parseArguments(const Args& args, const std::vector<OptionSpec>& options) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto option =
            std::find_if(options.begin(), options.end(), [&a](const OptionSpec& o) { return o.name == a; });
        if (option != options.end() && !option->takesValue) {
            parsed.flags.insert(a);
        } else if (option != options.end() && i + 1 < args.size()) {
            parsed.values[a].push_back(args[++i]);
        } else if (parsed.positional.empty() && !a.starts_with("--")) {
            parsed.positional = a;
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace velmar::cli
