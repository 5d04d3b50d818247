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

constexpr int kCrossArm = 3;
constexpr int kStemCircle = 2;
constexpr int kValueWidth = 10;  // the cursor's scientific numbers
constexpr int kTextInset = 6;    // the legend's and the texts' distance from the frame

QString rangeText(Extended v) { return QString::fromStdString(generalText(v, 6, 2)); }

// The row of the x axis, or the bottom edge when zero lies outside the plot.
int xAxisRow(const GraphScale& s, const PlotArea& a) { return s.xAxisShown(a) ? s.yZero : a.bottom; }
int yAxisColumn(const GraphScale& s, const PlotArea& a) { return s.yAxisShown(a) ? s.xZero : a.left; }

void paintAxes(QPainter& p, const GraphScale& s, const PlotArea& a, int imageWidth, const GraphColours& c) {
    p.setPen(c.frame);
    p.drawRect(a.left, a.top, a.width(), a.height());
    p.setPen(c.axis);
    // The x axis stops at least 3 pixels before the image's right border.
    if (s.xAxisShown(a)) p.drawLine(a.left, s.yZero, std::min(a.right, imageWidth - 3), s.yZero);
    if (s.yAxisShown(a)) p.drawLine(s.xZero, a.top, s.xZero, a.bottom);
}

