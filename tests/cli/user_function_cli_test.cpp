// The user function from the command line: its expression kept beside the scheme, and
// its window opened with --edit and answered with --answer "f (x)=...".
#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "cli/commutator_scheme.h"

namespace velmar::testing {
namespace {

// A ramp t (element 1) into a user function (element 3, numbered after the rest) recorded
// in time (element 2), saved as "function.shm".
fs::path saveFunctionScheme(const fs::path& dir, const char* expression) {
    Scheme s;
    putThreeInARow(s, 37, 144, 62);
    s.element(3).ReadSideText(expression);
    const fs::path file = dir / "function.shm";
    SaveScheme(s, file, labelsFileFor(file));
    return file;
}

const std::vector<std::string> kHalfSteps = {"--answer", "Step=0.5", "--answer", "Time=2"};

std::vector<std::string> runArgs(const fs::path& scheme, std::vector<std::string> extra) {
    std::vector<std::string> args = {"run", scheme.string()};
    args.insert(args.end(), kHalfSteps.begin(), kHalfSteps.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST_F(Cli, TheUserFunctionRunsTheExpressionOfItsFileOrOfItsWindow) {
    const fs::path scheme = saveFunctionScheme(dir, "3*x");
    EXPECT_EQ(contents(functionsFileFor(scheme)), "8 9 3*x\r\n");
    const Result kept = cli(runArgs(scheme, {}));
    ASSERT_EQ(kept.code, 0) << kept.out;
    EXPECT_EQ(kept.out, "element,diagram,index,x,y\n2,1,0,0,0\n2,1,1,0.5,1.5\n2,1,2,1,3\n");

    const Result edited = cli(runArgs(scheme, {"--edit", "3", "--answer", "f (x)=x^2 + t"}));
    ASSERT_EQ(edited.code, 0) << edited.out;
    EXPECT_EQ(edited.out, "element,diagram,index,x,y\n2,1,0,0,0\n2,1,1,0.5,0.75\n2,1,2,1,2\n");
    EXPECT_EQ(contents(functionsFileFor(scheme)), "8 9 3*x\r\n");  // for this call only
}

TEST_F(Cli, AnExpressionTheParserRefusesIsNamedAndNothingRuns) {
    const fs::path scheme = saveFunctionScheme(dir, "x");
    const Result r = cli(runArgs(scheme, {"--edit", "3", "--answer", "f (x)=x^"}));
    EXPECT_EQ(r.code, 2) << r.out;
    EXPECT_EQ(r.out.rfind("Ошибка: ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("--edit 3:"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("element,diagram"), std::string::npos) << r.out;
    const Result missing = cli(runArgs(scheme, {"--edit", "4"}));
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.out.find("--edit 4: expected an element number of the scheme"), std::string::npos)
        << missing.out;
}

}  // namespace
}  // namespace velmar::testing
