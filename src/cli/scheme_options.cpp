#include "cli/scheme_options.h"

#include <algorithm>

#include "cli/arguments.h"
#include "core/errors.h"
#include "core/grid/parameter_grid.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

std::optional<ParameterName> parseParameterName(std::string_view text, std::string& error) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        error = "expected ELEMENT:LABEL, found no colon in \"" + std::string(text) + "\"";
        return std::nullopt;
    }
    const std::string_view element = text.substr(0, colon);
    const auto n = wholeNumber(element, 1, kMaxElements);
    if (!n) {
        error = "the element \"" + std::string(element) + "\" is not a whole number from 1 to " +
                std::to_string(kMaxElements);
        return std::nullopt;
    }
    return ParameterName{*n, std::string(text.substr(colon + 1))};
}

namespace {

// "E:LABEL" with E an element number of the scheme; the element, or null with `error`
// saying why.
Element* elementOf(Scheme& scheme, const std::string& text, std::string& label, std::string& error) {
    const auto name = parseParameterName(text, error);
    if (!name) return nullptr;
    if (name->element > scheme.ElementCount()) {
        error = "the scheme has no element " + std::to_string(name->element);
        return nullptr;
    }
    label = name->label;
    return &scheme.element(name->element);
}

}  // namespace

bool applyMarks(Scheme& scheme, const std::vector<std::string>& marks, std::string& error) {
    for (const std::string& option : marks) {
        std::string label;
        Element* e = elementOf(scheme, option, label, error);
        if (!e) {
            error = "--mark " + option + ": " + error;
            return false;
        }
        const ParameterRef ref = parameterByLabel(*e, label);
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
        const auto name = equals == std::string::npos
                              ? std::nullopt
                              : parseParameterName(std::string_view(option).substr(0, equals), error);
        const auto value = name ? parseValueText(option.substr(equals + 1)) : std::nullopt;
        if (equals == std::string::npos) error = "expected ELEMENT:LABEL=VALUE, found no \"=\"";
        else if (name && !value) error = "the value \"" + option.substr(equals + 1) + "\" is not a number";
        if (!value) {
            error = "--set " + option + ": " + error;
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
