// velmar-cli used as a batch user would, with full disks, failing streams, planted
// links, odd names and mistyped answers.
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "cli/small_schemes.h"

namespace velmar::testing {
namespace {

constexpr const char* kFullDisk = "ulimit -f 1; trap '' XFSZ; ";  // writes stop after 512 bytes

TEST_F(Cli, AFullDiskLeavesThePreviousOutputsWhole) {
    const fs::path scheme = saveStepScheme(dir);
    fs::create_directories(dir / "points");
    const fs::path csv = dir / "good.csv", pnt = dir / "points" / "2-1.pnt";
    for (const fs::path& previous : {csv, pnt}) std::ofstream(previous) << "good";
    const std::vector<std::string> outputs[] = {{"--csv", csv.string()},
                                                {"--pnt", (dir / "points").string()}};
    for (const auto& output : outputs) {
        const Result r =
            cli(joined({"run", scheme.string(), "--answer", "Time=10"}, output), dir.string(), kFullDisk);
        EXPECT_EQ(r.code, 2) << r.out;
    }
    EXPECT_EQ(contents(csv), "good");
    EXPECT_EQ(contents(pnt), "good");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "points"), {}), 1);
}

TEST_F(Cli, AFailingStandardOutputExitsWith2) {
    const fs::path scheme = saveStepScheme(dir);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"run", scheme.string()},
                                                 std::vector<std::string>{"info", kDemo.string()}}) {
        const Result r = cli(args, dir.string(), "", " 2>&1 >/dev/full");
        EXPECT_EQ(r.code, 2) << args[0];
        EXPECT_NE(r.out.find("cannot write the standard output"), std::string::npos) << r.out;
    }
}

TEST_F(Cli, ResaveKeepsWhatItReplacesAndRefusesWhatWouldDestroyIt) {
    // OUT.sdf as the scheme: its labels file would be the scheme itself.
    std::ofstream(dir / "labels.sdf") << "labels";
    EXPECT_EQ(cli({"resave", kDemo.string(), (dir / "labels.sdf").string()}).code, 2);
    EXPECT_EQ(contents(dir / "labels.sdf"), "labels");

    // A scheme that cannot be written leaves its labels file as it was.
    fs::create_directories(dir / "busy.shm" / "inside");
    std::ofstream(dir / "busy.sdf") << "old labels";
    EXPECT_EQ(cli({"resave", kDemo.string(), (dir / "busy.shm").string()}).code, 2);
    EXPECT_EQ(contents(dir / "busy.sdf"), "old labels");

    // The mode survives; a link is written through.
    std::ofstream(dir / "real.shm") << "old";
    fs::permissions(dir / "real.shm", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.shm", dir / "link.shm");
    ASSERT_EQ(cli({"resave", kDemo.string(), (dir / "link.shm").string()}).code, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.shm"));
    EXPECT_EQ(contents(dir / "real.shm"), contents(kDemo));
    EXPECT_EQ(fs::status(dir / "real.shm").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Cli, AnAnswerNoDialogAskedForIsAnError) {
    const fs::path step = saveStepScheme(dir), one = saveAnalysisScheme(dir);
    struct Row {
        std::vector<std::string> args;
        const char* asked;
    } rows[] = {
        {{"run", step.string(), "--answer", "time=1"}, "(the rows asked: Step, Time)"},
        {joined({"tf", one.string(), "--block", "1", "--answer", "b3=1"}, handEntry()), "b3"},
        {joined({"analyze", one.string(), "--block", "1", "--method", "routh", "--answer", "w(end)=9"},
                handEntry()),
         "Entry"},
    };
    for (const Row& row : rows) {
        const Result r = cli(row.args, dir.string());
        EXPECT_EQ(r.code, 2) << r.out;
        EXPECT_NE(r.out.find("no dialog asked for --answer"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(row.asked), std::string::npos) << r.out;
    }
}

TEST_F(Cli, SideFilesAreWrittenOnlyWhereAskedAndAFailureIsAWarning) {
    const fs::path one = saveAnalysisScheme(dir);
    const auto roots = joined({"analyze", one.string(), "--block", "1", "--method", "42"}, handEntry());
    Result r = cli(roots, dir.string());
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_FALSE(fs::exists(dir / "CfFile.txt"));
    EXPECT_FALSE(fs::exists(dir / "mcad"));

    r = cli(joined(roots, {"--side-files", "out"}), dir.string());
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_TRUE(fs::exists(dir / "out" / "CfFile.txt"));
    EXPECT_EQ(contents(dir / "out" / "mcad" / "root_v.prn"), "0\n0\n");

    r = cli(joined(roots, {"--side-files", one.string()}),
            dir.string());  // a file where the folder should be: done with a warning
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_NE(r.out.find("velmar-cli analyze: warning: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("canvas: Re1 ="), std::string::npos) << r.out;
}

TEST_F(Cli, ADamagedSchemeIsRefusedAndOneCutShortWarns) {
    struct Row {
        std::string bytes;
        int code;
        const char* said;
    } rows[] = {
        {"", 2, "damaged"},
        {std::string("\x05\x05\x16\x09\x05\x11", 6), 2, "damaged"},
        {std::string("\x05\x05\x16\x00\x00\x2a", 6), 1,
         "Warning: The file ends before the parameters of element 1: it keeps its defaults\n"},
    };
    for (const Row& row : rows) {
        std::ofstream(dir / "cut.shm", std::ios::binary) << row.bytes;
        const Result r = cli({"info", (dir / "cut.shm").string()});
        EXPECT_EQ(r.code, row.code) << r.out;
        EXPECT_NE(r.out.find(row.said), std::string::npos) << r.out;
    }
}

}  // namespace
}  // namespace velmar::testing
