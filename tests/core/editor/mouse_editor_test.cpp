#include "core/editor/mouse_editor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "core/editor/block_clipboard.h"
#include "core/scripted_host.h"
#include "support/scheme_builder.h"

namespace velmar::editor {
namespace {

namespace fs = std::filesystem;

class FakeFiles : public FileSessionView {
public:
    std::string chosen;
    std::string pickFile(FileDialogKind, const std::string&) override { return chosen; }
    void leaveAdvRed() override {}
    void enterFile() override {}
    void schemeReplaced() override {}
    bool showBackground(const std::string&) override { return false; }
    void redraw() override {}
    void enterEdit() override {}
    void showTitle(const std::string&) override {}
};

class FakeCanvas : public MouseEditorView {
public:
    int redraws = 0;
    int snapshots = 0;
    std::vector<PixelRect> focus;
    std::optional<PixelPoint> dragOffered;
    std::optional<MouseCommands> offered;
    MouseCommands buttons;

    void redraw() override { ++redraws; }
    void showFocus(const std::vector<PixelRect>& rects) override { focus = rects; }
    void offerDragChoice(PixelPoint at) override { dragOffered = at; }
    void offerCommands(PixelPoint, const MouseCommands& enabled) override { offered = enabled; }
    void buttonsChanged(const MouseCommands& enabled) override { buttons = enabled; }
    void takeSnapshot() override { ++snapshots; }
};

// The centre of a cell in canvas pixels.
PixelPoint at(int col, int row) { return {col * kCellWidth + 10, row * kCellHeight + 5}; }

// Every test gets a temporary folder of its own, so the clipboard file is its own too.
class MouseEditorTest : public ::testing::Test {
protected:
    MouseEditorTest()
        : tmp(fs::temp_directory_path() / ("velmar-mouse-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(tmp);
        const char* old = std::getenv("TMPDIR");
        oldTmp = old ? old : "";
        setenv("TMPDIR", tmp.c_str(), 1);
        testing::SchemeBuilder draw(wb.scheme);
        draw.block(22, 10, 10);  // cells 10..12 x 10..12
        draw.node(17, 16, 11);
        wb.scheme.PutCell(14, 11, 5);
    }
    ~MouseEditorTest() override {
        if (oldTmp.empty()) unsetenv("TMPDIR");
        else setenv("TMPDIR", oldTmp.c_str(), 1);
        fs::remove_all(tmp);
    }
    // A left press, a move and the release: a band outside the selection, a drag inside.
    void sweep(PixelPoint from, PixelPoint to) {
        mouse.press(MouseButton::Left, from);
        mouse.move(to);
        mouse.release(MouseButton::Left, to);
    }
    std::uint8_t cell(int c, int r) const { return wb.scheme.cell(c, r); }

    fs::path tmp;
    std::string oldTmp;
    ScriptedHost host;
    Workbench wb{host};
    EditorState state;
    FakeFiles fileView;
    FileSession files{wb, state, fileView};
    FakeCanvas canvas;
    MouseEditor mouse{wb, state, files, canvas};
};

TEST_F(MouseEditorTest, ABandSelectsTheCellsItCoversWithTheItemsInThem) {
    sweep(at(15, 13), at(9, 9));  // drawn up and to the left
    ASSERT_TRUE(mouse.hasSelection());
    const Mark& m = wb.scheme.mark;
    EXPECT_EQ(m.left, 9);
    EXPECT_EQ(m.top, 9);
    EXPECT_EQ(m.right, 15);
    EXPECT_EQ(m.bottom, 13);
    // The block and the line piece, not the node outside: the selection and two items.
    ASSERT_EQ(canvas.focus.size(), 3u);
    EXPECT_EQ(canvas.focus[0], (PixelRect{9 * 21, 9 * 11, 7 * 21, 5 * 11}));
    EXPECT_EQ(canvas.focus[1], (PixelRect{10 * 21, 10 * 11, 62, 32}));
    EXPECT_EQ(canvas.focus[2], (PixelRect{14 * 21, 11 * 11, 21, 11}));
    EXPECT_TRUE(canvas.buttons.cut && canvas.buttons.copy && canvas.buttons.del);
    EXPECT_FALSE(canvas.buttons.paste);  // no clipboard file yet

    // A band over nothing selects nothing; a click only moves the cursor.
    sweep(at(40, 40), at(45, 45));
    EXPECT_FALSE(mouse.hasSelection());
    EXPECT_TRUE(wb.scheme.mark.empty());
    EXPECT_TRUE(canvas.focus.empty());
    EXPECT_FALSE(canvas.buttons.cut);
    mouse.press(MouseButton::Left, at(30, 20));
    mouse.release(MouseButton::Left, at(30, 20));
    EXPECT_EQ(state.cursor, (Cell{30, 20}));
    EXPECT_FALSE(mouse.hasSelection());
    EXPECT_EQ(canvas.snapshots, 0);
}

TEST_F(MouseEditorTest, RightClickOffersWhatIsPossibleInsideAndOutsideTheSelection) {
    sweep(at(9, 9), at(15, 13));
    mouse.press(MouseButton::Right, at(11, 11));
    EXPECT_EQ(*canvas.offered, (MouseCommands{true, true, true, true, false, false, false}));
    mouse.press(MouseButton::Right, at(50, 50));
    EXPECT_EQ(*canvas.offered, (MouseCommands{false, false, false, false, false, true, true}));
    mouse.copy();
    EXPECT_TRUE(canvas.buttons.paste);
    mouse.press(MouseButton::Right, at(50, 50));
    EXPECT_TRUE(canvas.offered->paste);
}

TEST_F(MouseEditorTest, DroppingADraggedSelectionOffersCopyOrMoveThere) {
    sweep(at(9, 9), at(15, 13));
    // Straight to the right, by 20 cells: copy.
    sweep(at(11, 11), at(31, 11));
    ASSERT_TRUE(mouse.dragChoicePending());
    ASSERT_TRUE(canvas.dragOffered);
    EXPECT_EQ(cell(10, 10), 22) << "nothing changes before the choice";
    mouse.dragChosen(DragChoice::Copy);
    EXPECT_EQ(canvas.snapshots, 1);
    EXPECT_EQ(cell(30, 10), 22);
    EXPECT_EQ(cell(34, 11), 5);
    EXPECT_EQ(cell(10, 10), 22);
    EXPECT_EQ(wb.scheme.ElementCount(), 3);
    EXPECT_FALSE(mouse.hasSelection());
    EXPECT_TRUE(canvas.focus.empty());

    // Down and left: move.
    sweep(at(29, 9), at(35, 13));
    sweep(at(31, 11), at(21, 31));
    mouse.dragChosen(DragChoice::Move);
    EXPECT_EQ(cell(20, 30), 22);
    EXPECT_EQ(cell(30, 10), 0);
    EXPECT_EQ(wb.scheme.ElementCount(), 3);

    // Dropped where it was, or answered "Отменить": nothing happens.
    sweep(at(19, 29), at(25, 33));
    sweep(at(21, 31), at(21, 31));
    EXPECT_FALSE(mouse.dragChoicePending());
    sweep(at(19, 29), at(25, 33));
    sweep(at(21, 31), at(40, 40));
    mouse.dragChosen(DragChoice::Cancel);
    EXPECT_EQ(cell(20, 30), 22);
    EXPECT_EQ(canvas.snapshots, 2);
}

TEST_F(MouseEditorTest, CutCopyAndPasteGoThroughTheClipboardFile) {
    sweep(at(9, 9), at(15, 13));
    mouse.cut();
    EXPECT_EQ(canvas.snapshots, 1);
    EXPECT_TRUE(fs::exists(tmp / "~VelTmpC.tmp"));
    EXPECT_EQ(clipboardFile(), tmp / "~VelTmpC.tmp");
    EXPECT_EQ(cell(10, 10), 0);
    EXPECT_EQ(cell(14, 11), 0);
    EXPECT_EQ(cell(16, 11), 17);
    EXPECT_FALSE(mouse.hasSelection());

    // Pasted where the mouse was last pressed, erasing what was there; twice.
    wb.scheme.PutCell(42, 41, 6);
    for (const int col : {40, 60}) {
        mouse.press(MouseButton::Right, at(col, 40));
        mouse.paste();
        EXPECT_EQ(cell(col + 1, 41), 22) << col;  // the block one cell in from the mark's corner
        EXPECT_EQ(cell(col + 5, 42), 5) << col;
        EXPECT_TRUE(mouse.hasSelection()) << "what was pasted is selected";
    }
    EXPECT_EQ(wb.scheme.ElementAt(42, 41)->Code, 22);
    EXPECT_EQ(wb.scheme.ElementCount(), 3);
    EXPECT_EQ(canvas.snapshots, 3);

    // Delete and clear.
    mouse.remove();
    EXPECT_EQ(cell(61, 41), 0);
    mouse.clear();
    EXPECT_EQ(wb.scheme.ElementCount(), 0);
    EXPECT_EQ(canvas.snapshots, 5);
    // Cut, copy and delete ask for a selection: nothing happens without one.
    mouse.cut();
    mouse.remove();
    EXPECT_EQ(canvas.snapshots, 5);
}

TEST_F(MouseEditorTest, NoClipboardFileMeansNoPasteAndNoSnapshot) {
    mouse.press(MouseButton::Right, at(40, 40));
    EXPECT_FALSE(canvas.offered->paste);
    mouse.paste();
    EXPECT_EQ(canvas.snapshots, 0);
    EXPECT_EQ(wb.scheme.ElementCount(), 2);
}

}  // namespace
}  // namespace velmar::editor
