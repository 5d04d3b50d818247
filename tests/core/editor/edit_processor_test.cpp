#include "core/editor/edit_processor.h"

#include <gtest/gtest.h>

#include "core/editor/key_codes.h"
#include "core/scripted_host.h"
#include "support/scheme_builder.h"

namespace velmar::editor {
namespace {

// A canvas in memory: it counts redraws and patch operations and tells when the cursor
// was drawn without the patch under it being saved first.
class FakeView : public EditorView {
public:
    Viewport view{0, 0, 420, 220};
    int redraws = 0;
    bool patchSaved = false;
    bool cursorDrawn = false;
    bool drewWithoutPatch = false;
    Cell cursorAt;
    std::uint8_t cursorCode = 0;

    Viewport viewport() const override { return view; }
    void scrollTo(int x, int y) override {
        view.x = x;
        view.y = y;
    }
    void savePatch(Cell) override { patchSaved = true; }
    void restorePatch() override { cursorDrawn = false; }
    void drawCursor(Cell at, std::uint8_t code) override {
        if (!patchSaved) drewWithoutPatch = true;
        cursorDrawn = true;
        cursorAt = at;
        cursorCode = code;
    }
    void redraw() override {
        ++redraws;
        patchSaved = false;
    }
};

class EditProcessorTest : public ::testing::Test {
protected:
    void press(int key, bool shift = false, int times = 1) {
        state.shift = shift;
        for (int i = 0; i < times; ++i) edit.key(key);
    }
    void moveTo(int col, int row) { edit.moveTo({col, row}); }
    std::uint8_t at(int col, int row) const { return wb.scheme.cell(col, row); }

