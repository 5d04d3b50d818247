#include "gui/analysis/general_forms.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "gui/analysis/named_label.h"

namespace velmar::gui {

namespace {

// One piece of a formula: its text on the base line, then a lowered index and a raised
// power (either may be empty).
struct Term {
    const char* text;
    const char* index;
    const char* power;
};

// clang-format off
constexpr Term kPolynomial[] = {
    {"c", "m", ""}, {" s", "", "m"}, {" + c", "m-1", ""}, {" s", "", "m-1"}, {" + .. + c", "1", ""},
    {" s + c", "0", ""},
};
constexpr Term kFunctional[] = {
    {"\u222B [ x", "", "(0)2"}, {" + T", "1", "2"}, {" x", "", "(1)2"}, {" + T", "2", "2"}, {" x", "", "(2)2"},
    {" + ... + T", "n-1", "2"}, {" x", "", "(n-1)2"}, {" ] dt = min", "", ""},
};
// clang-format on

// Draws the terms from `x` on the base line `y`.
template <std::size_t N>
void drawFormula(QPainter& p, int x, int y, const Term (&terms)[N]) {
    const QFont base = p.font();
    QFont small = base;
    small.setPointSizeF(base.pointSizeF() * 0.7);
    const QFontMetrics bm(base), sm(small);
    for (const Term& t : terms) {
        p.setFont(base);
        const QString text = QString::fromUtf8(t.text);
        p.drawText(x, y, text);
        x += bm.horizontalAdvance(text);
        p.setFont(small);
        const QString index = QString::fromUtf8(t.index), power = QString::fromUtf8(t.power);
        p.drawText(x, y + sm.ascent() / 2, index);
        p.drawText(x, y - bm.ascent() / 2, power);
        x += std::max(sm.horizontalAdvance(index), sm.horizontalAdvance(power));
    }
    p.setFont(base);
}

}  // namespace

GeneralForms::GeneralForms(QWidget* parent) : QWidget(parent) {
    setObjectName("GeneralForms");
    setMinimumHeight(sizeHint().height());
    // The headings are labels, so that they speak the interface language; the formulas
    // under them are drawn.
    // Their base lines are the first and the fourth line.
    const int line = fontMetrics().height();
    int baseLine = line;
    for (auto [name, text] : {std::pair{"PolynomialHeading", "Common polinom representation:"},
                              {"FunctionalHeading", "Common Minimized Integral representation:"}}) {
        QLabel* heading = namedLabel(this, name, text);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setGeometry(4, baseLine - QFontMetrics(bold).ascent(), sizeHint().width(), line);
        baseLine += 3 * line;
    }
}

QSize GeneralForms::sizeHint() const { return {360, 6 * fontMetrics().height()}; }

void GeneralForms::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int line = fontMetrics().height();
    drawFormula(p, 16, 2 * line + line / 2, kPolynomial);
    drawFormula(p, 16, 5 * line + line / 2, kFunctional);
}

}  // namespace velmar::gui
