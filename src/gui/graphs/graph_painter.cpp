#include "gui/graphs/graph_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QStringList>
#include <algorithm>
#include <array>

#include "core/graphs/graph_texts.h"
#include "core/numtext.h"

namespace velmar::gui {

namespace {

const QColor kBackground(Qt::black);
const QColor kFrame(96, 96, 96);
const QColor kAxis(192, 192, 192);
const QColor kText(Qt::white);
const QColor kCursor(255, 0, 255);
constexpr int kCrossArm = 3;
constexpr int kStemCircle = 2;
constexpr int kValueWidth = 10;  // the cursor's scientific numbers

QString rangeText(Extended v) { return QString::fromStdString(generalText(v, 6, 2)); }

// The row of the x axis, or the bottom edge when zero lies outside the plot.
int xAxisRow(const GraphScale& s, const PlotArea& a) { return s.xAxisShown(a) ? s.yZero : a.bottom; }
int yAxisColumn(const GraphScale& s, const PlotArea& a) { return s.yAxisShown(a) ? s.xZero : a.left; }

void paintAxes(QPainter& p, const GraphScale& s, const PlotArea& a, int imageWidth) {
    p.setPen(kFrame);
    p.drawRect(a.left, a.top, a.width(), a.height());
    p.setPen(kAxis);
    // The x axis stops at least 3 pixels before the image's right border.
    if (s.xAxisShown(a)) p.drawLine(a.left, s.yZero, std::min(a.right, imageWidth - 3), s.yZero);
    if (s.yAxisShown(a)) p.drawLine(s.xZero, a.top, s.xZero, a.bottom);
}

void paintMargins(QPainter& p, const GraphScale& s, const PlotArea& a, const GraphHeading& h) {
    p.setPen(kText);
    const int textHeight = p.fontMetrics().height();
    const QRect left(2, a.top, a.left - 6, textHeight);
    p.drawText(left, Qt::AlignRight | Qt::AlignTop, rangeText(shownRangeEnd(s.yMax, s.yMin, s.yMax)));
    p.drawText(left.translated(0, a.height() - textHeight), Qt::AlignRight | Qt::AlignBottom,
               rangeText(shownRangeEnd(s.yMin, s.yMin, s.yMax)));
    const QRect below(a.left, a.bottom + 2, a.width(), textHeight);
    p.drawText(below, Qt::AlignLeft, rangeText(shownRangeEnd(s.xMin, s.xMin, s.xMax)));
    p.drawText(below, Qt::AlignRight, rangeText(shownRangeEnd(s.xMax, s.xMin, s.xMax)));
    p.drawText(below, Qt::AlignHCenter, QString::fromStdString(h.axisCaption));
    p.drawText(QRect(a.left, a.top + 2, a.width(), textHeight), Qt::AlignHCenter,
               QString::fromStdString(h.title));
}

void paintLegend(QPainter& p, const ViewerSlots& viewer, const PlotArea& a) {
    const int line = p.fontMetrics().height();
    int y = a.top + line + 4;
    for (int n = 1; n <= kSlotCount; ++n) {
        const Slot& s = viewer.slot(n);
        if (!s.present()) continue;
        p.setPen(slotColour(n));
        p.drawText(a.left + 6, y + p.fontMetrics().ascent(),
                   QString("%1: %2").arg(n).arg(QString::fromStdString(viewer.legendText(n))));
        y += line;
    }
}

// The texts handed over with the curves, one line each, in a block at the top right of
// the plot, under the title.
void paintTexts(QPainter& p, const std::vector<std::string>& texts, const PlotArea& a) {
    if (texts.empty()) return;
    QStringList lines;
    for (const std::string& t : texts) lines << QString::fromStdString(t);
    const QFontMetrics metrics = p.fontMetrics();
    int width = 0;
    for (const QString& l : lines) width = std::max(width, metrics.horizontalAdvance(l));
    const int left = std::max(a.left + 6, a.right - 6 - width);
    int y = a.top + metrics.height() + 4 + metrics.ascent();
    p.setPen(kText);
    for (const QString& l : lines) {
        p.drawText(left, y, l);
        y += metrics.height();
    }
}

void paintDiagram(QPainter& p, const Slot& slot, const QPen& pen, const GraphScale& s, const PlotArea& a,
                  int kind) {
    p.setPen(pen);
    const int n = slot.count();
    if (!drawsPointMarks(kind)) {
        QPolygon line(n);
        for (int i = 0; i < n; ++i) line.setPoint(i, s.px(slot.x(i)), s.py(slot.y(i)));
        p.drawPolyline(line);
        return;
    }
    const int axis = xAxisRow(s, a);
    for (int i = 0; i < n; ++i) {
        const int x = s.px(slot.x(i)), y = s.py(slot.y(i));
        p.drawLine(x - kCrossArm, y, x + kCrossArm, y);
        p.drawLine(x, y - kCrossArm, x, y + kCrossArm);
        if (kind == kStemKind) {
            p.drawLine(x, axis, x, y);
            p.drawEllipse(QPoint(x, y), kStemCircle, kStemCircle);
        }
    }
}

}  // namespace

QColor slotColour(int n) {
    static const std::array<QColor, kSlotCount> colours = {QColor(0, 255, 0), QColor(255, 0, 0),
                                                           QColor(255, 255, 0), QColor(0, 255, 255),
                                                           QColor(255, 255, 255)};
    return colours[static_cast<std::size_t>(std::clamp(n, 1, kSlotCount) - 1)];
}

void paintGraph(QImage& image, const ViewerSlots& viewer, const GraphScale& scale, const PlotArea& area) {
    QPainter p(&image);
    paintGraph(p, image.size(), viewer, scale, area);
}

void paintGraph(QPainter& p, QSize size, const ViewerSlots& viewer, const GraphScale& scale,
                const PlotArea& area) {
    p.fillRect(QRect(QPoint(0, 0), size), kBackground);
    paintAxes(p, scale, area, size.width());
    paintMargins(p, scale, area, viewer.heading());
    p.save();
    p.setClipRect(QRect(area.left, area.top, area.width() + 1, area.height() + 1));
    const bool comparing = viewer.anyKeptShown();
    for (int n = 1; n <= kSlotCount; ++n) {
        const Slot& s = viewer.slot(n);
        if (!s.present()) continue;
        const int width = comparing && !s.kept() ? 2 : 1;
        paintDiagram(p, s, QPen(slotColour(n), width), scale, area, viewer.kind());
    }
    p.restore();
    paintLegend(p, viewer, area);
    paintTexts(p, viewer.texts, area);
}

void paintPointCursor(QImage& image, const Slot& slot, int index, const GraphScale& scale,
                      const PlotArea& area) {
    if (index < 0 || index >= slot.count()) return;
    QPainter p(&image);
    const Extended x = slot.x(index), y = slot.y(index);
    const int px = scale.px(x), py = scale.py(y);
    const int axisRow = xAxisRow(scale, area), axisColumn = yAxisColumn(scale, area);
    p.setPen(QPen(kCursor, 1, Qt::DashLine));
    p.drawLine(px, axisRow, px, py);
    p.drawLine(axisColumn, py, px, py);
    p.setPen(kCursor);
    p.drawRect(px - 2, py - 2, 4, 4);
    p.setPen(kText);
    const int descent = p.fontMetrics().descent();
    p.drawText(px + 3, axisRow - descent - 1, QString::fromStdString(scientificText(x, kValueWidth)));
    p.drawText(axisColumn + 3, py - descent - 1, QString::fromStdString(scientificText(y, kValueWidth)));
}

}  // namespace velmar::gui
