// The Bank of Blocks from the keyboard: which code each palette cell holds and how the
// keys move the highlight.
//
// Small palette: cells of 25 x 15 pixels from (3, 11), nine per row; rows 0 and 1 are
// full and row 2 holds four: codes row*9 + column, 0..21.
// Big palette: cells of 70 x 40 pixels from (5, 10), three per row; forty-one rows, the
// blocks 22..141 in code order (row*3 + column + 22), then the user function 144 alone
// in the last row. The cell of 141 is reached from the keyboard only.
#pragma once

namespace velmar::editor {

struct PaletteCell {
    int col = 0;
    int row = 0;
    friend bool operator==(PaletteCell a, PaletteCell b) { return a.col == b.col && a.row == b.row; }
};

struct PaletteGeometry {
    int originX, originY, cellWidth, cellHeight, columns, rows;
};
inline constexpr PaletteGeometry kSmallPalette{3, 11, 25, 15, 9, 3};
inline constexpr PaletteGeometry kBigPalette{5, 10, 70, 40, 3, 41};

// The code in a palette cell, -1 for a cell without one; and the cell of a code.
int smallPaletteCode(PaletteCell c);
int bigPaletteCode(PaletteCell c);
PaletteCell smallPaletteCell(int code);
PaletteCell bigPaletteCell(int code);

// The highlight of the bank while the regime is "Bank".
struct BankHighlight {
    PaletteCell small;
    PaletteCell big;
    bool bigLevel = false;  // false: the small palette has the keys
};

// Moves the small-palette highlight for a key code (arrows only).
void smallPaletteKey(PaletteCell& at, int key);
// Moves the big-palette highlight: arrows by one, PgUp/PgDn by `pageRows`.
void bigPaletteKey(PaletteCell& at, int key, int pageRows);
// Rows a PgUp/PgDn moves in a bank view `height` pixels high.
inline int bankPageRows(int height) { return (height - 10) / 40; }
// The bank's scroll position that keeps the highlighted big-palette row in view.
int bankScrollFor(int row, int position, int height);

}  // namespace velmar::editor
