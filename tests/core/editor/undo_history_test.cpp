#include "core/editor/undo_history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

namespace velmar::editor {
namespace {

namespace fs = std::filesystem;

// A scheme whose state is the number of line pieces in row 5: change n puts piece n.
class UndoHistoryTest : public ::testing::Test {
protected:
    int pieces() const {
        int n = 0;
        for (int c = 1; c < kGridSize; ++c) n += scheme.cell(c, 5) != 0;
        return n;
    }
    void change(const std::string& fileName = "a.shm") {
        history.take(scheme, fileName);
        scheme.PutCell(pieces() + 1, 5, 5);
    }
    // Stepping returns the state reached, or nothing when the step was refused.
    std::optional<int> undo() {
        Scheme into;
        const auto name = history.undo(scheme, "a.shm", into);
        if (!name) return std::nullopt;
        scheme.swap(into);
        return pieces();
    }
    std::optional<int> redo() {
        Scheme into;
        const auto name = history.redo(scheme, into);
        if (!name) return std::nullopt;
        scheme.swap(into);
        return pieces();
    }
    std::vector<int> snapshotsOnDisk() const {
        std::vector<int> on;
        for (int k = 0; k <= kMaxSnapshots; ++k)
            if (fs::exists(history.snapshotFile(k))) on.push_back(k);
        return on;
    }

