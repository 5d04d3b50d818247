#include "gui/editor/face_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QString>

#include <cmath>
#include <optional>

#include "core/model/catalogue.h"
#include "gui/editor/cell_metrics.h"
#include "gui/editor/face_layouts.h"

namespace velmar::gui {

namespace {

using faces::Shape;
using faces::TextPlace;
using faces::TextSize;

// Texts are squeezed sideways, never cut, to stay inside the frame.
constexpr int kMaxTextWidth = kBlockPictureWidth - 4;
constexpr int kArrowLength = 4;
constexpr int kArrowHalfWidth = 2;
constexpr int kPlotSamples = 96;

int pixelSize(TextSize size) {
    switch (size) {
        case TextSize::Small: return 9;
        case TextSize::Index: return 8;
        case TextSize::Large: return 13;
        case TextSize::Normal: break;
    }
    return 10;
}

// The canvas font in the size of the text; a text too wide for the frame is condensed.
QFont faceFont(TextSize size, const QString& text) {
    QFont font = canvasFont(pixelSize(size));
    font.setBold(size != TextSize::Index);  // the small index reads better thin
    for (int stretch = 95; QFontMetrics(font).horizontalAdvance(text) > kMaxTextWidth && stretch >= 50;
         stretch -= 5)
        font.setStretch(stretch);
    return font;
}

int leadingSpaces(const QString& text) {
    int n = 0;
    while (n < text.size() && text[n] == QLatin1Char(' ')) ++n;
    return n;
}

struct PlacedText {
    QString text;
    QFont font;
    std::optional<QPoint> origin;  // left end of the baseline, once known
};

// Resolves the positions of the face texts; anchored texts follow the text they name,
// which may itself be anchored, so positions are settled in passes.
std::vector<PlacedText> placeTexts(const std::vector<std::string>& texts,
                                   const std::vector<TextPlace>& places) {
    std::vector<PlacedText> placed;
    const std::size_t count = std::min(texts.size(), places.size());
    for (std::size_t i = 0; i < count; ++i) {
        const QString text = QString::fromStdString(texts[i]);
        placed.push_back({text, faceFont(places[i].size, text), std::nullopt});
    }
    for (std::size_t pass = 0; pass < count; ++pass) {
        for (std::size_t i = 0; i < count; ++i) {
            if (placed[i].origin) continue;
            const TextPlace& place = places[i];
            const QFontMetrics metrics(placed[i].font);
            if (place.anchor < 0) {
                const int width = metrics.horizontalAdvance(placed[i].text);
                placed[i].origin = QPoint(place.centred ? place.x - width / 2 : place.x, place.y);
                continue;
            }
            const auto anchor = static_cast<std::size_t>(place.anchor);
            if (anchor >= count || !placed[anchor].origin) continue;
            const PlacedText& base = placed[anchor];
            const int end = base.origin->x() +
                            QFontMetrics(base.font).horizontalAdvance(base.text.left(place.anchorChars));
            const int lead = metrics.horizontalAdvance(placed[i].text.left(leadingSpaces(placed[i].text)));
            placed[i].origin = QPoint(end - lead + place.x, base.origin->y() + place.y);
        }
    }
    return placed;
}

QPolygon points(const std::vector<int>& v, std::size_t from = 0) {
    QPolygon polygon;
    for (std::size_t i = from; i + 1 < v.size(); i += 2) polygon << QPoint(v[i], v[i + 1]);
    return polygon;
}

void drawArrow(QPainter& painter, QPoint from, QPoint to) {
    painter.drawLine(from, to);
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (length == 0) return;
    const double ux = dx / length;
    const double uy = dy / length;
    auto at = [&](double along, double across) {
        return QPoint(static_cast<int>(std::lround(to.x() - ux * along - uy * across)),
                      static_cast<int>(std::lround(to.y() - uy * along + ux * across)));
    };
    painter.drawPolygon(
        QPolygon({to, at(kArrowLength, kArrowHalfWidth), at(kArrowLength, -kArrowHalfWidth)}));
}

void drawDashes(QPainter& painter, QPoint from, QPoint to) {
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int i = 0; i <= steps; ++i) {
        if (i % 4 >= 2) continue;  // two pixels on, two off
        const double t = steps == 0 ? 0 : static_cast<double>(i) / steps;
        painter.drawPoint(QPoint(static_cast<int>(std::lround(from.x() + t * (to.x() - from.x()))),
                                 static_cast<int>(std::lround(from.y() + t * (to.y() - from.y())))));
    }
}

void drawPlot(QPainter& painter, const Shape& shape) {
    const auto& v = shape.v;
    QPolygon run;
    auto flush = [&] {
        if (run.size() > 1) painter.drawPolyline(run);
        else if (run.size() == 1) painter.drawPoint(run.front());
        run.clear();
    };
    for (int i = 0; i <= kPlotSamples; ++i) {
        double x = 0;
        double y = 0;
        if (!faces::curvePoint(shape.curve, static_cast<double>(i) / kPlotSamples, x, y)) {
            flush();
            continue;
        }
        const QPoint p(v[0] + static_cast<int>(std::lround(x * v[2])),
                       v[1] - static_cast<int>(std::lround(y * v[3])));
        if (run.isEmpty() || run.back() != p) run << p;
    }
    flush();
}

void drawShape(QPainter& painter, const Shape& shape) {
    const auto& v = shape.v;
    switch (shape.kind) {
        case Shape::Kind::Lines: painter.drawPolyline(points(v)); break;
        case Shape::Kind::Polygon: painter.drawPolygon(points(v)); break;
        case Shape::Kind::Ring: {
            const QBrush brush = painter.brush();
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPoint(v[0], v[1]), v[2], v[3]);
            painter.setBrush(brush);
            break;
        }
        case Shape::Kind::Disc: painter.drawEllipse(QPoint(v[0], v[1]), v[2], v[3]); break;
        case Shape::Kind::Arrow: drawArrow(painter, QPoint(v[0], v[1]), QPoint(v[2], v[3])); break;
        case Shape::Kind::Arc: painter.drawArc(QRect(v[0], v[1], v[2], v[3]), v[4] * 16, v[5] * 16); break;
        case Shape::Kind::Bezier: {
            QPainterPath path(QPointF(v[0], v[1]));
            path.quadTo(QPointF(v[2], v[3]), QPointF(v[4], v[5]));
            const QBrush brush = painter.brush();
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
            painter.setBrush(brush);
            break;
        }
        case Shape::Kind::Plot: drawPlot(painter, shape); break;
        case Shape::Kind::Dashes: drawDashes(painter, QPoint(v[0], v[1]), QPoint(v[2], v[3])); break;
    }
}

}  // namespace

std::vector<QRect> faceTextBounds(int code) {
    std::vector<QRect> bounds;
    for (const PlacedText& text : placeTexts(blockInfo(code).faces, faces::faceLayout(code).texts))
        bounds.push_back(text.origin
                             ? QFontMetrics(text.font).tightBoundingRect(text.text).translated(*text.origin)
                             : QRect());
    return bounds;
}

void drawBlockFace(QPainter& painter, int code) {
    const QBrush fill = painter.brush();
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, kBlockPictureWidth - 1, kBlockPictureHeight - 1));
    painter.setBrush(fill);

    const faces::FaceLayout& layout = faces::faceLayout(code);
    for (const Shape& shape : layout.shapes) drawShape(painter, shape);
    for (const PlacedText& text : placeTexts(blockInfo(code).faces, layout.texts)) {
        if (!text.origin) continue;
        painter.setFont(text.font);
        painter.drawText(*text.origin, text.text);
    }
}

}  // namespace velmar::gui
