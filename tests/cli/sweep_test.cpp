#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_process.h"
#include "cli/commutator_scheme.h"
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
