#include "core/model/wire_trace.h"

#include <algorithm>

#include "core/model/pieces.h"

namespace velmar {

namespace {

// Directions of travel; the arrow codes 1..4 point right, left, up, down.
enum Direction { Right, Left, Up, Down };
constexpr int kDeltaCol[] = {1, -1, 0, 0};
constexpr int kDeltaRow[] = {0, 0, -1, 1};

// The side of a cell that faces travel in direction d (the side a wire leaves by).
constexpr unsigned kFacing[] = {RightSide, LeftSide, TopSide, BottomSide};
// The side through which a wire travelling in direction d enters a cell.
constexpr unsigned kEntry[] = {LeftSide, RightSide, BottomSide, TopSide};

Direction arrowDirection(std::uint8_t code) { return static_cast<Direction>(code - 1); }

Cell next(Cell c, Direction d) { return {c.col + kDeltaCol[d], c.row + kDeltaRow[d]}; }

// Follows the wires of one element; a branch is a cell about to be entered and the
// direction of travel into it.
class Tracer {
public:
    Tracer(const Scheme& scheme, const Element& from, LinkTable& links, FaultCells& faults)
        : scheme_(scheme), from_(from), links_(links), faults_(faults) {}

    // A wire leaves the element through `cell` when it holds an arrow pointing onwards
    // or a piece open back towards the element.
    void leaveThrough(Cell cell, Direction d) {
        const std::uint8_t code = scheme_.cell(cell.col, cell.row);
        const bool leaves = (isArrow(code) && arrowDirection(code) == d) ||
                            (isLinePiece(code) && (pieceOpenings(code) & kEntry[d]) != 0);
        if (leaves) follow(cell, d);
    }

private:
    struct Branch {
        Cell cell;
        Direction d;
    };

    void follow(Cell start, Direction d) {
        std::vector<Branch> pending{{start, d}};
        while (!pending.empty()) {
            const Branch b = pending.back();
            pending.pop_back();
            // A wire drawn as a closed ring of pieces would bring the trace back for ever.
            if (Scheme::inGrid(b.cell.col, b.cell.row)) {
                const auto key = static_cast<std::size_t>((b.cell.col * kGridSize + b.cell.row) * 4 + b.d);
                if (visited_[key]) continue;
                visited_[key] = true;
            }
            enter(b, pending);
        }
    }

    void enter(Branch b, std::vector<Branch>& pending) {
        if (!Scheme::inGrid(b.cell.col, b.cell.row)) {  // a piece open at the grid's edge
            faults_.add(next(b.cell, static_cast<Direction>(b.d ^ 1)));
            return;
        }
        const std::uint8_t code = scheme_.cell(b.cell.col, b.cell.row);
        if (isArrow(code)) {
            reachTarget(b.cell, arrowDirection(code));
            return;
        }
        if (!isLinePiece(code) || (pieceOpenings(code) & kEntry[b.d]) == 0) {
            if (scheme_.FindElementAt(b.cell.col, b.cell.row) != 0) {
                const Cell line = next(b.cell, static_cast<Direction>(b.d ^ 1));
                faults_.explain("The line at column " + std::to_string(line.col) + ", row " +
                                std::to_string(line.row) + " has no arrow");
            }
            faults_.add(b.cell);
            return;
        }
        if (code == kCrossingPiece) {
            pending.push_back({next(b.cell, b.d), b.d});
            return;
        }
        // Branches are taken right, left, up, down: pushed in reverse.
        const unsigned exits = pieceOpenings(code) & ~kEntry[b.d];
        for (Direction out : {Down, Up, Left, Right})
            if (exits & kFacing[out]) pending.push_back({next(b.cell, out), out});
    }

    void reachTarget(Cell arrow, Direction d) {
        const Cell at = next(arrow, d);
        const int target = scheme_.FindElementAt(at.col, at.row);
        if (target == 0) {
            faults_.add(arrow);
            return;
        }
        const BlockInfo& node = blockInfo(scheme_.element(target).Code);
        const bool subtracted = (d == Up && node.subtractsBelow) || (d == Down && node.subtractsAbove);
        links_[from_.Number][static_cast<std::size_t>(target)] = subtracted ? 2 : 1;
    }

    const Scheme& scheme_;
    const Element& from_;
    LinkTable& links_;
    FaultCells& faults_;
    std::vector<bool> visited_ = std::vector<bool>(kGridSize * kGridSize * 4);
};

}  // namespace

void FaultCells::add(Cell cell) {
    if (!blockInfo(scheme_.cell(cell.col, cell.row)).isPiece())
        cell = scheme_.ElementCorner(cell.col, cell.row);
    if (cells_.size() >= static_cast<std::size_t>(kMaxConnectErrors)) return;
    if (std::find(cells_.begin(), cells_.end(), cell) == cells_.end()) cells_.push_back(cell);
}

void FaultCells::explain(const std::string& reason) {
    if (std::find(reasons_.begin(), reasons_.end(), reason) == reasons_.end()) reasons_.push_back(reason);
}

void traceOutputs(const Scheme& scheme, const Element& from, LinkTable& links, FaultCells& faults) {
    Tracer tracer(scheme, from, links, faults);
    const int c = from.Col, r = from.Row;
    if (from.info().isNode()) {
        tracer.leaveThrough({c + 1, r}, Right);
        tracer.leaveThrough({c - 1, r}, Left);
        tracer.leaveThrough({c, r + 1}, Down);
        tracer.leaveThrough({c, r - 1}, Up);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        tracer.leaveThrough({c + 3, r + i}, Right);
        tracer.leaveThrough({c + i, r + 3}, Down);
        tracer.leaveThrough({c + i, r - 1}, Up);
        tracer.leaveThrough({c - 1, r + i}, Left);
    }
}

}  // namespace velmar
