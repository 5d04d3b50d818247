// The files a workbench keeps beside those of other workbenches: its presence mark in
// the temporary folder and its recovery copy. What counts is whether the process that
// wrote them still runs, told by its id and start time, so that a killed workbench's
// files are recognised even after the system gave its id to another process.
#include <gtest/gtest.h>

#include <fstream>

#include "core/editor/undo_history.h"
#include "core/model/scheme_file.h"
#include "core/shell/presence.h"
#include "core/shell/recovery.h"

using namespace velmar;
namespace fs = std::filesystem;

namespace {

// An id no process can have (above the kernel's largest), and this process's id with
// another start time: a process that ended and one that had this id before.
const ProcessStamp kGone{"999999999", "5"};
ProcessStamp earlierHolderOfThisId() { return {thisProcess().id, "1"}; }

}  // namespace

TEST(ProcessTable, ThisProcessRunsAndAnEndedOneDoesNot) {
    const ProcessStamp self = thisProcess();
    ASSERT_FALSE(self.id.empty());
    EXPECT_FALSE(self.started.empty());
    EXPECT_TRUE(stillRuns(self));
    EXPECT_FALSE(stillRuns(kGone));
    EXPECT_FALSE(stillRuns(earlierHolderOfThisId()));
    EXPECT_EQ(readStamp(stampText(self)), self);
    for (const char* bad : {"", "12", "x 3", "12 3a", "-1 2"}) EXPECT_FALSE(readStamp(bad)) << bad;
}

TEST(PresenceMark, CountsOtherRunningWorkbenchesAndClearsTheMarksOfEndedOnes) {
    editor::SnapshotFolder tmp("velmar-presence-test");
    const fs::path own = tmp.path() / ("velmar-" + thisProcess().id + ".run");
    {
        PresenceMark self(tmp.path());
        EXPECT_TRUE(fs::exists(own));
        EXPECT_FALSE(self.othersRun());
        {
            const PresenceMark killed(tmp.path(), kGone);
            EXPECT_FALSE(self.othersRun());
        }
        // A killed workbench's mark stays behind; the next look removes it.
        std::ofstream(tmp.path() / "velmar-999999999.run") << stampText(kGone);
        EXPECT_FALSE(self.othersRun());
        EXPECT_FALSE(fs::exists(tmp.path() / "velmar-999999999.run"));

        const std::optional<ProcessStamp> init = runningProcess("1");
        ASSERT_TRUE(init);
        const PresenceMark other(tmp.path(), *init);
        EXPECT_TRUE(self.othersRun());
    }
    EXPECT_FALSE(fs::exists(own));
}

namespace {

// A killed workbench runs no destructor: its copy stays as it last wrote it.
void keepAndGetKilled(const fs::path& folder, const ProcessStamp& process, const Scheme& scheme,
                      const std::string& fileName) {
    const fs::path aside = folder.parent_path() / "aside";
    RecoveryStore killed(aside, process);
    killed.keep(scheme, fileName);
    fs::create_directories(folder);
    for (const fs::directory_entry& f : fs::directory_iterator(aside))
        fs::copy(f.path(), folder / f.path().filename());
}

}  // namespace

TEST(RecoveryStore, OffersTheCopiesOfEndedWorkbenchesNewestFirst) {
    editor::SnapshotFolder state("velmar-recovery-test");
    const fs::path folder = state.path() / "recovery";
    Scheme edited;
    edited.PutCell(10, 10, 22);
    edited.Labels[1] = "Lag";

    RecoveryStore own(folder);
    own.keep(edited, "/home/u/plant.shm");
    EXPECT_TRUE(own.holdsCopy());
    EXPECT_TRUE(own.orphans().empty());  // this workbench still runs

    keepAndGetKilled(folder, kGone, edited, "/home/u/plant.shm");
    keepAndGetKilled(folder, earlierHolderOfThisId(), Scheme{}, "NoName.shm");
    // ... the second an hour before the first.
    std::ofstream(folder / (thisProcess().id + "-1.run")) << stampText(earlierHolderOfThisId()) << "\n0\nNoName.shm\n";

    const std::vector<RecoveredScheme> orphans = own.orphans();
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_EQ(orphans[0].fileName, "/home/u/plant.shm");
    EXPECT_GT(orphans[0].keptAt, 0);
    EXPECT_EQ(orphans[1].fileName, "NoName.shm");
    EXPECT_EQ(orphans[1].keptAt, 0);

    Scheme back;
    RecoveryStore::reopen(orphans[0], back);
    EXPECT_EQ(SchemeBytes(back), SchemeBytes(edited));
    EXPECT_EQ(back.Labels[1], "Lag");
    RecoveryStore::discard(orphans[0]);
    EXPECT_EQ(own.orphans().size(), 1u);

    own.drop();
    EXPECT_FALSE(own.holdsCopy());
    // An unchanged scheme is written again once its copy has gone.
    own.keep(edited, "/home/u/plant.shm");
    EXPECT_TRUE(own.holdsCopy());
}

TEST(RecoveryStore, OffersNothingThatIsNotAWholeCopyOfAnEndedProcess) {
    editor::SnapshotFolder folder("velmar-recovery-test");
    const auto info = [&](const std::string& name, const std::string& text) {
        std::ofstream(folder.path() / (name + ".run")) << text;
        std::ofstream(folder.path() / (name + ".shm")) << "x";
    };
    info("999999999-5", "garbage\n");                               // unreadable
    info("999999998-5", stampText(kGone) + "\n7\nplant.shm\n");      // another process's stamp
    info("999999999-6", stampText({"999999999", "6"}) + "\n7\nx");  // cut short
    std::ofstream(folder.path() / "999999997-5.run") << "999999997 5\n7\nplant.shm\n";  // no copy
    const RecoveryStore store(folder.path());
    EXPECT_TRUE(store.orphans().empty());
}
