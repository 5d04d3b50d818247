#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_process.h"
#include "cli/commutator_scheme.h"
#include "support/scheme_builder.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"

namespace velmar::testing {
namespace {

TEST_F(Cli, RunWritesEveryRecordersCurves) {
    const fs::path scheme = saveCommutatorScheme(dir);
    const Result r = cli({"run", scheme.string(), "--answer", "Time=1"});
    ASSERT_EQ(r.code, 0) << r.out;
    const std::vector<std::string> rows = lines(r.out);
    ASSERT_EQ(rows.size(), 1u + 98u);  // 99 points, the viewer gets 98
    EXPECT_EQ(rows[0], "element,diagram,index,x,y");
    EXPECT_EQ(rows[1], "2,1,0,0,2");
    EXPECT_EQ(rows[2], "2,1,1,0.010000000000005116,2");
    EXPECT_EQ(rows[10], "2,1,9," + significantText(Real48(9 * 0.010000000000005116L)) + ",-2");
    EXPECT_EQ(rows[98].substr(0, 9), "2,1,97,0.");
}

TEST_F(Cli, RunWritesCsvToAFile) {
    const fs::path scheme = saveCommutatorScheme(dir), csv = dir / "out.csv";
    const Result r =
        cli({"run", scheme.string(), "--csv", csv.string(), "--answer", "Step=0.5", "--answer", "Time = 2"});
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(contents(csv), "element,diagram,index,x,y\n2,1,0,0,-2\n2,1,1,0.5,2\n2,1,2,1,-2\n");
}

// Unity feedback around a gain: the run gives what the system computes (the loop
// closed through the previous point: 0, 1, 0, 1 ...), but the loop is named in a
// warning and the exit code says so.
TEST_F(Cli, RunWarnsOfAnAlgebraicLoop) {
    Scheme s;
    SchemeDrawing d(s);
    drawUnityFeedback(d, 30);
    const fs::path file = dir / "loop.shm";
    SaveScheme(s, file, labelsFileFor(file));
    const Result r = cli({"run", file.string(), "--answer", "Time=0.05"});
    EXPECT_EQ(r.code, 1) << r.out;
    const std::vector<std::string> rows = lines(r.out);
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(rows[0].rfind("Warning: Algebraic loop of elements ", 0), 0u) << rows[0];
    EXPECT_EQ(rows[1], "element,diagram,index,x,y");
    EXPECT_EQ(rows[2].substr(rows[2].rfind(',')), ",0");
    EXPECT_EQ(rows[3].substr(rows[3].rfind(',')), ",1");
}

TEST_F(Cli, RunReportsFaultsAndFailures) {
    struct Row {
        const char* what;
        bool arrow;
        std::vector<std::string> extra;
        int code;
        std::string said;
    };
    const Row rows[] = {
        {"a wire without its arrow",
         false,
         {},
         1,
         "Ошибка:  Внимание! Ошибка в схеме \nThe line at column 7, row 10 has no arrow\nfault cell: 8 9\n"
         "fault cell: 4 9\n"},
        {"no state to integrate", true, {"--variable"}, 1, "Ошибка: Неверные входные параметры \n"},
        {"a step of 0", true, {"--answer", "Step=0"}, 2, "Ошибка: Неверные входные параметры \n"},
        {"a value that is not a number", true, {"--answer", "Time=ten"}, 2, "Ошибка: "},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"run", saveCommutatorScheme(dir, row.arrow).string()};
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const Result r = cli(args);
        EXPECT_EQ(r.code, row.code) << row.what << "\n" << r.out;
        EXPECT_EQ(r.out.substr(0, row.said.size()), row.said) << row.what;
    }
}

TEST_F(Cli, RunUsageAndFileErrorsExitWith2) {
    const fs::path scheme = saveCommutatorScheme(dir);
    const std::vector<std::vector<std::string>> rows = {
        {"run"},
        {"run", scheme.string(), "--answer"},
        {"run", scheme.string(), "--answer", "Time"},
        {"run", scheme.string(), "--frobnicate"},
        {"run", (dir / "none.shm").string()},
        {"run", scheme.string(), "--csv", (dir / "no" / "out.csv").string()},
    };
    for (const auto& args : rows) {
        const Result r = cli(args);
        EXPECT_EQ(r.code, 2) << r.out;
        EXPECT_NE(r.out, "");
    }
}

}  // namespace
}  // namespace velmar::testing
