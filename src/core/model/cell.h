// A cell of the scheme's grid, by column and row: where an element or a piece stands,
// a wiring fault, the editor's cursor.
#pragma once

namespace velmar {

struct Cell {
    int col = 0;
    int row = 0;
    friend bool operator==(Cell a, Cell b) { return a.col == b.col && a.row == b.row; }
};

}  // namespace velmar