    SnapshotFolder folder{"velmar-undo-test"};
    UndoHistory history{folder.path()};
    Scheme scheme;
};

TEST_F(UndoHistoryTest, TenChangesKeepNineSnapshotsThatUndoAndRedoWalkThrough) {
    EXPECT_FALSE(history.canUndo(scheme));
    for (int i = 0; i < 10; ++i) change();
    EXPECT_EQ(snapshotsOnDisk(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(history.snapshotFile(3).filename(), "~VelTmp3.tmp");
    EXPECT_FALSE(history.canRedo(scheme));

    // Snapshot k holds the state before change k + 1: Undo walks 9 .. 1.
    for (int expected = 9; expected >= 1; --expected) {
        ASSERT_TRUE(history.canUndo(scheme)) << expected;
        EXPECT_EQ(undo(), expected);
    }
    EXPECT_TRUE(fs::exists(history.snapshotFile(0)));  // the state of the first Undo
    EXPECT_FALSE(history.canUndo(scheme));
    EXPECT_EQ(undo(), std::nullopt);
    EXPECT_EQ(pieces(), 1);

    // Redo walks forward; its last step is the state before the first Undo.
    for (int expected = 2; expected <= 10; ++expected) {
        ASSERT_TRUE(history.canRedo(scheme)) << expected;
        EXPECT_EQ(redo(), expected);
    }
    EXPECT_FALSE(history.canRedo(scheme));
    EXPECT_EQ(redo(), std::nullopt);
    EXPECT_EQ(undo(), 9);  // and back again
}

TEST_F(UndoHistoryTest, AChangeAfterUndoDropsTheStepsAfterTheOneShownButNoneBefore) {
    for (int i = 0; i < 4; ++i) change();  // states 0 .. 4
    EXPECT_EQ(undo(), 3);
    EXPECT_EQ(undo(), 2);
    change();  // 2 -> 3', the old 3 and 4 are gone
    EXPECT_EQ(snapshotsOnDisk(), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(history.canRedo(scheme));
    EXPECT_EQ(undo(), 2);
    EXPECT_EQ(undo(), 1);
    EXPECT_EQ(undo(), 0);
    EXPECT_EQ(undo(), std::nullopt);
    EXPECT_EQ(redo(), 1);
    EXPECT_EQ(redo(), 2);
    EXPECT_EQ(redo(), 3);
    EXPECT_EQ(redo(), std::nullopt);
}

TEST_F(UndoHistoryTest, EditsWithoutASnapshotAreKeptAsAStepOfTheirOwn) {
    change();
    change();
    EXPECT_EQ(undo(), 1);
    // A keyboard edit after the Undo takes no snapshot ...
    scheme.PutCell(40, 40, 6);
    EXPECT_FALSE(history.canRedo(scheme));
    EXPECT_EQ(redo(), std::nullopt);  // ... it replaces what Redo would have brought
    EXPECT_EQ(scheme.cell(40, 40), 6);
    // ... and Undo goes back to the state it was made on, Redo forward to it again.
    EXPECT_EQ(undo(), 1);
    EXPECT_EQ(scheme.cell(40, 40), 0);
    EXPECT_EQ(undo(), 0);
    EXPECT_EQ(redo(), 1);
    EXPECT_EQ(redo(), 1);
    EXPECT_EQ(scheme.cell(40, 40), 6);

    // The same after the last Redo: the state of the first Undo stays a step.
    scheme.PutCell(41, 40, 6);
    EXPECT_EQ(undo(), 1);
    EXPECT_EQ(scheme.cell(40, 40), 6);
    EXPECT_EQ(scheme.cell(41, 40), 0);
}

TEST_F(UndoHistoryTest, StepsBringBackLabelsAndTheFileNameOfTheirState) {
    scheme.Labels[1] = "plant";
    history.take(scheme, "first.shm");  // e.g. before Open replaced it
    scheme.ClearLabels();
    scheme.PutCell(10, 10, 22);
    Scheme into;
    EXPECT_EQ(history.undo(scheme, "second.shm", into), std::optional<std::string>("first.shm"));
    EXPECT_EQ(into.Labels[1], "plant");
    EXPECT_EQ(into.ElementCount(), 0);
    scheme.swap(into);
    Scheme back;
    EXPECT_EQ(history.redo(scheme, back), std::optional<std::string>("second.shm"));
    EXPECT_EQ(back.Labels[1], "");
    EXPECT_EQ(back.ElementCount(), 1);
}

TEST_F(UndoHistoryTest, AMissingSnapshotRefusesTheStepAndLeavesTheScheme) {
    change();
    change();
    fs::remove(history.snapshotFile(1));
    EXPECT_EQ(undo(), 1);
    EXPECT_EQ(undo(), std::nullopt);
    EXPECT_EQ(pieces(), 1);
}

TEST(SnapshotFolderTest, EachIsItsOwnAndGoesWithEverythingInIt) {
    fs::path kept;
    {
        SnapshotFolder a("velmar-folder-test"), b("velmar-folder-test");
        EXPECT_NE(a.path(), b.path());
        EXPECT_TRUE(fs::equivalent(a.path().parent_path(), fs::temp_directory_path()));
        kept = a.path();
        UndoHistory h(a.path());
        h.take(Scheme{}, "x.shm");
        EXPECT_TRUE(fs::exists(h.snapshotFile(1)));
    }
    EXPECT_FALSE(fs::exists(kept));
}

// An edit recorded afterwards is a step when it changed the scheme, and none when it
// did not; after Undo it drops the steps after the one shown, as any change does.
TEST_F(UndoHistoryTest, EditsRecordedAfterwardsAreStepsOnlyWhenTheyChangedTheScheme) {
    const auto edit = [&](bool changes) {
        const UndoHistory::State before = UndoHistory::stateOf(scheme);
        if (changes) scheme.PutCell(pieces() + 1, 5, 5);
        history.recordEdit(before, scheme, "a.shm");
    };
    edit(false);
    EXPECT_FALSE(history.canUndo(scheme));
    edit(true);
    edit(true);
    edit(false);
    EXPECT_EQ(snapshotsOnDisk(), (std::vector<int>{1, 2}));
    EXPECT_EQ(undo(), 1);
    edit(true);  // back to two pieces, as a new step after the one shown
    EXPECT_FALSE(history.canRedo(scheme));
    EXPECT_EQ(undo(), 1);
    EXPECT_EQ(undo(), 0);
    EXPECT_FALSE(history.canUndo(scheme));
}

}  // namespace
}  // namespace velmar::editor
