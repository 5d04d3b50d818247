// The two palettes of the Bank of Blocks: their images, the geometry of their cells and
// the highlight. The small palette holds codes 0..21 (empty, arrows, line pieces, nodes)
// in rows of 9 cells of 25 x 15 pixels; the big one holds the blocks 22..141 and the
// user function 144 in 41 rows of 3 cells of 70 x 40 pixels, each block on the colour of
// its group. Every cell shows the code's picture (cell_pictures.h) centred in it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

#include "core/model/catalogue.h"

namespace velmar::gui {

enum class Palette { Small, Big };

// The codes the palettes hold come from the catalogue (bankCodes), in cell order.
// The cell of 141 is painted and reached from the keyboard, never by the mouse.
inline constexpr int kKeyboardOnlyCode = 141;

// The size of the palette image: 236 x 58 (small) or 220 x 1660 (big).
QSize paletteImageSize(Palette palette);
// Cells per row: 9 (small) or 3 (big).
int paletteColumns(Palette palette);

// The code of the cell in `column` and `row`, in the palette's cell order; -1 for a
// cell that holds none.
int paletteCode(Palette palette, int column, int row);

// The cell of a code in the palette image; an empty rectangle for a code the palette
// does not show.
QRect paletteCellRect(Palette palette, int code);

// The code under a mouse position in the palette image, by the palette's rule: column
// and row are (x - origin x) and (y - origin y) divided by the cell size, truncated
// toward zero, so the margin above and left of the first cell still counts as row or
// column 0. Nothing for positions outside the cells that hold a code, nor for the
// keyboard-only cell.
std::optional<int> paletteCodeAt(Palette palette, QPoint pixel);

// The colour-table index of the background of a block in the big palette, by its group.
int blockGroupColour(int code);

// Paints the whole palette: every cell's picture on its colour with white lines.
QImage paintPalette(Palette palette);

// Repaints one cell: highlighted (white, maroon lines) or in its normal colours.
void paintPaletteCell(QImage& image, Palette palette, int code, bool highlighted);

}  // namespace velmar::gui