    ScriptedHost host;
    Workbench wb{host};
    EditorState state;
    FakeView view;
    EditProcessor edit{wb, state, view};
};

TEST_F(EditProcessorTest, ShiftMovesDrawTheLineTheyPassAndTurnOnTheCorner) {
    edit.enter();
    moveTo(10, 10);
    press(kKeyRight, true, 3);
    press(kKeyDown, true);
    EXPECT_EQ(at(10, 10), 5);
    EXPECT_EQ(at(11, 10), 5);
    EXPECT_EQ(at(12, 10), 5);
    EXPECT_EQ(at(13, 10), 10);  // the turn, left downward
    EXPECT_EQ(at(13, 11), 0);   // entered last: empty until it is left
    EXPECT_EQ(view.redraws, 0) << "a cursor move never redraws the scheme";
    EXPECT_FALSE(view.drewWithoutPatch);
}

TEST_F(EditProcessorTest, ALineDrawnIntoABlockOrNodeEndsInAnArrow) {
    testing::SchemeBuilder draw(wb.scheme);
    draw.block(22, 20, 9);
    draw.node(17, 15, 20);
    edit.enter();
    moveTo(17, 10);
    press(kKeyRight, true, 3);
    EXPECT_EQ(at(17, 10), 5);
    EXPECT_EQ(at(18, 10), 5);
    EXPECT_EQ(at(19, 10), 1);  // the arrow in front of the block
    EXPECT_EQ(state.held, 22);
    moveTo(15, 23);
    press(kKeyUp, true, 3);
    EXPECT_EQ(at(15, 21), 3);  // the arrow under the node, pointing up
    EXPECT_NE(wb.scheme.ElementAt(15, 20), nullptr);

    state.autoArrows = false;
    moveTo(30, 10);
    draw.block(22, 33, 9);
    press(kKeyRight, true, 3);
    EXPECT_EQ(at(32, 10), 5);
}

TEST_F(EditProcessorTest, CrossingALineFollowsNumLockAndScrollLockErases) {
    edit.enter();
    moveTo(10, 10);
    press(kKeyRight, true, 4);  // a horizontal line through (12, 10)
    moveTo(12, 8);
    press(kKeyDown, true, 2);  // enter the line from above: a tee
    EXPECT_EQ(at(12, 10), 16);
    state.numLock = true;
    press(kKeyDown, true);  // and leave it below: the crossing code
    EXPECT_EQ(at(12, 10), 11);

    state.scrollLock = true;
    moveTo(9, 10);
    press(kKeyRight, true, 3);
    EXPECT_EQ(at(10, 10), 0);
    EXPECT_EQ(at(11, 10), 0);
    EXPECT_EQ(at(12, 10), 0);
}

TEST_F(EditProcessorTest, EnterPutsTheHeldCodeAndSpacePicksUp) {
    edit.enter();
    moveTo(5, 5);
    state.held = 22;
    press(kKeyEnter);
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    EXPECT_EQ(at(7, 7), 22);
    moveTo(6, 6);
    state.held = 0;
    press(kKeySpace);
    EXPECT_EQ(state.held, 22);
    EXPECT_EQ(view.cursorCode, 22);
    state.held = 0;
    press(kKeyEnter);  // putting 0 down erases the whole block from any of its cells
    EXPECT_EQ(wb.scheme.ElementCount(), 0);
    EXPECT_EQ(at(5, 5), 0);
}

TEST_F(EditProcessorTest, TheCursorScrollsIntoViewAndNeverLeavesTheGrid) {
    edit.enter();
    moveTo(18, 3);
    press(kKeyRight);
    EXPECT_GT(view.view.x, 0);
    press(kKeyPgDn, false, 10);
    EXPECT_EQ(state.cursor.row, kCursorMax);
    press(kKeyHome);
    EXPECT_EQ(state.cursor.col, view.view.x / kCellWidth + 1);
}

TEST_F(EditProcessorTest, MarkedBlockCommandsCopyMoveAndDelete) {
    testing::SchemeBuilder draw(wb.scheme);
    draw.block(33, 4, 4);
    wb.scheme.PutCell(7, 5, 5);
    edit.enter();
    moveTo(4, 4);
    edit.command(kCmdMarkBegin);
    moveTo(7, 6);
    edit.command(kCmdMarkEnd);
    moveTo(20, 20);
    edit.command(kCmdCopyBlock);
    EXPECT_EQ(at(20, 20), 33);
    EXPECT_EQ(at(23, 21), 5);
    EXPECT_EQ(wb.scheme.ElementCount(), 2);
    EXPECT_EQ(wb.scheme.mark.left, 20);
    EXPECT_EQ(wb.scheme.mark.right, 23);
    moveTo(40, 40);
    edit.command(kCmdMoveBlock);
    EXPECT_EQ(at(20, 20), 0);
    EXPECT_EQ(at(40, 40), 33);
    EXPECT_EQ(wb.scheme.ElementCount(), 2);
    edit.command(kCmdDeleteBlock);
    EXPECT_EQ(at(40, 40), 0);
    EXPECT_TRUE(wb.scheme.mark.empty());
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    EXPECT_GT(view.redraws, 0);
    EXPECT_FALSE(view.drewWithoutPatch);
}

TEST_F(EditProcessorTest, ClearScreenAsksFirst) {
    testing::SchemeBuilder(wb.scheme).block(22, 4, 4);
    host.reply = Reply::No;
    edit.command(kCmdClearScreen);
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    host.reply = Reply::Yes;
    edit.command(kCmdClearScreen);
    EXPECT_EQ(wb.scheme.ElementCount(), 0);
}

TEST_F(EditProcessorTest, ACtrlDragCopiesOrMovesWhatItPickedUp) {
    testing::SchemeBuilder draw(wb.scheme);
    draw.block(22, 10, 10);
    wb.scheme.PutCell(30, 30, 5);
    edit.enter();
    const auto drag = [&](Cell from, Cell to, bool move) {
        edit.moveTo(from);
        edit.pickUp();
        edit.dropDragged(from, to, move);
    };
    drag({30, 30}, {40, 30}, false);
    EXPECT_EQ(at(30, 30), 5);
    EXPECT_EQ(at(40, 30), 5);
    drag({40, 30}, {50, 30}, true);
    EXPECT_EQ(at(40, 30), 0);
    EXPECT_EQ(at(50, 30), 5);
    // Moved onto itself by one cell: the cell it was taken from now belongs to the block
    // put down, which stays.
    wb.scheme.ElementAt(12, 12)->Params[0].Value = 4;
    wb.scheme.Labels[static_cast<size_t>(wb.scheme.FindElementAt(12, 12))] = "plant";
    drag({12, 12}, {11, 11}, true);
    ASSERT_NE(wb.scheme.ElementAt(11, 11), nullptr);
    EXPECT_EQ(wb.scheme.ElementAt(11, 11)->param(0), 4);  // it keeps its parameters and label
    EXPECT_EQ(wb.scheme.Labels[static_cast<size_t>(wb.scheme.FindElementAt(11, 11))], "plant");
    EXPECT_EQ(wb.scheme.ElementAt(12, 12), wb.scheme.ElementAt(11, 11));
    EXPECT_EQ(at(13, 13), 22);
    EXPECT_FALSE(view.drewWithoutPatch);
}

TEST(RunProcessorTest, TheCursorCarriesNoCodeAndDigitsMoveABlockWidth) {
    EditorState state;
    FakeView view;
    RunProcessor run{state, view};
    state.held = 30;
    run.enter();
    EXPECT_EQ(state.held, 0);
    EXPECT_EQ(view.cursorCode, 0);
    run.moveTo({10, 10});
    run.key(kKeyDigit6);
    run.key(kKeyDigit2);
    EXPECT_EQ(state.cursor, (Cell{13, 13}));
    run.key(kKeyEnter);  // Enter belongs to the dispatcher: nothing moves
    EXPECT_EQ(state.cursor, (Cell{13, 13}));
    EXPECT_FALSE(view.drewWithoutPatch);
}

}  // namespace
}  // namespace velmar::editor
