#include "cli/methods.h"

#include "cli/arguments.h"
#include "core/analysis/method_lists.h"

namespace velmar::cli {

std::optional<NamedAnalysis> methodOf(const std::string& text) {
    if (const auto named = AnalysisByName(text)) return named;
    const auto number = wholeNumber(text, 1, static_cast<int>(MethodCode::DDecomposition));
    if (number && !captionOfCode(MethodCode{*number}).empty()) return MethodCode{*number};
    return std::nullopt;
}

}  // namespace velmar::cli
