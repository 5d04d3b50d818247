#include "core/editor/cursor_motion.h"

#include <gtest/gtest.h>

#include "core/editor/bank_navigation.h"
#include "core/editor/key_codes.h"

namespace velmar::editor {
namespace {

// A view of 420 x 220 pixels (20 x 20 cells) scrolled to column 10, row 5.
constexpr Viewport kView{210, 55, 420, 220};

TEST(CursorMotion, KeysMoveAndTheCursorStaysInTheGrid) {
    struct Row {
        Cell from;
        int key;
        Cell to;
    };
    const Row rows[] = {
        {{5, 5}, kKeyRight, {6, 5}},    {{5, 5}, kKeyUp, {5, 4}},         {{1, 1}, kKeyLeft, {1, 1}},
        {{88, 88}, kKeyDown, {88, 88}}, {{5, 5}, kKeyPgDn, {5, 25}},      {{5, 80}, kKeyPgDn, {5, 88}},
        {{5, 88}, kKeyPgDn, {5, 88}},   {{5, 10}, kKeyPgUp, {5, 1}},      {{5, 5}, kKeyHome, {11, 6}},
        {{5, 5}, kKeyEnd, {27, 22}},    {{5, 5}, kKeyCtrlRight, {25, 5}}, {{30, 5}, kKeyCtrlLeft, {10, 5}},
    };
    for (const Row& r : rows) EXPECT_EQ(moveCursor(r.from, r.key, kView), r.to) << r.key;
    // End on a view narrower than three cells gives a column below 1: clamped.
    EXPECT_EQ(moveCursor({5, 5}, kKeyEnd, Viewport{0, 0, 40, 20}).col, 1);
}

TEST(CursorMotion, DigitsMoveABlockWidthOnlyInRun) {
    EXPECT_TRUE(isMovementKey(kKeyDigit6, true));
    EXPECT_FALSE(isMovementKey(kKeyDigit6, false));
    EXPECT_EQ(moveCursor({5, 5}, kKeyDigit6, kView), (Cell{8, 5}));
    EXPECT_EQ(moveCursor({2, 2}, kKeyDigit8, kView), (Cell{2, 1}));
}

TEST(CursorMotion, TheViewScrollsOnlyWhenTheCursorReachesAnEdge) {
    const Viewport inside = keepVisible({20, 10}, kView);
    EXPECT_EQ(inside.x, kView.x);
    EXPECT_EQ(inside.y, kView.y);
    const Viewport leftEdge = keepVisible({10, 10}, kView);  // at the left edge
    EXPECT_EQ(leftEdge.x, 9 * kCellWidth);
    const Viewport rightEdge = keepVisible({28, 24}, kView);  // its block reaches the right edge
    EXPECT_EQ(rightEdge.x, 28 * kCellWidth - kView.width + 63);
    EXPECT_EQ(rightEdge.y, 24 * kCellHeight - kView.height + 33);
    EXPECT_EQ(keepVisible({1, 1}, Viewport{0, 0, 420, 220}).x, 0);
}

TEST(CursorMotion, PixelsBelowTheFirstCellGoToCellOne) {
    EXPECT_EQ(cellAtPixel(5, 3), (Cell{1, 1}));
    EXPECT_EQ(cellAtPixel(21 * 7 + 20, 11 * 4), (Cell{7, 4}));
    EXPECT_EQ(cellAtPixel(1889, 989), (Cell{88, 88}));
}

TEST(BankNavigation, SmallPaletteFollowsItsRaggedLastRow) {
    PaletteCell c{8, 0};
    smallPaletteKey(c, kKeyRight);
    EXPECT_EQ(c, (PaletteCell{8, 0}));
    smallPaletteKey(c, kKeyDown);  // column 8 of row 0 does not go down
    EXPECT_EQ(c, (PaletteCell{8, 0}));
    c = {3, 1};
    smallPaletteKey(c, kKeyDown);
    EXPECT_EQ(c, (PaletteCell{3, 2}));
    smallPaletteKey(c, kKeyRight);
    EXPECT_EQ(c, (PaletteCell{3, 2}));
    EXPECT_EQ(smallPaletteCode(c), 21);
    c = {5, 1};
    smallPaletteKey(c, kKeyDown);
    EXPECT_EQ(c, (PaletteCell{5, 1}));
}

TEST(BankNavigation, BigPaletteClampsAndKeepsTheRowInView) {
    PaletteCell c{2, 39};
    EXPECT_EQ(bigPaletteCode(c), 141);  // reachable from the keyboard only
    // The last row holds the user function alone: the highlight stays on it.
    bigPaletteKey(c, kKeyDown, 8);
    EXPECT_EQ(c, (PaletteCell{0, 40}));
    EXPECT_EQ(bigPaletteCode(c), 144);
    bigPaletteKey(c, kKeyDown, 8);
    bigPaletteKey(c, kKeyRight, 8);
    EXPECT_EQ(c, (PaletteCell{0, 40}));
    EXPECT_EQ(bigPaletteCell(144), (PaletteCell{0, 40}));
    bigPaletteKey(c, kKeyPgUp, 8);
    EXPECT_EQ(c.row, 32);
    EXPECT_EQ(bigPaletteCell(62), (PaletteCell{1, 13}));
    EXPECT_EQ(bankPageRows(330), 8);
    EXPECT_EQ(bankScrollFor(2, 400, 300), 82);   // above the view: to its top
    EXPECT_EQ(bankScrollFor(20, 0, 300), 550);   // below it: to its bottom
    EXPECT_EQ(bankScrollFor(5, 100, 300), 100);  // inside: unchanged
}

}  // namespace
}  // namespace velmar::editor
