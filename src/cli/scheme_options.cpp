#include "cli/scheme_options.h"

#include <algorithm>

#include "core/errors.h"
#include "core/grid/parameter_grid.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

std::optional<ParameterName> parseParameterName(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto n = parseNumber(text.substr(0, colon));
    if (!n || *n != static_cast<int>(*n) || *n < 1) return std::nullopt;
    return ParameterName{static_cast<int>(*n), std::string(text.substr(colon + 1))};
}

namespace {

// "E:LABEL" with E an element number of the scheme; the element, or null.
Element* elementOf(Scheme& scheme, const std::string& option, std::string& label) {
    const auto name = parseParameterName(option);
    if (!name || name->element > scheme.ElementCount()) return nullptr;
    label = name->label;
    return &scheme.element(name->element);
}

}  // namespace

bool applyMarks(Scheme& scheme, const std::vector<std::string>& marks, std::string& error) {
    for (const std::string& option : marks) {
        std::string label;
        Element* e = elementOf(scheme, option, label);
        if (!e) {
            error = "--mark " + option + ": expected ELEMENT:LABEL with an element number of the scheme";
            return false;
        }
        const ParameterRef ref = ParameterByLabel(*e, label);
        if (!ref.param || !ref.markable) {
            error = "--mark " + option + ": element " + std::to_string(e->Number) +
                    " has no markable parameter \"" + label + "\"";
            return false;
        }
        ref.param->Varied = true;
    }
    return true;
}

bool applySets(Workbench& wb, const std::vector<std::string>& sets, std::string& error) {
    for (const std::string& option : sets) {
        const auto equals = option.rfind('=');
        const auto name = parseParameterName(std::string_view(option).substr(0, equals));
        const auto value =
            equals == std::string::npos ? std::nullopt : parseValueText(option.substr(equals + 1));
        if (!name || !value) {
            error = "--set " + option + ": expected ELEMENT:LABEL=VALUE";
            return false;
        }
        try {
            error = setParameterByLabel(wb, name->element, name->label, *value);
        } catch (const MathError& e) { error = e.what(); }
        if (!error.empty()) {
            error = "--set " + option + ": " + error;
            return false;
        }
    }
    return true;
}

bool applyEdits(Workbench& wb, const ScriptedHost& host, const std::vector<std::string>& edits,
                std::string& error) {
    for (const std::string& option : edits) {
        const auto n = parseNumber(option);
        if (!n || *n != static_cast<int>(*n) || *n < 1 || *n > wb.scheme.ElementCount()) {
            error = "--edit " + option + ": expected an element number of the scheme";
            return false;
        }
        const std::size_t asked = host.dialogs.size();
        wb.scheme.element(static_cast<int>(*n)).EditParameters(wb);
        const bool refused = std::any_of(host.dialogs.begin() + static_cast<std::ptrdiff_t>(asked),
                                         host.dialogs.end(), [](const auto& d) { return !d.confirmed; });
        if (refused) {
            error = "--edit " + option + ": the answers do not make a dialog of element " + option + " acceptable";
            return false;
        }
    }
    return true;
}

}  // namespace velmar::cli
