// The one place where the editor asks for pictures: the colour table, the picture of a
// cell code and the bank palette images. Everything else in the window draws through
// these functions.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

namespace velmar::gui {

// Colour-table indices the editor uses by name.
namespace colour {
inline constexpr int Maroon = 1, Green = 2, Olive = 3, Navy = 4, Purple = 5, Gray = 7, Silver = 8,
                     Blue = 11, Fuchsia = 12, Aqua = 13, Yellow = 14, White = 15;
}

QColor canvasColour(int index);

// Fills the picture area of `code` at (x, y) (62 x 32 for a block, 21 x 11 otherwise)
// with the background colour and draws the code's picture in the line colour.
void drawCellPicture(QPainter& painter, int x, int y, int background, int code, int line);

// The bank palettes with every code drawn in its cell.
QImage smallPaletteImage();
QImage bigPaletteImage();
// Draws one palette cell plainly or highlighted.
void drawPaletteCell(QImage& palette, bool big, int code, bool highlighted);

}  // namespace velmar::gui
