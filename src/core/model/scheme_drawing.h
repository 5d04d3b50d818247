// Draws a scheme through the model the way a person draws it in the editor: blocks and
// nodes are put down with PutCell, wires are line pieces ending in an arrow in front of
// the element they feed. Programs that build schemes (the test-scheme generator, the
// tests) use it; misuse (a wire that is not straight between its points, a block that
// does not fit) is a programming fault and throws std::logic_error.
#pragma once

#include <initializer_list>
#include <vector>

#include "core/model/scheme.h"

namespace velmar {

class SchemeDrawing {
public:
    explicit SchemeDrawing(Scheme& scheme) : scheme_(scheme) {}

    // A 3 x 3 block (code 22..144) with its top-left cell at (col, row).
    Element& block(int code, int col, int row);
    // A one-cell node (17..21) at (col, row).
    Element& node(int code, int col, int row);

    // A wire along a polyline of cells: consecutive points share a row or a column.
    // Every cell from the first point to the cell before the last gets a line piece
    // (corners at turns); the last cell gets an arrow pointing along the last segment,
    // at the element in front of it. The first cell either touches the source element
    // or lies on a wire already drawn: the new wire branches off there (a tee). Where
    // the wire passes straight over another straight wire the two cross without
    // connecting (11); where it turns on or runs into another wire they join.
    void wire(std::initializer_list<Cell> points);
    void wire(const std::vector<Cell>& points);

    // Turns a crossing into a junction (12), so the two wires through it connect.
    void junction(Cell cell);

    // A straight wire from the right side of `from` to the left side of `to`, along
    // the row of `from`'s output (its middle row for a block); `to` must have its input
    // side on that row, to the right.
    void connect(const Element& from, const Element& to);

    // The middle row of an element (its row for a node), and the first column right of it.
    static int middleRow(const Element& e) { return e.info().isBlock() ? e.Row + 1 : e.Row; }
    static int rightCol(const Element& e) { return e.info().isBlock() ? e.Col + 3 : e.Col + 1; }

private:
    Scheme& scheme_;
};

// The line piece opening to exactly `sides` (CellSide bits); throws std::logic_error
// when no piece does.
int linePieceFor(unsigned sides);

}  // namespace velmar
