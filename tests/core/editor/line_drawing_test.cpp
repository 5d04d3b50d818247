#include "core/editor/line_drawing.h"

#include <gtest/gtest.h>

#include "core/editor/key_codes.h"
#include "support/scheme_builder.h"

namespace velmar::editor {
namespace {

constexpr LineMode kJunction{false, false};
constexpr LineMode kCrossing{true, false};
constexpr LineMode kErase{false, true};

// Whatever is drawn, a piece must open towards the side the move leaves by (leaving)
// or came in through (entering), and keep every opening it had.
TEST(LineDrawing, PiecesGainTheOpeningOfTheMoveAndKeepTheirOwn) {
    using testing::openings;
    struct Dir {
        int key;
        unsigned leaveSide, enterSide;
    };
    const Dir dirs[] = {{kKeyUp, testing::Top, testing::Bottom},
                        {kKeyDown, testing::Bottom, testing::Top},
                        {kKeyLeft, testing::Left, testing::Right},
                        {kKeyRight, testing::Right, testing::Left}};
    for (const Dir& d : dirs) {
        for (int code = 5; code <= 16; ++code) {
            if (code == 11 || code == 12) continue;
            const auto c = static_cast<std::uint8_t>(code);
            const std::uint8_t left = leavingCode(c, d.key, 0, kJunction);
            EXPECT_EQ(openings(left) & openings(code), openings(code)) << code << " leaving " << d.key;
            EXPECT_TRUE(openings(left) & d.leaveSide) << code << " leaving " << d.key;
        }
    }
    // Entering only adds the side the move came through, for the codes the table lists.
    EXPECT_EQ(enteringCode(5, kKeyUp, kJunction), 13);
    EXPECT_EQ(enteringCode(6, kKeyLeft, kJunction), 14);
    EXPECT_EQ(enteringCode(6, kKeyRight, kJunction), 15);
    EXPECT_EQ(enteringCode(5, kKeyDown, kJunction), 16);
}

TEST(LineDrawing, EmptyCellsTakeStraightPiecesOrCornersAfterATurn) {
    struct Row {
        int move, previous;
        std::uint8_t expected;
    };
    const Row rows[] = {
        {kKeyRight, kKeyRight, 5}, {kKeyRight, 0, 5},         {kKeyRight, kKeyUp, 9},
        {kKeyRight, kKeyDown, 8},  {kKeyLeft, kKeyUp, 10},    {kKeyLeft, kKeyDown, 7},
        {kKeyUp, kKeyLeft, 8},     {kKeyUp, kKeyRight, 7},    {kKeyUp, kKeyUp, 6},
        {kKeyDown, kKeyLeft, 9},   {kKeyDown, kKeyRight, 10}, {kKeyDown, 0, 6},
    };
    for (const Row& r : rows)
        EXPECT_EQ(leavingCode(0, r.move, r.previous, kJunction), r.expected)
            << r.move << " after " << r.previous;
}

TEST(LineDrawing, AFourthOpeningIsTheCrossingCodeOfNumLock) {
    EXPECT_EQ(leavingCode(13, kKeyUp, 0, kCrossing), 11);
    EXPECT_EQ(leavingCode(13, kKeyUp, 0, kJunction), 12);
    EXPECT_EQ(enteringCode(16, kKeyUp, kCrossing), 11);
    EXPECT_EQ(enteringCode(15, kKeyLeft, kJunction), 12);
    // A subtraction node left up or down subtracts on both sides.
    EXPECT_EQ(leavingCode(18, kKeyDown, 0, kJunction), 20);
    // Blocks and other nodes are never changed.
    EXPECT_EQ(leavingCode(22, kKeyRight, 0, kJunction), 22);
    EXPECT_EQ(enteringCode(17, kKeyRight, kJunction), 17);
}

TEST(LineDrawing, ScrollLockErasesWhateverIsPassed) {
    EXPECT_EQ(leavingCode(5, kKeyRight, 0, kErase), 0);
    EXPECT_EQ(leavingCode(0, kKeyUp, kKeyLeft, kErase), 0);
    EXPECT_EQ(enteringCode(13, kKeyDown, kErase), 0);
}

TEST(LineDrawing, ArrowsPointAlongTheMove) {
    EXPECT_EQ(arrowFor(kKeyRight), 1);
    EXPECT_EQ(arrowFor(kKeyLeft), 2);
    EXPECT_EQ(arrowFor(kKeyUp), 3);
    EXPECT_EQ(arrowFor(kKeyDown), 4);
    EXPECT_EQ(arrowFor(kKeyHome), 0);
}

}  // namespace
}  // namespace velmar::editor
