// info SCHEME: what a scheme file holds, one line per element.
// resave IN OUT: read a scheme (with its labels file) and write it under a new name.
// A scheme whose records end early is listed (or written) with a warning, exit 1.
#include <iostream>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/help.h"
#include "cli/scheme_loading.h"
#include "core/blocks/linear.h"
#include "core/errors.h"
#include "core/model/catalogue.h"
#include "core/model/scheme.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"

namespace velmar::cli {

namespace {

std::string value(Extended x) { return significantText(x, 17); }

// "Name=value" for every stored value; the polynomial links keep theirs in A(s), B(s).
std::string parameterText(const Element& e) {
    std::string text;
    auto add = [&text](const std::string& name, Extended x) { text += " | " + name + "=" + value(x); };
    if (const PolynomialEntry* polynomials = linkPolynomials(e)) {
        const PolynomialEntry& p = *polynomials;
        add("m", p.m());
        add("n", p.n());
        for (int i = 0; i <= p.m(); ++i) add("a" + std::to_string(i), p.A[i]);
        for (int i = 0; i <= p.n(); ++i) add("b" + std::to_string(i), p.B[i]);
    }
    for (const ParamRec& p : e.Params) add(p.Name, p.Value);
    return text;
}

}  // namespace

int info(const Args& args) {
    if (args.size() != 1) return usageError("info", args.empty() ? "no scheme given" : "too many arguments");
    Scheme scheme;
    const std::optional<SchemeRead> read = loadScheme("info", args[0], scheme, std::cerr);
    if (!read) return kWrongCall;
    std::cout << args[0] << ": " << scheme.ElementCount() << " elements\n";
    for (const auto& e : scheme.ElementList())
        std::cout << int(e->Number) << ": code " << int(e->Code) << " at (" << int(e->Col) << ","
                  << int(e->Row) << ") " << blockName(e->Code, NameSet::Russian) << parameterText(*e) << "\n";
    for (int k = 1; k <= kMaxElements; ++k)
        if (!scheme.Labels[static_cast<size_t>(k)].empty())
            std::cout << "label " << k << ": " << scheme.Labels[static_cast<size_t>(k)] << "\n";
    if (!scheme.SchemeComment.empty()) std::cout << "comment: " << scheme.SchemeComment << "\n";
    if (read->whole()) return kDone;
    std::cout << "Warning: " << read->warning() << "\n";
    return kDoneWithWarning;
}

int resave(const Args& args) {
    if (args.size() != 2) return usageError("resave", "expected IN and OUT");
    Scheme scheme;
    const std::optional<SchemeRead> read = loadScheme("resave", args[0], scheme, std::cerr);
    if (!read) return kWrongCall;
    try {
        SaveScheme(scheme, args[1], labelsFileFor(args[1]));
    } catch (const FileError& e) {
        std::cerr << "velmar-cli resave: " << e.what() << "\n";
        return kWrongCall;
    }
    if (read->whole()) return kDone;
    std::cerr << "velmar-cli resave: warning: " << args[0] << ": " << read->warning() << "\n";
    return kDoneWithWarning;
}

}  // namespace velmar::cli
