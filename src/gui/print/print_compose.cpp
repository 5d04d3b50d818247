#include "gui/print/print_compose.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "core/model/scheme.h"
#include "core/print/print_layout.h"

namespace velmar::gui {

namespace {

// The smallest rectangle holding every pixel that is not white.
QRect drawnRect(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    int left = source.width(), right = -1, top = source.height(), bottom = -1;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

QRect schemePrintArea(const QImage& printPicture, const velmar::Scheme& scheme) {
    const auto bounds = velmar::usedCells(scheme);
    if (!bounds) return {};
    constexpr int kMargin = 2;
    const QRect cells(bounds->canvasLeft(), bounds->canvasTop(), bounds->imageWidth(), bounds->imageHeight());
    const QRect drawn = drawnRect(printPicture);
    return drawn.isNull() ? cells : cells.united(drawn.adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

QImage composeSchemePrint(const QImage& printPicture, const velmar::Scheme& scheme) {
    const QRect area = schemePrintArea(printPicture, scheme);
    if (area.isNull()) return {};
    QImage print(area.size(), QImage::Format_RGB32);
    print.fill(Qt::white);
    QPainter p(&print);
    p.drawImage(-area.topLeft(), printPicture);
    return print;
}

namespace {

QStringList linesOf(const QString& text) {
    if (text.isEmpty()) return {};
    QStringList lines = text.split('\n');
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

int textWidth(const QStringList& lines, const QFontMetrics& m) {
    int w = 0;
    for (const QString& l : lines) w = std::max(w, m.horizontalAdvance(l));
    return w;
}

// Writes the lines from `y` on and returns the row after them.
int writeLines(QPainter& p, const QStringList& lines, const QFont& font, int y) {
    p.setFont(font);
    const QFontMetrics m(font);
    for (const QString& l : lines) {
        p.drawText(0, y + m.ascent(), l);
        y += m.lineSpacing();
    }
    return y;
}

}  // namespace

QSize graphPrintSize(QSize graph, const QString& top, const QFont& topFont, const QString& bottom,
                     const QFont& bottomFont) {
    const QStringList above = linesOf(top), below = linesOf(bottom);
    const QFontMetrics topMetrics(topFont), bottomMetrics(bottomFont);
    const int width =
        std::max({graph.width(), textWidth(above, topMetrics), textWidth(below, bottomMetrics)});
    const int height = static_cast<int>(above.size()) * topMetrics.lineSpacing() + graph.height() +
                       static_cast<int>(below.size()) * bottomMetrics.lineSpacing();
    return {std::max(width, 1), std::max(height, 1)};
}

void paintGraphPrint(QPainter& p, QSize graph, const std::function<void(QPainter&)>& paintGraph,
                     const QString& top, const QFont& topFont, const QString& bottom,
                     const QFont& bottomFont) {
    p.fillRect(QRect(QPoint(0, 0), graphPrintSize(graph, top, topFont, bottom, bottomFont)), Qt::white);
    p.setPen(Qt::black);
    int y = writeLines(p, linesOf(top), topFont, 0);
    p.save();
    p.translate(0, y);
    paintGraph(p);
    p.restore();
    p.setPen(Qt::black);
    writeLines(p, linesOf(bottom), bottomFont, y + graph.height());
}

QImage composeGraphPrint(const QImage& graph, const QString& top, const QFont& topFont, const QString& bottom,
                         const QFont& bottomFont) {
    QImage print(graphPrintSize(graph.size(), top, topFont, bottom, bottomFont), QImage::Format_RGB32);
    QPainter p(&print);
    paintGraphPrint(
        p, graph.size(), [&graph](QPainter& q) { q.drawImage(0, 0, graph); }, top, topFont, bottom,
        bottomFont);
    return print;
}

}  // namespace velmar::gui
