#include "core/analysis/quality.h"

#include <cmath>

#include "core/host.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr int kLeft = 10;        // canvas x of every line
constexpr int kTop = 10;         // canvas y of the heading
constexpr int kLineHeight = 10;  // pixels between lines

Extended coefficientOrZero(const Polynomial& p, int i) { return i <= p.order() && !p.empty() ? p[i] : 0; }

}  // namespace

std::optional<std::vector<Real48>> errorCoefficients(const TransferFunction& w, int k) {
    const Extended b0 = coefficientOrZero(w.B, 0);
    if (b0 == 0) return std::nullopt;
    std::vector<Extended> d;
    std::vector<Real48> c;
    Extended factorial = 1;
    for (int i = 0; i <= k; ++i) {
        Extended sum = coefficientOrZero(w.A, i);
        for (int j = 1; j <= i; ++j) sum -= coefficientOrZero(w.B, j) * d[static_cast<std::size_t>(i - j)];
        d.push_back(sum / b0);
        if (i > 0) factorial *= i;
        c.emplace_back(factorial * d.back());
    }
    return c;
}

void showErrorCoefficients(Host& host, const TransferFunction& w) {
    std::vector<DialogValue> rows = {{"Input quantity of koef:", 0, false, false, false},
                                     {" C[0],C[1],.... C[k]  ", 0, false, false, false},
                                     {"k", 2, false, false}};
    const ValueCheck check = [](const std::vector<Extended>& v) -> std::string {
        if (v[2] != std::trunc(v[2]) || v[2] < 0 || v[2] > kMaxErrorCoefficient)
            return "k must be a whole number from 0 to " + std::to_string(kMaxErrorCoefficient);
        return {};
    };
    if (!AskValues(host, rows, {}, check)) return;
    const auto c = errorCoefficients(w, static_cast<int>(rows[2].value));
    if (!c) {
        host.message(Box::Error, "b0 = 0: W(s) has a pole at s = 0 and no error coefficients");
        return;
    }
    host.clearCanvas();
    int y = kTop;
    host.canvasText(kLeft, y, "      Error coefficients :     ");
    host.canvasText(kLeft, y += kLineHeight, "-------------------------------");
    for (std::size_t i = 0; i < c->size(); ++i)
        host.canvasText(kLeft, y += kLineHeight,
                        "C[" + std::to_string(i) + "] = " + fixedText((*c)[i], 8, 4));
}

}  // namespace velmar
