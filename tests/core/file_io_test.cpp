#include "core/file_io.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include "core/errors.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

class ReplacingWrite : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    fs::path dir = fs::temp_directory_path() / ("velmar-file-io-" + std::to_string(std::random_device{}()));
};

// A full disk, as the file-size limit makes it: the write fails part-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(ReplacingWrite, AFailedWriteLeavesThePreviousFileWholeAndNoLitter) {
    const fs::path file = dir / "curve.csv";
    write(file, "the good one");
    {
        FileSizeLimit full(4096);
        EXPECT_THROW(replaceFile(file, std::string(100000, 'x')), FileError);
    }
    EXPECT_EQ(contents(file), "the good one");
    EXPECT_EQ(names(), std::vector<std::string>{"curve.csv"});
}

TEST_F(ReplacingWrite, KeepsTheModeAndWritesThroughALinkUnlessTold) {
    const fs::path file = dir / "a.shm", link = dir / "link.shm";
    write(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(file.filename(), link);

    replaceFile(link, "through the link");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(file), "through the link");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    replaceFile(link, "instead of the link", LinkPolicy::ReplaceLink);
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(contents(link), "instead of the link");
    EXPECT_EQ(contents(file), "through the link");
}

TEST_F(ReplacingWrite, RemovesWhatAKilledWriteOfTheSameFileLeft) {
    const fs::path file = dir / "b.pnt";
    // 99999999 is above any process id; process 1 always runs.
    for (const char* left : {"b.pnt.velmar-99999999.tmp", "b.pnt.velmar-99999999.old", "b.pnt.velmar-1.tmp",
                             "other.pnt.velmar-99999999.tmp"})
        write(dir / left, "left over");
    replaceFile(file, "new");
    EXPECT_EQ(names(),
              (std::vector<std::string>{"b.pnt", "b.pnt.velmar-1.tmp", "other.pnt.velmar-99999999.tmp"}));
}

TEST_F(ReplacingWrite, AGroupChangesWhollyOrNotAtAll) {
    const fs::path labels = dir / "x.sdf", scheme = dir / "x.shm";
    write(labels, "labels");
    fs::create_directories(scheme / "in the way");
    for (const bool remove : {false, true}) {
        const std::optional<std::string_view> content =
            remove ? std::nullopt : std::optional<std::string_view>("new labels");
        EXPECT_THROW(replaceFiles({{labels, content}, {scheme, "scheme"}}), FileError);
        EXPECT_EQ(contents(labels), "labels");
    }
    fs::remove_all(scheme);
    replaceFiles({{labels, std::nullopt}, {scheme, "scheme"}});
    EXPECT_EQ(names(), std::vector<std::string>{"x.shm"});
}

TEST_F(ReplacingWrite, SameFileSeesThroughNamesAndLinks) {
    write(dir / "a", "");
    fs::create_symlink("a", dir / "b");
    EXPECT_TRUE(sameFile(dir / "a", dir / "b"));
    EXPECT_TRUE(sameFile(dir / "new", dir / "." / "new"));
    EXPECT_FALSE(sameFile(dir / "a", dir / "new"));
}

// Runs `check` (true when it holds) as a user who owns nothing here: in a child process
// that gives up root, so a file's mode binds it as it binds an ordinary user.
bool asOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ReplacingWrite, AReadOnlyFileIsRefusedAsTheShellWouldRefuseIt) {
    const fs::path file = dir / "ro.csv";
    write(file, "kept");
    fs::permissions(dir, fs::perms::all);  // the folder lets anyone make the temporary file
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(asOrdinaryUser([&] {
        try {
            replaceFile(file, "new");
        } catch (const FileError& e) {
            return std::string(e.what()).starts_with("Cannot write the file (Permission denied)");
        }
        return false;
    }));
    EXPECT_EQ(contents(file), "kept");
    EXPECT_EQ(names(), std::vector<std::string>{"ro.csv"});
}

TEST_F(ReplacingWrite, AFifoIsWrittenInPlaceAndStaysAFifo) {
    const fs::path fifo = dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = contents(fifo); });
    FileWriter writer(fifo);
    EXPECT_TRUE(writer.inPlace());
    writer.write("first,");
    writer.write(std::string(100000, 'x'));
    writer.commit();
    reader.join();
    EXPECT_EQ(read, "first," + std::string(100000, 'x'));
    EXPECT_EQ(fs::symlink_status(fifo).type(), fs::file_type::fifo);
    EXPECT_EQ(names(), std::vector<std::string>{"pipe"});
}

TEST_F(ReplacingWrite, BelowAFolderNoLinkIsFollowed) {
    const fs::path base = dir / "base", elsewhere = dir / "elsewhere";
    fs::create_directories(base);
    fs::create_directories(elsewhere);
    fs::create_directory_symlink(elsewhere, base / "mcad");
    try {
        replaceFileBelow(base, "mcad/root_u.prn", "roots");
        ADD_FAILURE() << "written through the link";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("symbolic link"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("mcad"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(fs::is_empty(elsewhere));

    // The folders are made on the way; a link at the file's own name is replaced.
    fs::create_symlink(elsewhere / "target", base / "CfFile.txt");
    replaceFileBelow(base, "CfFile.txt", "W(s)");
    replaceFileBelow(base, "new/deeper/root_v.prn", "0\n");
    EXPECT_FALSE(fs::is_symlink(base / "CfFile.txt"));
    EXPECT_EQ(contents(base / "CfFile.txt"), "W(s)");
    EXPECT_EQ(contents(base / "new" / "deeper" / "root_v.prn"), "0\n");
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

}  // namespace
}  // namespace velmar
