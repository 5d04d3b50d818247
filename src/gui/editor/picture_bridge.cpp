// Plain labelled pictures: frames with the face texts for blocks, strokes for line
// pieces and arrows, signs for nodes.
#include "picture_bridge.h"

#include <QFont>
#include <QPolygon>
#include <array>

#include "blocks/catalogue.h"
#include "editor/bank_navigation.h"

namespace velmar::gui {

namespace {

constexpr std::array<QRgb, 16> kTable = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xff808080,
    0xffc0c0c0, 0xffff0000, 0xff00ff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffff00, 0xffffffff};

// Openings of the line pieces 5..16: left, right, top, bottom.
struct Openings {
    bool left, right, top, bottom;
};
constexpr std::array<Openings, 12> kPieces = {{{true, true, false, false},
                                               {false, false, true, true},
                                               {true, false, true, false},
                                               {false, true, true, false},
                                               {false, true, false, true},
                                               {true, false, false, true},
                                               {true, true, true, true},
                                               {true, true, true, true},
                                               {true, true, false, true},
                                               {false, true, true, true},
                                               {true, false, true, true},
                                               {true, true, true, false}}};

void drawPiece(QPainter& p, QRect r, int code) {
    const QPoint c(r.left() + 10, r.top() + 5);
    const Openings o = kPieces[static_cast<std::size_t>(code - 5)];
    if (code == 11) {  // crossing without connection: a small bridge over the vertical
        p.drawLine(r.left(), c.y(), r.right(), c.y());
        p.drawLine(c.x(), r.top(), c.x(), c.y() - 3);
        p.drawLine(c.x(), c.y() + 3, c.x(), r.bottom());
        return;
    }
    if (o.left) p.drawLine(r.left(), c.y(), c.x(), c.y());
    if (o.right) p.drawLine(c.x(), c.y(), r.right(), c.y());
    if (o.top) p.drawLine(c.x(), r.top(), c.x(), c.y());
    if (o.bottom) p.drawLine(c.x(), c.y(), c.x(), r.bottom());
    if (code == 12 || (code >= 13 && code <= 16)) p.drawEllipse(c, 2, 2);
}

void drawArrow(QPainter& p, QRect r, int code) {
    const QPoint c(r.left() + 10, r.top() + 5);
    QPolygon head;
    switch (code) {
        case 1:
            p.drawLine(r.left(), c.y(), r.right(), c.y());
            head << QPoint(r.right(), c.y()) << QPoint(r.right() - 6, c.y() - 3) << QPoint(r.right() - 6, c.y() + 3);
            break;
        case 2:
            p.drawLine(r.left(), c.y(), r.right(), c.y());
            head << QPoint(r.left(), c.y()) << QPoint(r.left() + 6, c.y() - 3) << QPoint(r.left() + 6, c.y() + 3);
            break;
        case 3:
            p.drawLine(c.x(), r.top(), c.x(), r.bottom());
            head << QPoint(c.x(), r.top()) << QPoint(c.x() - 3, r.top() + 5) << QPoint(c.x() + 3, r.top() + 5);
            break;
        default:
            p.drawLine(c.x(), r.top(), c.x(), r.bottom());
            head << QPoint(c.x(), r.bottom()) << QPoint(c.x() - 3, r.bottom() - 5) << QPoint(c.x() + 3, r.bottom() - 5);
            break;
    }
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

void drawNode(QPainter& p, QRect r, int code) {
    const QPoint c(r.left() + 10, r.top() + 5);
    p.drawEllipse(c, 5, 5);
    const char* sign = code == 21 ? "x" : code == 17 ? "+" : "-";
    QFont f("DejaVu Sans");
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, sign);
}

void drawBlock(QPainter& p, QRect r, int code) {
    p.drawRect(r.adjusted(1, 1, -2, -2));
    const auto& faces = blockInfo(code).faces;
    QFont f("DejaVu Sans");
    f.setPixelSize(9);
    p.setFont(f);
    QString text;
    for (const auto& face : faces) text += (text.isEmpty() ? "" : "\n") + QString::fromStdString(face);
    if (text.isEmpty()) text = QString::number(code);
    p.drawText(r.adjusted(3, 2, -3, -2), Qt::AlignCenter, text);
}

QRect paletteCellRect(bool big, int code) {
    const editor::PaletteGeometry& g = big ? editor::kBigPalette : editor::kSmallPalette;
    const editor::PaletteCell c = big ? editor::bigPaletteCell(code) : editor::smallPaletteCell(code);
    return {g.originX + c.col * g.cellWidth, g.originY + c.row * g.cellHeight, g.cellWidth, g.cellHeight};
}

int paletteBackground(int code) {
    if ((code >= 33 && code <= 37) || (code >= 103 && code <= 122)) return colour::Fuchsia;
    if ((code >= 38 && code <= 45) || (code >= 65 && code <= 72) || (code >= 79 && code <= 81) ||
        code == 98 || code == 99 || (code >= 138 && code <= 143))
        return 9;
    if ((code >= 46 && code <= 48) || (code >= 91 && code <= 97) || (code >= 127 && code <= 137))
        return colour::Purple;
    if (code >= 54 && code <= 59) return colour::Gray;
    if (code >= 60 && code <= 63) return colour::Silver;
    if ((code >= 73 && code <= 77) || code == 102) return colour::Maroon;
    if (code == 78) return colour::Navy;
    if (code == 84 || code == 100 || code == 101 || (code >= 123 && code <= 126)) return colour::Olive;
    return colour::Green;
}

}  // namespace

QColor canvasColour(int index) { return index >= 0 && index < 16 ? QColor(kTable[static_cast<std::size_t>(index)]) : QColor(Qt::black); }

void drawCellPicture(QPainter& p, int x, int y, int background, int code, int line) {
    const QRect r = code >= 22 ? QRect(x, y, 62, 32) : QRect(x, y, 21, 11);
    p.save();
    p.fillRect(r, canvasColour(background));
    p.setPen(QPen(canvasColour(line), 1));
    p.setBrush(Qt::NoBrush);
    if (code >= 1 && code <= 4) drawArrow(p, r, code);
    else if (code >= 5 && code <= 16) drawPiece(p, r, code);
    else if (code >= 17 && code <= 21) drawNode(p, r, code);
    else if (code >= 22) drawBlock(p, r, code);
    p.restore();
}

void drawPaletteCell(QImage& palette, bool big, int code, bool highlighted) {
    QPainter p(&palette);
    const QRect cell = paletteCellRect(big, code);
    const int bg = highlighted ? colour::White : big ? paletteBackground(code) : colour::Gray;
    const int line = highlighted ? colour::Maroon : colour::White;
    p.fillRect(cell, canvasColour(bg));
    if (big) {
        drawCellPicture(p, cell.left() + 4, cell.top() + 4, bg, code, line);
    } else {
        drawCellPicture(p, cell.left() + 2, cell.top() + 2, bg, code, line);
    }
    p.setPen(canvasColour(colour::Silver));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
}

QImage smallPaletteImage() {
    QImage image(236, 58, QImage::Format_RGB32);
    image.fill(canvasColour(colour::Gray));
    for (int code = 0; code < editor::kSmallPaletteCodes; ++code) drawPaletteCell(image, false, code, false);
    return image;
}

QImage bigPaletteImage() {
    QImage image(220, 1620, QImage::Format_RGB32);
    image.fill(canvasColour(colour::Silver));
    for (int code = 22; code <= 141; ++code) drawPaletteCell(image, true, code, false);
    return image;
}

}  // namespace velmar::gui
