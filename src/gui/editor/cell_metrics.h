// What every picture of the canvas shares: the sizes of a cell and of a block's picture,
// and the font of the texts written on them. The cell painter (cell_pictures.h) and the
// face painter (face_painter.h) both draw with them.
#pragma once

#include <QFont>

namespace velmar::gui {

inline constexpr int kCellWidth = 21;  // one grid cell, in pixels
inline constexpr int kCellHeight = 11;
inline constexpr int kBlockPictureWidth = 62;  // a block's 3 x 3 cells, less one pixel
inline constexpr int kBlockPictureHeight = 32;

// The canvas font: a small bold sans at `pixelSize`, unsmoothed so that text, like the
// pictures, uses nothing but its pen colour. The face texts use it, and so do the element
// numbers, names and labels written on the canvas.
QFont canvasFont(int pixelSize);

}  // namespace velmar::gui
