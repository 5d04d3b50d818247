#include "cli/methods.h"

#include <utility>

#include "cli/arguments.h"
#include "core/analysis/method_lists.h"
#include "core/workbench/dispatcher.h"

namespace velmar::cli {

namespace {

constexpr std::pair<std::string_view, int> kMethodNames[] = {
    {"routh", kCodeRouth},           {"mikhailov", kCodeMikhailov},
    {"nyquist", kCodeNyquist},       {"ddecomp", kCodeDDecomposition},
    {"harmonic", -kCommandHarmonic}, {"popov", -kCommandPopov},
};

}  // namespace

std::optional<int> methodCode(const std::string& text) {
    for (const auto& [name, code] : kMethodNames)
        if (text == name) return code;
    const auto number = wholeNumber(text, 1, kCodeDDecomposition);
    if (number && !CaptionOfCode(*number).empty()) return number;
    return std::nullopt;
}

std::string_view methodName(int code) {
    for (const auto& [name, named] : kMethodNames)
        if (named == code) return name;
    return {};
}

}  // namespace velmar::cli
