#include "core/workbench/analysis_names.h"

#include <utility>

namespace velmar {

namespace {

const std::pair<std::string_view, NamedAnalysis> kNames[] = {
    {"routh", MethodCode::Routh},     {"mikhailov", MethodCode::Mikhailov},
    {"nyquist", MethodCode::Nyquist}, {"ddecomp", MethodCode::DDecomposition},
    {"harmonic", kCommandHarmonic},   {"popov", kCommandPopov},
};

}  // namespace

std::optional<NamedAnalysis> AnalysisByName(std::string_view name) {
    for (const auto& [text, analysis] : kNames)
        if (text == name) return analysis;
    return std::nullopt;
}

std::string_view NameOfMethod(MethodCode code) {
    for (const auto& [text, analysis] : kNames)
        if (analysis == NamedAnalysis(code)) return text;
    return {};
}

std::vector<std::string_view> AnalysisNames() {
    std::vector<std::string_view> names;
    for (const auto& entry : kNames) names.push_back(entry.first);
    return names;
}

}  // namespace velmar
