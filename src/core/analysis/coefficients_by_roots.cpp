#include "core/analysis/coefficients_by_roots.h"

#include "core/analysis/method_lists.h"
#include "core/analysis/methods.h"
#include "core/analysis/polynomial_from_roots.h"
#include "core/analysis/roots.h"
#include "core/blocks/polynomial_entry.h"
#include "core/host.h"

namespace velmar {

namespace {

constexpr int kLineHeight = 15;  // pixels between canvas lines

}  // namespace

bool coefficientsByRoots(Host& host, PolynomialEntry& hand) {
    // As many roots as the root finders take back, so the result can be checked there.
    const auto coefficients = askPolynomialByRoots(host, kMaxRootOrder);
    if (!coefficients) return false;
    Polynomial p;
    p.Allocate(static_cast<int>(coefficients->size()) - 1);
    for (std::size_t i = 0; i < coefficients->size(); ++i) p.set(static_cast<int>(i), (*coefficients)[i]);

    host.clearCanvas();
    int y = 0;
    for (const std::string& line : coefficientLines('c', p)) host.canvasText(10, y += kLineHeight, line);

    std::vector<ChoiceRow> role = {{"Take as", {"denominator B(s)", "numerator A(s)"}, 0}};
    if (!host.askChoices(captionOfCode(MethodCode::coefficientsByRoots), role)) return false;
    const bool numerator = role[0].index == 1;
    (numerator ? hand.A : hand.B) = p;
    (numerator ? hand.initialA : hand.initialB).assign(coefficients->size(), Real48());
    return true;
}

}  // namespace velmar
