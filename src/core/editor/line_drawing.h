// Drawing connection lines with Shift held: every cell the cursor passes takes the line
// piece that joins the side it was entered from with the side it is left by.
//
// Two tables drive it. The leaving table gives the code of the cell being left from
// its old code, the direction of the move and the previous move (an empty cell becomes
// a straight piece or, after a turn, a corner; a piece gains the opening towards the
// move). The entering table gives the code of the cell entered (a piece gains the
// opening it was entered through). A T that would gain its fourth opening becomes the
// crossing code: 11 (lines cross unconnected) with Num Lock on, 12 (a junction) with it
// off. With Scroll Lock on both tables give 0, so the cells passed are erased.
#pragma once

#include <cstdint>

namespace velmar::editor {

struct LineMode {
    bool numLock = false;     // crossings without a junction
    bool scrollLock = false;  // erase instead of drawing
    std::uint8_t crossing() const { return numLock ? 11 : 12; }
};

// `direction` and `previous` are the movement key codes 72 up, 75 left, 77 right,
// 80 down (any other previous value counts as no turn).
std::uint8_t leavingCode(std::uint8_t old, int direction, int previous, LineMode mode);
std::uint8_t enteringCode(std::uint8_t old, int direction, LineMode mode);

// The arrow pointing along a move: up 3, left 2, right 1, down 4; 0 for other keys.
std::uint8_t arrowFor(int direction);

// True for the four plain direction keys that draw lines.
bool isLineDirection(int key);

}  // namespace velmar::editor
