#include "core/analysis/roots_list.h"

#include "core/analysis/method_lists.h"
#include "core/analysis/roots.h"
#include "core/analysis/side_files.h"
#include "core/host.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr int kLineHeight = 15;  // pixels between canvas lines

std::string columnText(const std::vector<Real48>& values) {
    std::string text;
    for (const Real48& v : values) text += floatText(v) + '\n';
    return text;
}

// Finds and lists the roots of p; false when the search was refused.
bool listRoots(Host& host, const Polynomial& p, RootList& roots, int& y) {
    roots = FindRoots(p);
    if (roots.status == RootStatus::OrderTooHigh) {
        host.message(Box::Error, kRootOrderTooHigh);
        return false;
    }
    if (roots.status == RootStatus::NotFound) host.message(Box::Error, kNotFoundRoots);
    for (int k = 0; k < roots.count(); ++k) {
        const std::string index = std::to_string(k + 1);
        host.canvasText(10, y += kLineHeight, "Re" + index + " =" + floatText(roots.re[k]));
        host.canvasText(10, y += kLineHeight, "Im" + index + " =" + floatText(roots.im[k]));
    }
    return true;
}

}  // namespace

void showRoots(Host& host, const TransferFunction& w, MethodCode code, const std::filesystem::path& folder) {
    host.clearCanvas();
    int y = 0;
    RootList roots;
    if (code == MethodCode::RootsBoth) {
        RootList denominator;
        if (!listRoots(host, w.A, roots, y) || !listRoots(host, w.B, denominator, y)) return;
        host.message(Box::Information, "Roots of the numerator: " + std::to_string(roots.count()) +
                                           ", of the denominator: " + std::to_string(denominator.count()));
        return;
    }
    const bool numerator = code == MethodCode::RootsNumerator || code == MethodCode::RootsFieldNumerator;
    if (!listRoots(host, numerator ? w.A : w.B, roots, y)) return;
    writeSideFile(host, folder, std::filesystem::path("mcad") / "root_u.prn", columnText(roots.re));
    writeSideFile(host, folder, std::filesystem::path("mcad") / "root_v.prn", columnText(roots.im));
    if (code == MethodCode::RootsFieldNumerator || code == MethodCode::RootsFieldDenominator) {
        Diagrams slots;
        slots[0] = {roots.re.data(), roots.im.data(), roots.count(), "Indicator"};
        host.showGraph(slots, kRootsGraphKind);
    }
}

std::optional<int> rooterOrder(Host& host, std::string_view text) {
    const auto value = parseNumber(text);
    if (!value || *value != static_cast<int>(*value) || *value < 1 || *value > kMaxRootOrder) {
        host.message(Box::Error, "Polinom order must be a whole number from 1 to 30");
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::vector<std::string> rooterCoefficientHeaders(int order) {
    std::vector<std::string> headers;
    for (int i = 0; i <= order; ++i) headers.push_back("C" + std::to_string(i));
    return headers;
}

std::vector<std::string> rooterRootHeaders(int order) {
    std::vector<std::string> headers;
    for (int k = 1; k <= order; ++k) headers.push_back("X" + std::to_string(k));
    return headers;
}

std::optional<RooterRows> solveRooter(Host& host, const std::vector<std::string>& coefficients) {
    Polynomial p;
    p.Allocate(static_cast<int>(coefficients.size()) - 1);
    for (size_t i = 0; i < coefficients.size(); ++i) {
        const auto value = parseNumber(coefficients[i]);
        if (!value) {
            host.message(Box::Error, "'" + coefficients[i] + "' is not a valid floating point value");
            return std::nullopt;
        }
        p.set(static_cast<int>(i), *value);
    }
    const RootList roots = FindRoots(p);
    if (roots.status == RootStatus::OrderTooHigh) {
        host.message(Box::Error, kRootOrderTooHigh);
        return std::nullopt;
    }
    if (roots.status == RootStatus::NotFound) host.message(Box::Information, kNotFoundRoots);
    RooterRows rows;
    for (int k = 0; k < roots.count(); ++k) {
        rows.re.push_back(scientificText(roots.re[k], 3));
        rows.im.push_back(scientificText(roots.im[k], 3));
    }
    return rows;
}

}  // namespace velmar
