#include "core/analysis/polynomial_from_roots.h"

#include <cmath>

#include "core/host.h"
#include "core/model/value_dialog.h"

namespace velmar {

std::optional<std::vector<Extended>> polynomialFromRoots(const std::vector<std::complex<Extended>>& roots) {
    std::vector<std::complex<Extended>> p{1};
    for (const auto& r : roots) {
        std::vector<std::complex<Extended>> next(p.size() + 1, 0);
        for (std::size_t i = 0; i < p.size(); ++i) {
            next[i + 1] += p[i];
            next[i] -= r * p[i];
        }
        p = std::move(next);
    }
    // A real polynomial needs every complex root's conjugate among the roots.
    for (const auto& r : roots) {
        if (r.imag() == 0) continue;
        std::size_t same = 0, conjugate = 0;
        for (const auto& q : roots) {
            same += q == r;
            conjugate += q == std::conj(r);
        }
        if (same != conjugate) return std::nullopt;
    }
    std::vector<Extended> real;
    for (const auto& v : p) real.push_back(v.real());
    return real;
}

std::optional<int> AskCount(Host& host, const std::string& label, int most) {
    std::vector<DialogValue> rows = {{label, 2, false, false}};
    const ValueCheck whole = [most](const std::vector<Extended>& v) -> std::string {
        if (v[0] != std::trunc(v[0]) || v[0] < 1 || v[0] > most)
            return "The order must be a whole number from 1 to " + std::to_string(most);
        return {};
    };
    if (!AskValues(host, rows, {}, whole)) return std::nullopt;
    return static_cast<int>(rows[0].value);
}

std::optional<std::vector<Extended>> askPolynomialByRoots(Host& host, int most) {
    const auto count = AskCount(host, "Roots number", most);
    if (!count) return std::nullopt;
    std::vector<std::complex<Extended>> roots;
    for (int k = 1; k <= *count; ++k) {
        const std::string index = std::to_string(k);
        std::vector<DialogValue> rows = {{"Re" + index, -1, false, false}, {"Im" + index, 0, false, false}};
        if (!AskValues(host, rows)) return std::nullopt;
        roots.emplace_back(rows[0].value, rows[1].value);
    }
    auto p = polynomialFromRoots(roots);
    if (!p) host.message(Box::Error, kRootsNotConjugate);
    return p;
}

}  // namespace velmar
