#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli_process.h"
#include "cli/commutator_scheme.h"
#include "core/graphs/step_metrics.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"

namespace velmar::testing {
namespace {

TEST_F(Cli, SetChangesAParameterForOneCallOnly) {
    const fs::path scheme = saveCommutatorScheme(dir);
    const std::vector<std::string> rows = lines(cli({"run", scheme.string(), "--set", "1:A=4"}).out);
    ASSERT_GT(rows.size(), 12u);
    EXPECT_EQ(rows[1], "2,1,0,0,4");
    EXPECT_EQ(rows[11].substr(rows[11].rfind(',')), ",-4");
    // The file keeps its own value, and a later --set wins over an earlier one.
    EXPECT_EQ(lines(cli({"run", scheme.string()}).out)[1], "2,1,0,0,2");
    EXPECT_EQ(lines(cli({"run", scheme.string(), "--set", "1:A=4", "--set", "1:A=0.5pi"}).out)[1],
              "2,1,0,0," + significantText(Real48(0.5L * 3.14159265358979323846L)));
}

TEST_F(Cli, SetRefusesWhatItCannotApply) {
    const fs::path scheme = saveCommutatorScheme(dir);
    for (const char* bad : {"9:A=1", "1:Nope=1", "1:A", "1:A=x", "A=1", "1:A=1e999"}) {
        const Result r = cli({"run", scheme.string(), "--set", bad});
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_NE(r.out.find("--set"), std::string::npos) << bad << ": " << r.out;
    }
    const Result tf =
        cli({"analyze", scheme.string(), "--block", "1", "--method", "51", "--set", "1:Nope=1"});
    EXPECT_EQ(tf.code, 2);
}

// Each value's rows are exactly those of a run with that value set, in value order
// whatever the threads did, and an END missed only by rounding is still run.
TEST_F(Cli, SweepRunsOncePerValueAsSingleRunsWould) {
    const fs::path scheme = saveCommutatorScheme(dir);
    const Result sweep = cli({"run", scheme.string(), "--answer", "Time=0.5", "--sweep", "1:A=0.1:0.7:0.1"});
    ASSERT_EQ(sweep.code, 0) << sweep.out;
    const std::vector<std::string> rows = lines(sweep.out);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], "sweep,element,diagram,index,x,y");

    std::vector<std::string> expected = {rows[0]};
    for (const char* value : {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7"}) {
        const std::vector<std::string> single = lines(
            cli({"run", scheme.string(), "--answer", "Time=0.5", "--set", std::string("1:A=") + value}).out);
        for (std::size_t i = 1; i < single.size(); ++i)
            expected.push_back(std::string(value) + "," + single[i]);
    }
    EXPECT_EQ(rows, expected);
}

// With --metrics each value's row holds what `metrics` says of that value's curve; a
// value that blows up says "diverging" without naming a curve and sets the exit code.
// The sweep column stays in the header even when no value kept a curve.
TEST_F(Cli, SweepMetricsAreThoseOfSingleRuns) {
    const fs::path scheme = saveLagScheme(dir);
    const std::vector<std::string> args = {"run",     scheme.string(), "--answer", "Time=50",
                                           "--sweep", "2:T=-1:2:1",    "--metrics"};
    const Result sweep = cli(args, ".", "", " 2>/dev/null");
    EXPECT_EQ(sweep.code, 1);
    const std::vector<std::string> rows = lines(sweep.out);
    ASSERT_EQ(rows.size(), 5u) << sweep.out;
    EXPECT_EQ(rows[0],
              "sweep,element,diagram,final_value,rise_time,peak,overshoot,peak_time,settling_time_2,"
              "settling_time_5,steady_state_error");
    std::string diverging = "-1,,";
    for (int i = 0; i < kMetricCount; ++i) diverging += ",diverging";
    EXPECT_EQ(rows[1], diverging);
    EXPECT_EQ(rows[2].substr(0, 2), "0,");  // T = 0 is a plain gain: it runs
    // With the CSV on standard output the runs' messages go to standard error.
    EXPECT_EQ(cli(args, ".", "", " 2>&1 >/dev/null").out, "Ошибка: Process is not stable\n");
    for (const char* value : {"1", "2"}) {
        std::string expected = std::string(value) + ",3,1";
        for (const std::string& line : lines(cli({"metrics", scheme.string(), "--answer", "Time=50", "--set",
                                                  std::string("2:T=") + value})
                                                 .out))
            expected += "," + line.substr(line.find(" = ") + 3, line.find(", last") - line.find(" = ") - 3);
        EXPECT_NE(std::find(rows.begin(), rows.end(), expected), rows.end()) << expected << "\n" << sweep.out;
    }

    const Result none = cli({"run", scheme.string(), "--answer", "Time=50", "--sweep", "2:T=-1:-0.5:0.5"},
                            ".", "", " 2>/dev/null");
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(lines(none.out).back(), "sweep,element,diagram,index,x,y");
    // The plain run measures its one curve the same way.
    const std::vector<std::string> single = lines(
        cli({"run", scheme.string(), "--metrics", "--csv", (dir / "m.csv").string(), "--answer", "Time=50"})
            .out);
    EXPECT_TRUE(single.empty());
    EXPECT_EQ(lines(contents(dir / "m.csv"))[1].substr(0, 4), "3,1,");
}

TEST_F(Cli, SweepRefusesRangesItCannotRun) {
    const fs::path scheme = saveCommutatorScheme(dir);
    for (const char* bad :
         {"1:A=1:2:0", "1:A=1:2:-1", "1:A=1:2", "1:A=0:1e9:1e-3", "1:Nope=1:2:1", "1:A=1:2:x"}) {
        const Result r = cli({"run", scheme.string(), "--sweep", bad});
        EXPECT_EQ(r.code, 2) << bad << ": " << r.out;
    }
    EXPECT_EQ(cli({"run", scheme.string(), "--sweep", "1:A=1:2:1", "--pnt", dir.string()}).code, 2);
    // A downward sweep is fine.
    EXPECT_EQ(cli({"run", scheme.string(), "--answer", "Time=0.1", "--sweep", "1:A=3:1:-1"}).code, 0);
}

}  // namespace
}  // namespace velmar::testing
