#include "scheme_builder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace velmar::testing {

unsigned openings(int code) {
    switch (code) {
        case 5: return Left | Right;
        case 6: return Top | Bottom;
        case 7: return Left | Top;
        case 8: return Right | Top;
        case 9: return Right | Bottom;
        case 10: return Left | Bottom;
        case 11:
        case 12: return Left | Right | Top | Bottom;
        case 13: return Left | Right | Bottom;
        case 14: return Right | Top | Bottom;
        case 15: return Left | Top | Bottom;
        case 16: return Left | Right | Top;
        default: return 0;
    }
}

int pieceFor(unsigned sides) {
    for (int code = 5; code <= 16; ++code)
        if (code != 11 && openings(code) == sides) return code;
    throw std::logic_error("no line piece opens on sides " + std::to_string(sides));
}

Element& SchemeBuilder::block(int code, int col, int row) {
    if (code < 22 || !scheme_.PutCell(col, row, static_cast<std::uint8_t>(code)))
        throw std::logic_error("cannot place block " + std::to_string(code));
    Element* e = scheme_.ElementAt(col, row);
    if (!e) throw std::logic_error("block without element: " + std::to_string(code));
    return *e;
}

Element& SchemeBuilder::node(int code, int col, int row) {
    if (code < 17 || code > 21 || !scheme_.PutCell(col, row, static_cast<std::uint8_t>(code)))
        throw std::logic_error("cannot place node " + std::to_string(code));
    return *scheme_.ElementAt(col, row);
}

namespace {

unsigned sideTowards(Cell from, Cell to) {
    if (to.col > from.col) return Right;
    if (to.col < from.col) return Left;
    if (to.row > from.row) return Bottom;
    return Top;
}

unsigned opposite(unsigned side) {
    switch (side) {
        case Left: return Right;
        case Right: return Left;
        case Top: return Bottom;
        default: return Top;
    }
}

int arrowFor(unsigned side) {
    switch (side) {
        case Right: return 1;
        case Left: return 2;
        case Top: return 3;
        default: return 4;
    }
}

}  // namespace

void SchemeBuilder::wire(std::initializer_list<Cell> points) { wire(std::vector<Cell>(points)); }

void SchemeBuilder::wire(const std::vector<Cell>& points) {
    if (points.size() < 2) throw std::logic_error("a wire needs two points");
    // Expand the polyline into its cells.
    std::vector<Cell> cells{points.front()};
    for (size_t i = 1; i < points.size(); ++i) {
        const Cell a = points[i - 1], b = points[i];
        if (a.col != b.col && a.row != b.row) throw std::logic_error("wire segments must be straight");
        const int dc = b.col > a.col ? 1 : b.col < a.col ? -1 : 0;
        const int dr = b.row > a.row ? 1 : b.row < a.row ? -1 : 0;
        for (Cell c = a; !(c == b);) {
            c.col += dc;
            c.row += dr;
            cells.push_back(c);
        }
    }
    const size_t last = cells.size() - 1;
    for (size_t i = 0; i < last; ++i) {
        const Cell c = cells[i];
        unsigned sides = sideTowards(c, cells[i + 1]);
        // The first cell opens back towards the source it touches, on the side opposite
        // the first move: a wire leaves its source straight.
        sides |= i == 0 ? opposite(sideTowards(c, cells[1])) : sideTowards(c, cells[i - 1]);
        const int old = scheme_.cell(c.col, c.row);
        if (old >= 5 && old <= 16) sides |= openings(old);
        const int code = sides == (Left | Right | Top | Bottom) ? 12 : pieceFor(sides);
        scheme_.PutCell(c.col, c.row, static_cast<std::uint8_t>(code));
    }
    const unsigned dir = sideTowards(cells[last - 1], cells[last]);
    scheme_.PutCell(cells[last].col, cells[last].row, static_cast<std::uint8_t>(arrowFor(dir)));
}

void SchemeBuilder::connect(const Element& from, const Element& to) {
    const int row = middleRow(from);
    const Cell start{rightCol(from), row};
    const Cell arrow{to.Col - 1, row};
    if (arrow.col < start.col) throw std::logic_error("connect: target is not to the right");
    if (arrow.col == start.col) {
        scheme_.PutCell(arrow.col, arrow.row, 1);
        return;
    }
    wire({start, arrow});
}

}  // namespace velmar::testing
