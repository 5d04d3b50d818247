#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "core/model/scheme_file.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

const fs::path kDemo = fs::path(VELMAR_DATA_DIR) / "Schemes" / "demo.shm";

}  // namespace

TEST_F(Cli, InfoListsElementsLabelsAndComment) {
    Scheme s;
    ASSERT_TRUE(s.PutCell(4, 7, 22));
    ASSERT_TRUE(s.PutCell(10, 8, 18));
    ASSERT_TRUE(s.PutCell(20, 7, 28));
    s.element(1).Params[1].Value = 0.01L;
    s.Labels[2] = "node";
    s.SchemeComment = "a comment";
    const fs::path shm = dir / "x.shm";
    SaveScheme(s, shm, labelsFileFor(shm));

    const Result r = cli({"info", shm.string()});
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out, shm.string() +
                         ": 3 elements\n"
                         "1: code 22 at (4,7) Апериодическое звено | K=1 | T=0.010000000000005116 | Nu=0\n"
                         "2: code 18 at (10,8) Блок вычитания\n"
                         "3: code 28 at (20,7) Произвольное звено | m=0 | n=0 | a0=1 | b0=1\n"
                         "label 2: node\n"
                         "comment: a comment\n");
}

TEST_F(Cli, InfoShowsTheDemo) {
    const Result r = cli({"info", kDemo.string()});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("1: code 33 at (4,9) Ступенчатое воздействие | C=1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ПИ-регулятор"), std::string::npos);
}

TEST_F(Cli, ResaveGivesTheSameBytesAndLabels) {
    const fs::path out = dir / "copy.shm";
    const Result r = cli({"resave", kDemo.string(), out.string()});
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(contents(out), contents(kDemo));
    EXPECT_EQ(contents(dir / "copy.sdf"), contents(labelsFileFor(kDemo)));
}

TEST_F(Cli, FileAndUsageErrorsExitWith2) {
    std::ofstream(dir / "bad.shm", std::ios::binary) << std::string("\x05\x05\x16\x00\x01", 5);
    struct Row {
        std::vector<std::string> args;
        std::string said;
    };
    const Row rows[] = {
        {{"info", (dir / "bad.shm").string()}, "bad.shm"},
        {{"info", (dir / "none.shm").string()}, "none.shm"},
        {{"info"}, "usage"},
        {{"info", "a", "b"}, "usage"},
        {{"resave", kDemo.string()}, "usage"},
        {{"resave", (dir / "none.shm").string(), (dir / "out.shm").string()}, "none.shm"},
        {{"resave", kDemo.string(), (dir / "no" / "out.shm").string()}, "out.shm"},
        {{"nonsense"}, "usage"},
        {{}, "usage"},
    };
    for (const Row& row : rows) {
        const Result r = cli(row.args);
        EXPECT_EQ(r.code, 2) << r.out;
        EXPECT_NE(r.out.find(row.said), std::string::npos) << r.out;
    }
    EXPECT_FALSE(fs::exists(dir / "out.shm"));
}