void paintMargins(QPainter& p, const GraphScale& s, const PlotArea& a, const GraphHeading& h,
                  const GraphColours& c) {
    p.setPen(c.text);
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

QStringList legendLines(const ViewerSlots& viewer, std::vector<int>& shown) {
    QStringList lines;
    for (int n = 1; n <= kSlotCount; ++n) {
        if (!viewer.slot(n).present()) continue;
        shown.push_back(n);
        lines << QString("%1: %2").arg(n).arg(QString::fromStdString(viewer.legendText(n)));
    }
    return lines;
}

QStringList handedTexts(const ViewerSlots& viewer) {
    QStringList lines;
    for (const std::string& t : viewer.texts) lines << QString::fromStdString(t);
    return lines;
}

int widest(const QStringList& lines, const QFontMetrics& metrics) {
    int width = 0;
    for (const QString& l : lines) width = std::max(width, metrics.horizontalAdvance(l));
    return width;
}

void paintLines(QPainter& p, const QStringList& lines, QRect place, const std::vector<QColor>& colours) {
    const int line = p.fontMetrics().height();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        p.setPen(colours[static_cast<std::size_t>(i)]);
        p.drawText(QRect(place.left(), place.top() + static_cast<int>(i) * line, place.width(), line),
                   Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
}

void paintLegendAndTexts(QPainter& p, const ViewerSlots& viewer, const PlotArea& a, const GraphColours& c) {
    const GraphTextPlaces places = graphTextPlaces(viewer, a, p.fontMetrics());
    std::vector<int> shown;
    const QStringList legend = legendLines(viewer, shown);
    std::vector<QColor> colours;
    for (int n : shown) colours.push_back(c.curves[static_cast<std::size_t>(n - 1)]);
    paintLines(p, legend, places.legend, colours);
    const QStringList texts = handedTexts(viewer);
    paintLines(p, texts, places.texts, std::vector<QColor>(static_cast<std::size_t>(texts.size()), c.text));
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

const GraphColours& screenColours() {
    static const GraphColours colours{Qt::black,
                                      QColor(96, 96, 96),
                                      QColor(192, 192, 192),
                                      Qt::white,
                                      QColor(255, 0, 255),
                                      {QColor(0, 255, 0), QColor(255, 0, 0), QColor(255, 255, 0),
                                       QColor(0, 255, 255), QColor(255, 255, 255)}};
    return colours;
}

// The screen's hues, dark enough to be read on paper; white (slot 5) becomes black.
const GraphColours& printColours() {
    static const GraphColours colours = [] {
        GraphColours c = screenColours();
        for (QColor& curve : c.curves)
            curve = curve == QColor(Qt::white) ? QColor(Qt::black) : curve.darker(150);
        c.background = Qt::white;
        c.frame = QColor(128, 128, 128);
        c.axis = QColor(64, 64, 64);
        c.text = Qt::black;
        c.cursor = c.cursor.darker(150);
        return c;
    }();
    return colours;
}

QColor slotColour(int n) {
    return screenColours().curves[static_cast<std::size_t>(std::clamp(n, 1, kSlotCount) - 1)];
}

GraphTextPlaces graphTextPlaces(const ViewerSlots& viewer, const PlotArea& a, const QFontMetrics& metrics) {
    const int line = metrics.height();
    const int top = a.top + line + 4;  // under the title
    std::vector<int> shown;
    const QStringList legend = legendLines(viewer, shown);
    const QStringList texts = handedTexts(viewer);
    GraphTextPlaces places;
    if (!legend.isEmpty())
        places.legend =
            QRect(a.left + kTextInset, top, widest(legend, metrics), line * static_cast<int>(legend.size()));
    if (!texts.isEmpty()) {
        const int width = widest(texts, metrics);
        QRect r(std::max(a.left + kTextInset, a.right - kTextInset - width), top, width,
                line * static_cast<int>(texts.size()));
        // Texts as wide as the plot would run into the legend: they go under it.
        if (!places.legend.isNull() && r.intersects(places.legend.adjusted(0, 0, kTextInset, 0)))
            r.moveTop(places.legend.bottom() + 1 + line / 2);
        places.texts = r;
    }
    return places;
}

void paintGraph(QImage& image, const ViewerSlots& viewer, const GraphScale& scale, const PlotArea& area) {
    QPainter p(&image);
    paintGraph(p, image.size(), viewer, scale, area);
}

void paintGraph(QPainter& p, QSize size, const ViewerSlots& viewer, const GraphScale& scale,
                const PlotArea& area, const GraphColours& colours) {
    p.fillRect(QRect(QPoint(0, 0), size), colours.background);
    paintAxes(p, scale, area, size.width(), colours);
    paintMargins(p, scale, area, viewer.heading(), colours);
    p.save();
    p.setClipRect(QRect(area.left, area.top, area.width() + 1, area.height() + 1));
    const bool comparing = viewer.anyKeptShown();
    for (int n = 1; n <= kSlotCount; ++n) {
        const Slot& s = viewer.slot(n);
        if (!s.present()) continue;
        const int width = comparing && !s.kept() ? 2 : 1;
        paintDiagram(p, s, QPen(colours.curves[static_cast<std::size_t>(n - 1)], width), scale, area,
                     viewer.kind());
    }
    p.restore();
    paintLegendAndTexts(p, viewer, area, colours);
}

namespace {

// A text's place kept inside the plot area, a pixel off the frame.
QRect insidePlot(QRect r, const PlotArea& a) {
    r.moveLeft(std::clamp(r.left(), a.left + 2, std::max(a.left + 2, a.right - 1 - r.width())));
    r.moveTop(std::clamp(r.top(), a.top + 2, std::max(a.top + 2, a.bottom - 1 - r.height())));
    return r;
}

}  // namespace

PointReadout pointReadout(const Slot& slot, int index, const GraphScale& scale, const PlotArea& area,
                          const QFontMetrics& metrics) {
    PointReadout r;
    r.xText = QString::fromStdString(scientificText(slot.x(index), kValueWidth));
    r.yText = QString::fromStdString(scientificText(slot.y(index), kValueWidth));
    const int px = scale.px(slot.x(index)), py = scale.py(slot.y(index));
    const int h = metrics.height();
    // Each value just above its axis line, right of the cursor's line.
    r.xPlace =
        insidePlot(QRect(px + 3, xAxisRow(scale, area) - h - 1, metrics.horizontalAdvance(r.xText), h), area);
    r.yPlace = insidePlot(
        QRect(yAxisColumn(scale, area) + 3, py - h - 1, metrics.horizontalAdvance(r.yText), h), area);
    if (r.yPlace.intersects(r.xPlace)) {
        // A point near the x axis: its Y goes above the X value, or below it at the top.
        QRect above = r.yPlace;
        above.moveBottom(r.xPlace.top() - 1);
        QRect below = r.yPlace;
        below.moveTop(r.xPlace.bottom() + 1);
        r.yPlace = above.top() >= area.top + 2 ? above : insidePlot(below, area);
    }
    return r;
}

void paintPointCursor(QImage& image, const Slot& slot, int index, const GraphScale& scale,
                      const PlotArea& area) {
    if (index < 0 || index >= slot.count()) return;
    QPainter p(&image);
    const GraphColours& c = screenColours();
    const int px = scale.px(slot.x(index)), py = scale.py(slot.y(index));
    p.setPen(QPen(c.cursor, 1, Qt::DashLine));
    p.drawLine(px, xAxisRow(scale, area), px, py);
    p.drawLine(yAxisColumn(scale, area), py, px, py);
    p.setPen(c.cursor);
    p.drawRect(px - 2, py - 2, 4, 4);
    p.setPen(c.text);
    const PointReadout r = pointReadout(slot, index, scale, area, p.fontMetrics());
    p.drawText(r.xPlace, Qt::AlignLeft | Qt::AlignVCenter, r.xText);
    p.drawText(r.yPlace, Qt::AlignLeft | Qt::AlignVCenter, r.yText);
}

}  // namespace velmar::gui
