#include "core/editor/cursor_motion.h"

#include <algorithm>

#include "core/editor/key_codes.h"

namespace velmar::editor {

bool isMovementKey(int key, bool runRegime) {
    switch (key) {
        case kKeyRight:
        case kKeyLeft:
        case kKeyUp:
        case kKeyDown:
        case kKeyEnd:
        case kKeyHome:
        case kKeyCtrlLeft:
        case kKeyCtrlRight:
        case kKeyPgDn:
        case kKeyPgUp: return true;
        case kKeyDigit2:
        case kKeyDigit4:
        case kKeyDigit6:
        case kKeyDigit8: return runRegime;
        default: return false;
    }
}

Cell moveCursor(Cell c, int key, const Viewport& v) {
    const int page = v.height / kCellHeight;
    switch (key) {
        case kKeyRight: ++c.col; break;
        case kKeyLeft: --c.col; break;
        case kKeyUp: --c.row; break;
        case kKeyDown: ++c.row; break;
        case kKeyDigit6: c.col += 3; break;
        case kKeyDigit4: c.col -= 3; break;
        case kKeyDigit8: c.row -= 3; break;
        case kKeyDigit2: c.row += 3; break;
        case kKeyPgDn:
            if (c.row < kCursorMax) c.row += page;
            break;
        case kKeyPgUp:
            if (c.row > kCursorMin) c.row -= page;
            break;
        case kKeyEnd:  // the bottom-right of the visible area
            c.col = (v.x + v.width) / kCellWidth - 3;
            c.row = (v.y + v.height) / kCellHeight - 3;
            break;
        case kKeyHome:  // the top-left of the visible area
            c.col = v.x / kCellWidth + 1;
            c.row = v.y / kCellHeight + 1;
            break;
        case kKeyCtrlLeft: c.col -= v.width / kCellWidth; break;
        case kKeyCtrlRight: c.col += v.width / kCellWidth; break;
        default: break;
    }
    return {clampToCursorRange(c.col), clampToCursorRange(c.row)};
}

namespace {

// One axis of keepVisible: `cell` pixels per cell; the block area spans three cells.
int scrollFor(int index, int cell, int position, int size) {
    const int at = index * cell;
    if (position >= at) position = at - cell;
    if (at + 2 * cell >= position + size) position = at - size + 3 * cell;
    return std::max(position, 0);
}

}  // namespace

Viewport keepVisible(Cell at, Viewport v) {
    v.x = scrollFor(at.col, kCellWidth, v.x, v.width);
    v.y = scrollFor(at.row, kCellHeight, v.y, v.height);
    return v;
}

Cell cellAtPixel(int x, int y) {
    return {clampToCursorRange(x / kCellWidth), clampToCursorRange(y / kCellHeight)};
}

}  // namespace velmar::editor
