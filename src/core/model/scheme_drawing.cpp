#include "core/model/scheme_drawing.h"

#include <stdexcept>
#include <string>

#include "core/model/pieces.h"

namespace velmar {

int linePieceFor(unsigned sides) {
    if (const int code = pieceJoining(sides)) return code;
    throw std::logic_error("no line piece opens on sides " + std::to_string(sides));
}

Element& SchemeDrawing::block(int code, int col, int row) {
    if (!isBlockCode(code) || !scheme_.PutCell(col, row, static_cast<std::uint8_t>(code)))
        throw std::logic_error("cannot place block " + std::to_string(code));
    Element* e = scheme_.ElementAt(col, row);
    if (!e) throw std::logic_error("block without element: " + std::to_string(code));
    return *e;
}

Element& SchemeDrawing::node(int code, int col, int row) {
    if (!blockInfo(code).isNode() || !scheme_.PutCell(col, row, static_cast<std::uint8_t>(code)))
        throw std::logic_error("cannot place node " + std::to_string(code));
    return *scheme_.ElementAt(col, row);
}

namespace {

unsigned sideTowards(Cell from, Cell to) {
    if (to.col > from.col) return RightSide;
    if (to.col < from.col) return LeftSide;
    if (to.row > from.row) return BottomSide;
    return TopSide;
}

unsigned opposite(unsigned side) {
    switch (side) {
        case LeftSide: return RightSide;
        case RightSide: return LeftSide;
        case TopSide: return BottomSide;
        default: return TopSide;
    }
}

int arrowFor(unsigned side) {
    switch (side) {
        case RightSide: return 1;
        case LeftSide: return 2;
        case TopSide: return 3;
        default: return 4;
    }
}

// The piece a cell holds once a wire with openings `sides` is drawn over `old`: a wire
// passing straight over a straight wire at right angles crosses it (11); any other
// meeting joins the two into a tee or the junction.
int joined(int old, unsigned sides) {
    if (!isLinePiece(old)) return linePieceFor(sides);
    const bool straight = sides == (LeftSide | RightSide) || sides == (TopSide | BottomSide);
    const bool overStraight =
        old == kCrossingPiece || ((old == 5 || old == 6) && (sides & pieceOpenings(old)) == 0);
    if (straight && overStraight) return kCrossingPiece;
    return linePieceFor(sides | pieceOpenings(old));
}

}  // namespace

void SchemeDrawing::junction(Cell cell) {
    if (scheme_.cell(cell.col, cell.row) != kCrossingPiece)
        throw std::logic_error("junction: no crossing there");
    scheme_.PutCell(cell.col, cell.row, kJunctionPiece);
}

void SchemeDrawing::wire(std::initializer_list<Cell> points) { wire(std::vector<Cell>(points)); }

void SchemeDrawing::wire(const std::vector<Cell>& points) {
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
        const int old = scheme_.cell(c.col, c.row);
        unsigned sides = sideTowards(c, cells[i + 1]);
        if (i > 0) sides |= sideTowards(c, cells[i - 1]);
        else if (!isLinePiece(old))  // a wire leaves its source straight; a branch leaves its wire
            sides |= opposite(sideTowards(c, cells[1]));
        scheme_.PutCell(c.col, c.row, static_cast<std::uint8_t>(joined(old, sides)));
    }
    const unsigned dir = sideTowards(cells[last - 1], cells[last]);
    scheme_.PutCell(cells[last].col, cells[last].row, static_cast<std::uint8_t>(arrowFor(dir)));
}

void SchemeDrawing::connect(const Element& from, const Element& to) {
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

}  // namespace velmar
