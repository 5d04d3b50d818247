// The drawing pieces of the grid: arrows 1..4 and line pieces 5..16, and the sides of
// its cell each line piece opens to. The wire tracer, the line drawing of the editor and
// the pictures all read this one table.
#pragma once

#include <array>
#include <cstdint>

namespace velmar {

// Sides of a cell, as bits.
enum CellSide : unsigned { LeftSide = 1, RightSide = 2, TopSide = 4, BottomSide = 8 };
inline constexpr unsigned kAllSides = LeftSide | RightSide | TopSide | BottomSide;

inline constexpr int kCrossingPiece = 11;  // both lines pass straight through, unjoined
inline constexpr int kJunctionPiece = 12;  // every side joined

constexpr bool isArrow(int code) { return code >= 1 && code <= 4; }
constexpr bool isLinePiece(int code) { return code >= 5 && code <= 16; }

// The sides line piece `code` opens to; 0 for anything that is not a line piece.
constexpr unsigned pieceOpenings(int code) {
    constexpr std::array<unsigned, 12> table = {
        LeftSide | RightSide,               // 5 horizontal line
        TopSide | BottomSide,               // 6 vertical line
        LeftSide | TopSide,                 // 7 corner left-top
        RightSide | TopSide,                // 8 corner right-top
        RightSide | BottomSide,             // 9 corner right-bottom
        LeftSide | BottomSide,              // 10 corner left-bottom
        kAllSides,                          // 11 crossing without connection
        kAllSides,                          // 12 junction
        LeftSide | RightSide | BottomSide,  // 13 tee
        RightSide | TopSide | BottomSide,   // 14 tee
        LeftSide | TopSide | BottomSide,    // 15 tee
        LeftSide | RightSide | TopSide,     // 16 tee
    };
    return isLinePiece(code) ? table[static_cast<std::size_t>(code - 5)] : 0;
}

// The line piece joining exactly `sides` (the junction for all four); 0 when no piece
// opens to just those sides (a single side, or none).
constexpr int pieceJoining(unsigned sides) {
    if (sides == kAllSides) return kJunctionPiece;
    for (int code = 5; code <= 16; ++code)
        if (code != kCrossingPiece && pieceOpenings(code) == sides) return code;
    return 0;
}

}  // namespace velmar
