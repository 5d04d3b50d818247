// What velmar-cli writes never damages what it replaces: a device or a FIFO is written
// in place and stays what it was, "-" is the standard output, a file this user may not
// write is refused, and no link below a side-file folder is followed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <thread>

#include "cli/cli_process.h"
#include "cli/small_schemes.h"

namespace velmar::testing {
namespace {

bool isCharacterDevice(const fs::path& p) { return fs::symlink_status(p).type() == fs::file_type::character; }

TEST_F(Cli, AFifoGetsTheCsvAndStaysAFifo) {
    const fs::path step = saveStepScheme(dir), fifo = dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = contents(fifo); });
    const Result r = cli({"run", step.string(), "--csv", fifo.string()}, dir.string());
    reader.join();
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(read, cli({"run", step.string()}, dir.string(), "", "").out);
    EXPECT_EQ(fs::symlink_status(fifo).type(), fs::file_type::fifo);
}

TEST_F(Cli, ACharacterDeviceIsWrittenInPlaceAndAFullOneIsAnError) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a character device with mknod needs root; not run";
    const fs::path step = saveStepScheme(dir), null = dir / "null", full = dir / "full";
    ASSERT_EQ(::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"run", step.string(), "--csv", null.string()},
          std::vector<std::string>{"resave", kDemo.string(), null.string()}})
        EXPECT_EQ(cli(args, dir.string()).code, 0) << args[0];
    const Result r = cli({"run", step.string(), "--csv", full.string()}, dir.string());
    EXPECT_EQ(r.code, 2) << r.out;
    EXPECT_NE(r.out.find("No space left on device"), std::string::npos) << r.out;
    EXPECT_TRUE(isCharacterDevice(null));
    EXPECT_TRUE(isCharacterDevice(full));
}

TEST_F(Cli, ADashAndDevStdoutAreTheStandardOutput) {
    const fs::path step = saveStepScheme(dir);
    const std::string plain = cli({"run", step.string()}, dir.string(), "", "").out;
    ASSERT_NE(plain.find("element,diagram,index,x,y\n"), std::string::npos);
    for (const char* out : {"-", "/dev/stdout"}) {
        const Result r = cli({"run", step.string(), "--csv", out}, dir.string(), "", "");
        EXPECT_EQ(r.code, 0) << out;
        EXPECT_EQ(r.out, plain) << out;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
}

TEST_F(Cli, AReadOnlyOutputIsRefusedAndKept) {
    const fs::path step = saveStepScheme(dir), ro = dir / "ro.csv";
    std::ofstream(ro) << "kept";
    fs::permissions(ro, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir, fs::perms::all);
    // As root the mode binds no one: the call then runs as an ordinary user.
    const std::string asUser = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const Result r = cli({"run", step.string(), "--csv", ro.string()}, dir.string(), asUser);
    EXPECT_EQ(r.code, 2) << r.out;
    EXPECT_NE(r.out.find("Permission denied"), std::string::npos) << r.out;
    EXPECT_EQ(contents(ro), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);
}

TEST_F(Cli, SideFilesFollowNoLinkBelowTheirFolder) {
    const fs::path one = saveAnalysisScheme(dir), elsewhere = dir / "elsewhere";
    fs::create_directories(dir / "side");
    fs::create_directories(elsewhere);
    fs::create_directory_symlink(elsewhere, dir / "side" / "mcad");
    const Result r = cli(joined({"analyze", one.string(), "--block", "1", "--method", "42", "--side-files",
                                 (dir / "side").string()},
                                handEntry()),
                         dir.string());
    EXPECT_EQ(r.code, 1) << r.out;  // done, with a warning
    EXPECT_NE(r.out.find("warning: A symbolic link is in the way of the folder"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("mcad"), std::string::npos) << r.out;
    EXPECT_TRUE(fs::is_empty(elsewhere));
    EXPECT_TRUE(fs::exists(dir / "side" / "CfFile.txt"));
}

}  // namespace
}  // namespace velmar::testing
