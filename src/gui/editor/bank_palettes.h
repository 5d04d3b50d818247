// The two palettes of the Bank of Blocks: their images, the geometry of their cells and
// the highlight. The small palette holds codes 0..21 (empty, arrows, line pieces, nodes)
// in rows of 9 cells of 25 x 15 pixels; the big one holds the blocks 22..141 in 40 rows of
// 3 cells of 70 x 40 pixels, each block on the colour of its group. Every cell shows the
// code's picture (cell_pictures.h) centred in it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

#include "core/model/catalogue.h"

namespace velmar::gui {

enum class Palette { Small, Big };

// The codes the palettes hold come from the catalogue (bankCodes).
inline const int kSmallPaletteLastCode = bankCodes(1).last;  // 21
inline const int kBigPaletteFirstCode = bankCodes(3).first;  // 22
inline const int kBigPaletteLastCode = bankCodes(3).last;    // 141: painted and reachable from the keyboard
inline const int kBigPaletteLastClickable = kBigPaletteLastCode - 1;  // the mouse reaches 22..140 only
inline constexpr int kBigPaletteRows = 40;

// The size of the palette image: 236 x 58 (small) or 220 x 1620 (big).
QSize paletteImageSize(Palette palette);
// Cells per row: 9 (small) or 3 (big).
int paletteColumns(Palette palette);

// The code of the cell in `column` and `row`: row*9 + column (small) or
// row*3 + column + 22 (big). No range check: the caller clamps its highlight.
int paletteCode(Palette palette, int column, int row);

// The cell of a code in the palette image; an empty rectangle for a code the palette
// does not show.
QRect paletteCellRect(Palette palette, int code);

// The code under a mouse position in the palette image, by the palette's rule: column
// and row are (x - origin x) and (y - origin y) divided by the cell size, truncated
// toward zero, so the margin above and left of the first cell still counts as row or
// column 0. Nothing for positions outside the valid cells (codes 0..21 in the small
// palette, 22..140 in the big one).
std::optional<int> paletteCodeAt(Palette palette, QPoint pixel);

// The colour-table index of the background of a block in the big palette, by its group.
int blockGroupColour(int code);

// Paints the whole palette: every cell's picture on its colour with white lines.
QImage paintPalette(Palette palette);

// Repaints one cell: highlighted (white, maroon lines) or in its normal colours.
void paintPaletteCell(QImage& image, Palette palette, int code, bool highlighted);

}  // namespace velmar::gui
