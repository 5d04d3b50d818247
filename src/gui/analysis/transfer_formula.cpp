#include "gui/analysis/transfer_formula.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace velmar::gui {

namespace {

// One printed piece of a formula: plain text, or a subscript or superscript.
struct FormulaRun {
    enum class Shift { None, Sub, Sup };
    QString text;
    Shift shift = Shift::None;
    bool italic = false;
};

constexpr int kBarGap = 6;       // between the fraction bar and either polynomial
constexpr int kBarOverhang = 6;  // the bar reaches this far past the wider polynomial
constexpr qreal kSmallScale = 0.7;

using Shift = FormulaRun::Shift;

// The fonts and offsets the runs are drawn with, derived from the widget's font.
struct FormulaFonts {
    QFont plain, italic, small;
    int subDrop = 0, supRise = 0;

    explicit FormulaFonts(const QFont& base) : plain(base), italic(base), small(base) {
        plain.setPointSizeF(base.pointSizeF() * 1.25);
        italic = plain;
        italic.setItalic(true);
        small.setPointSizeF(plain.pointSizeF() * kSmallScale);
        const int ascent = QFontMetrics(plain).ascent();
        subDrop = ascent * 3 / 10;
        supRise = ascent * 45 / 100;
    }
    const QFont& of(const FormulaRun& r) const {
        return r.shift != Shift::None ? small : r.italic ? italic : plain;
    }
    int width(const std::vector<FormulaRun>& runs) const {
        int w = 0;
        for (const FormulaRun& r : runs) w += QFontMetrics(of(r)).horizontalAdvance(r.text);
        return w;
    }
    // Draws the runs from x on the baseline y; returns the x after them.
    int draw(QPainter& p, int x, int y, const std::vector<FormulaRun>& runs) const {
        for (const FormulaRun& r : runs) {
            p.setFont(of(r));
            const int dy = r.shift == Shift::Sub ? subDrop : r.shift == Shift::Sup ? -supRise : 0;
            p.drawText(x, y + dy, r.text);
            x += QFontMetrics(of(r)).horizontalAdvance(r.text);
        }
        return x;
    }
};

void appendTerm(std::vector<FormulaRun>& runs, QChar letter, int index) {
    runs.push_back({QString(letter), Shift::None, true});
    runs.push_back({QString::number(index), Shift::Sub, false});
    if (index >= 1) runs.push_back({QStringLiteral("s"), Shift::None, true});
    if (index >= 2) runs.push_back({QString::number(index), Shift::Sup, false});
}

// The runs of a polynomial of order `order` in the general form with `letter`.
std::vector<FormulaRun> generalFormRuns(QChar letter, int order) {
    std::vector<int> indices;
    if (order <= 3) {
        for (int i = order; i >= 0; --i) indices.push_back(i);
    } else {
        indices = {order, order - 1, -1, 1, 0};  // -1 stands for ".."
    }
    std::vector<FormulaRun> runs;
    for (std::size_t k = 0; k < indices.size(); ++k) {
        if (k > 0) runs.push_back({QStringLiteral(" + "), Shift::None, false});
        if (indices[k] < 0) runs.push_back({QStringLiteral(".."), Shift::None, false});
        else appendTerm(runs, letter, indices[k]);
    }
    return runs;
}

}  // namespace

TransferFormula::TransferFormula(QWidget* parent) : QWidget(parent) {
    setObjectName("ImageRF");
    setMinimumHeight(sizeHint().height());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void TransferFormula::setOrders(int numeratorOrder, int denominatorOrder) {
    numeratorOrder_ = numeratorOrder;
    denominatorOrder_ = denominatorOrder;
    update();
}

void TransferFormula::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    if (!shown()) return;

    const FormulaFonts fonts(font());
    const std::vector<FormulaRun> lead = {{QStringLiteral("W"), Shift::None, true},
                                          {QStringLiteral("("), Shift::None, false},
                                          {QStringLiteral("s"), Shift::None, true},
                                          {QStringLiteral(") = "), Shift::None, false}};
    const std::vector<FormulaRun> top = generalFormRuns('a', numeratorOrder_);
    const std::vector<FormulaRun> bottom = generalFormRuns('b', denominatorOrder_);
    const int topWidth = fonts.width(top), bottomWidth = fonts.width(bottom);
    const int bar = std::max(topWidth, bottomWidth) + 2 * kBarOverhang;
    const int total = fonts.width(lead) + bar;

    const QFontMetrics plain(fonts.plain), small(fonts.small);
    const int below = std::max(plain.descent(), fonts.subDrop + small.descent());
    const int above = std::max(plain.ascent(), fonts.supRise + small.ascent());
    const int needed = 2 * (kBarGap + below + above);

    // A long fraction is scaled down to fit the area rather than cut off.
    const qreal scale = std::min({1.0, qreal(width() - 8) / total, qreal(height() - 4) / needed});
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(scale, scale);
    const int left = -total / 2;
    const int mid = 0;

    const int barLeft = fonts.draw(p, left, mid + plain.ascent() / 3, lead);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(barLeft, mid, barLeft + bar, mid);
    fonts.draw(p, barLeft + (bar - topWidth) / 2, mid - kBarGap - below, top);
    fonts.draw(p, barLeft + (bar - bottomWidth) / 2, mid + kBarGap + above, bottom);
}

}  // namespace velmar::gui
