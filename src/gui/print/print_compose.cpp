#include "gui/print/print_compose.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "core/model/scheme.h"
#include "core/print/print_layout.h"

namespace velmar::gui {

QImage composeSchemePrint(const QImage& canvas, const velmar::Scheme& scheme) {
    const auto bounds = velmar::usedCells(scheme);
    if (!bounds) return {};
    QImage print(bounds->imageWidth(), bounds->imageHeight(), QImage::Format_RGB32);
    print.fill(Qt::white);
    const QImage source = canvas.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < print.height(); ++y) {
        const int cy = y + bounds->canvasTop();
        if (cy < 0 || cy >= source.height()) continue;
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(cy));
        QRgb* to = reinterpret_cast<QRgb*>(print.scanLine(y));
        for (int x = 0; x < print.width(); ++x) {
            const int cx = x + bounds->canvasLeft();
            if (cx >= 0 && cx < source.width() && (from[cx] & 0xFFFFFF) == (white & 0xFFFFFF))
                to[x] = qRgb(0, 0, 0);
        }
    }
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
