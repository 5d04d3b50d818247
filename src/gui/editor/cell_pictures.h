// The pictures of the cell codes: arrows, line pieces, nodes and block faces, drawn in
// two colours of the colour table (colours.h). One painter serves the canvas, the
// cursor, the bank palettes and the printed scheme.
#pragma once

#include <QPoint>
#include <QSize>

#include "core/model/catalogue.h"
#include "gui/editor/cell_metrics.h"

class QPainter;

namespace velmar::gui {

inline const int kFirstBlockCode = bankCodes(3).front();  // codes from here on are 3 x 3 blocks

// The size of a code's picture: 62 x 32 for a block (22 and above), 21 x 11 otherwise.
QSize cellPictureSize(int code);

// Draws the picture of `code` with its top-left corner at `topLeft`: fills the picture
// area with colour `backgroundIndex`, then draws the picture in colour `lineIndex` (both
// indices into the colour table). Nothing is drawn outside the area and no colour other
// than these two is used (no antialiasing), so a picture can be redrawn in other colours
// over itself. Code 0 (empty) is the bare background. Line pieces meet the cell edges at
// the middle of each open side, so adjacent pieces join into wires; a block's frame runs
// along the edge of its area, where the arrows of its wires end.
//
// The painter's state (pen, brush, font, render hints) is saved and restored.
void drawCellPicture(QPainter& painter, QPoint topLeft, int code, int backgroundIndex, int lineIndex);

}  // namespace velmar::gui
