#include "core/editor/line_drawing.h"

#include <array>
#include <utility>

#include "core/editor/key_codes.h"

namespace velmar::editor {

namespace {

// A code for "the crossing code of the moment" inside the tables.
constexpr std::uint8_t kCrossing = 255;

struct Change {
    std::uint8_t from;
    std::uint8_t to;
};

struct LeavingRow {
    int direction;
    // The code an empty cell takes: after a move `turnA` it is `fromTurnA`, after a move
    // `turnB` it is `fromTurnB`, otherwise `straight`.
    int turnA;
    std::uint8_t fromTurnA;
    int turnB;
    std::uint8_t fromTurnB;
    std::uint8_t straight;
    std::array<Change, 5> changes;
};

constexpr std::array<LeavingRow, 4> kLeaving = {{
    {kKeyUp, kKeyLeft, 8, kKeyRight, 7, 6, {{{5, 16}, {9, 14}, {10, 15}, {13, kCrossing}, {18, 20}}}},
    {kKeyLeft, kKeyUp, 10, kKeyDown, 7, 5, {{{6, 15}, {8, 16}, {9, 13}, {14, kCrossing}, {0, 0}}}},
    {kKeyRight, kKeyUp, 9, kKeyDown, 8, 5, {{{6, 14}, {7, 16}, {10, 13}, {15, kCrossing}, {0, 0}}}},
    {kKeyDown, kKeyLeft, 9, kKeyRight, 10, 6, {{{5, 13}, {7, 15}, {8, 14}, {16, kCrossing}, {18, 20}}}},
}};

struct EnteringRow {
    int direction;
    std::array<Change, 6> changes;
};

constexpr std::array<EnteringRow, 4> kEntering = {{
    {kKeyUp, {{{5, 13}, {7, 15}, {8, 14}, {16, kCrossing}, {0, 0}, {0, 0}}}},
    {kKeyLeft, {{{6, 14}, {11, 14}, {12, 14}, {7, 16}, {10, 13}, {15, kCrossing}}}},
    {kKeyRight, {{{6, 15}, {11, 15}, {12, 15}, {8, 16}, {9, 13}, {14, kCrossing}}}},
    {kKeyDown, {{{5, 16}, {9, 14}, {10, 15}, {13, kCrossing}, {0, 0}, {0, 0}}}},
}};

template <std::size_t N>
std::uint8_t applyChanges(const std::array<Change, N>& changes, std::uint8_t old, LineMode mode) {
    for (const Change& c : changes)
        if (c.from == old && c.from != 0) return c.to == kCrossing ? mode.crossing() : c.to;
    return old;
}

}  // namespace

bool isLineDirection(int key) {
    return key == kKeyUp || key == kKeyLeft || key == kKeyRight || key == kKeyDown;
}

std::uint8_t leavingCode(std::uint8_t old, int direction, int previous, LineMode mode) {
    if (mode.scrollLock) return 0;
    for (const LeavingRow& row : kLeaving) {
        if (row.direction != direction) continue;
        if (old == 0)
            return previous == row.turnA   ? row.fromTurnA
                   : previous == row.turnB ? row.fromTurnB
                                           : row.straight;
        return applyChanges(row.changes, old, mode);
    }
    return old;
}

std::uint8_t enteringCode(std::uint8_t old, int direction, LineMode mode) {
    if (mode.scrollLock) return 0;
    for (const EnteringRow& row : kEntering)
        if (row.direction == direction) return applyChanges(row.changes, old, mode);
    return old;
}

std::uint8_t arrowFor(int direction) {
    switch (direction) {
        case kKeyRight: return 1;
        case kKeyLeft: return 2;
        case kKeyUp: return 3;
        case kKeyDown: return 4;
        default: return 0;
    }
}

}  // namespace velmar::editor
