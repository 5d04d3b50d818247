#include "gui/editor/cell_pictures.h"

#include <QPainter>
#include <QPolygon>

#include <array>

#include "core/model/catalogue.h"
#include "core/model/pieces.h"
#include "gui/editor/colours.h"
#include "gui/editor/face_painter.h"

namespace velmar::gui {

namespace {

// The middle of a one-cell picture, where the wires of its open sides meet.
constexpr int kMidX = kCellWidth / 2;   // 10
constexpr int kMidY = kCellHeight / 2;  // 5
constexpr int kRight = kCellWidth - 1;
constexpr int kBottom = kCellHeight - 1;

void drawArrowPiece(QPainter& painter, int code) {
    switch (code) {
        case 1:  // right
            painter.drawLine(0, kMidY, kRight, kMidY);
            painter.drawPolygon(QPolygon(
                {QPoint(kRight, kMidY), QPoint(kRight - 5, kMidY - 3), QPoint(kRight - 5, kMidY + 3)}));
            break;
        case 2:  // left
            painter.drawLine(0, kMidY, kRight, kMidY);
            painter.drawPolygon(QPolygon({QPoint(0, kMidY), QPoint(5, kMidY - 3), QPoint(5, kMidY + 3)}));
            break;
        case 3:  // up
            painter.drawLine(kMidX, 0, kMidX, kBottom);
            painter.drawPolygon(QPolygon({QPoint(kMidX, 0), QPoint(kMidX - 3, 4), QPoint(kMidX + 3, 4)}));
            break;
        default:  // 4, down
            painter.drawLine(kMidX, 0, kMidX, kBottom);
            painter.drawPolygon(QPolygon(
                {QPoint(kMidX, kBottom), QPoint(kMidX - 3, kBottom - 4), QPoint(kMidX + 3, kBottom - 4)}));
            break;
    }
}

void drawLinePiece(QPainter& painter, int code) {
    const unsigned open = pieceOpenings(code);
    if (code == kCrossingPiece) {
        // The vertical wire passes under a hop of the horizontal one.
        painter.drawLine(kMidX, 0, kMidX, kBottom);
        painter.drawLine(0, kMidY, kMidX - 4, kMidY);
        painter.drawLine(kMidX + 4, kMidY, kRight, kMidY);
        painter.drawArc(QRect(kMidX - 4, kMidY - 4, 8, 8), 0, 180 * 16);
        return;
    }
    if (open & LeftSide) painter.drawLine(0, kMidY, kMidX, kMidY);
    if (open & RightSide) painter.drawLine(kMidX, kMidY, kRight, kMidY);
    if (open & TopSide) painter.drawLine(kMidX, 0, kMidX, kMidY);
    if (open & BottomSide) painter.drawLine(kMidX, kMidY, kMidX, kBottom);
    if (code == kJunctionPiece) painter.drawEllipse(QPoint(kMidX, kMidY), 2, 2);
}

// Nodes: a circle filling the cell's height, with leads to the left and right edges.
// The cross divides it into sectors, one per input side; a filled sector subtracts.
void drawNode(QPainter& painter, int code) {
    const QRect circle(kMidX - kMidY, 0, kBottom, kBottom);
    const QBrush fill = painter.brush();
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle);
    painter.drawLine(0, kMidY, circle.left(), kMidY);
    painter.drawLine(circle.right() + 1, kMidY, kRight, kMidY);
    painter.setBrush(fill);
    const BlockInfo& node = blockInfo(code);
    if (node.isMultiplier()) {  // a dot in the middle
        painter.drawEllipse(QPoint(kMidX, kMidY), 1, 1);
        return;
    }
    painter.drawLine(kMidX - 3, kMidY - 3, kMidX + 3, kMidY + 3);
    painter.drawLine(kMidX - 3, kMidY + 3, kMidX + 3, kMidY - 3);
    if (node.subtractsAbove) painter.drawPie(circle, 45 * 16, 90 * 16);
    if (node.subtractsBelow) painter.drawPie(circle, 225 * 16, 90 * 16);
}

}  // namespace

QSize cellPictureSize(int code) {
    return isBlockCode(code) ? QSize(kBlockPictureWidth, kBlockPictureHeight)
                             : QSize(kCellWidth, kCellHeight);
}

void drawCellPicture(QPainter& painter, QPoint topLeft, int code, int backgroundIndex, int lineIndex) {
    painter.save();
    painter.translate(topLeft);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), cellPictureSize(code)), tableColour(backgroundIndex));

    const QColor line = tableColour(lineIndex);
    painter.setPen(QPen(line, 1));
    painter.setBrush(line);
    if (isBlockCode(code)) drawBlockFace(painter, code);
    else if (blockInfo(code).isNode()) drawNode(painter, code);
    else if (isLinePiece(code)) drawLinePiece(painter, code);
    else if (isArrow(code)) drawArrowPiece(painter, code);
    painter.restore();
}

}  // namespace velmar::gui
