// The editor cursor on the canvas: cell geometry, how the movement keys move it, how it
// is held inside the grid and how the canvas scrolls to keep it in view.
#pragma once

#include "core/model/cell.h"

namespace velmar::editor {

inline constexpr int kCellWidth = 21;
inline constexpr int kCellHeight = 11;
inline constexpr int kCanvasWidth = 1890;  // 90 cells
inline constexpr int kCanvasHeight = 990;  // 90 cells
inline constexpr int kBlockWidth = 62;     // a block picture and the cursor patch
inline constexpr int kBlockHeight = 32;
// The cursor stays in 1..88 so that a 3 x 3 block put at it fits the 90-cell square.
inline constexpr int kCursorMin = 1;
inline constexpr int kCursorMax = 88;

// The visible part of the canvas: scroll position and size, in canvas pixels.
struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline int clampToCursorRange(int v) { return v < kCursorMin ? kCursorMin : v > kCursorMax ? kCursorMax : v; }

// True for the keys that move the cursor: the arrows, Home, End, PgUp, PgDn and the
// Ctrl arrows; in the Run regime also the digits 2, 4, 6 and 8.
bool isMovementKey(int key, bool runRegime);

// The cell the key moves the cursor to, clamped to 1..88. Keys that depend on the
// visible area (PgUp, PgDn, Home, End, Ctrl+Left, Ctrl+Right) use the viewport.
Cell moveCursor(Cell from, int key, const Viewport& view);

// The scroll position that keeps the cursor's block-sized area in view, changed only
// when the cursor is at or beyond an edge of the visible area.
Viewport keepVisible(Cell at, Viewport view);

// The cell under a canvas pixel, held in 1..88.
Cell cellAtPixel(int x, int y);

}  // namespace velmar::editor
