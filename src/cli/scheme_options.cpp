#include "cli/scheme_options.h"

#include "core/numtext.h"

namespace velmar::cli {

namespace {

// "E:LABEL" with E an element number of the scheme; the element, or null.
Element* elementOf(Scheme& scheme, const std::string& spec, std::string& label) {
    const auto colon = spec.find(':');
    if (colon == std::string::npos) return nullptr;
    const auto n = parseNumber(spec.substr(0, colon));
    if (!n || *n != static_cast<int>(*n) || *n < 1 || *n > scheme.ElementCount()) return nullptr;
    label = spec.substr(colon + 1);
    return &scheme.element(static_cast<int>(*n));
}

}  // namespace

bool applyMarks(Scheme& scheme, const std::vector<std::string>& marks, std::string& error) {
    for (const std::string& spec : marks) {
        std::string label;
        Element* e = elementOf(scheme, spec, label);
        if (!e) {
            error = "--mark " + spec + ": expected ELEMENT:LABEL with an element number of the scheme";
            return false;
        }
        const ParameterRef ref = ParameterByLabel(*e, label);
        if (!ref.param || !ref.markable) {
            error = "--mark " + spec + ": element " + std::to_string(e->Number) + " has no markable parameter \"" +
                    label + "\"";
            return false;
        }
        ref.param->Varied = true;
    }
    return true;
}

}  // namespace velmar::cli
