// The contract every verb keeps: one table of exit codes (0 done; 1 done with a warning,
// the method refused or the run failed; 2 the call was wrong), help and version, and
// refusals that name what was wrong instead of guessing.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/cli_process.h"
#include "cli/small_schemes.h"

namespace velmar::testing {
namespace {

struct Row {
    std::vector<std::string> args;
    int code;
    std::string said;  // a text the output holds
};

struct Contract : Cli {
    fs::path step, one, cut, cutAnalysis;
    void SetUp() override {
        Cli::SetUp();
        step = saveStepScheme(dir);
        one = saveAnalysisScheme(dir);
        // The demo without its comment and the records from element 5 on, and a lag (element
        // 1) whose record is missing before an analysis block (2): both read with a warning.
        const std::string bytes = contents(kDemo);
        cut = dir / "cut.shm";
        std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() - kCutBytes);
        cutAnalysis = dir / "cut_one.shm";
        std::ofstream(cutAnalysis, std::ios::binary)
            << std::string("\x05\x05\x16\x0a\x0a\x3c\x00\x00\x2a", 9);
    }
    void check(const std::vector<Row>& rows) const {
        for (const Row& row : rows) {
            const Result r = cli(row.args, dir.string());
            EXPECT_EQ(r.code, row.code) << row.args[0] << " " << row.args.back() << "\n" << r.out;
            EXPECT_NE(r.out.find(row.said), std::string::npos) << row.said << " in\n" << r.out;
        }
    }
    static constexpr std::size_t kCutBytes = 89;
};

TEST_F(Contract, AWarningIsExitCodeOneForEveryVerb) {
    const std::string warned = "The file ends before the parameters of element";
    check({
        {{"info", cut.string()}, 1, warned},
        {{"resave", cut.string(), (dir / "out.shm").string()}, 1, warned},
        {{"run", cut.string()}, 1, warned},
        {{"metrics", cut.string(), "--diagram", "2"}, 1, warned},
        {joined({"tf", cutAnalysis.string(), "--block", "2"}, handEntry()), 1, warned},
        {joined({"analyze", cutAnalysis.string(), "--block", "2", "--method", "42"}, handEntry()), 1, warned},
    });
}

TEST_F(Contract, AWrongAnswerIsExitCodeTwoForEveryVerb) {
    // The hand-typed entry with one answer changed.
    const auto entry = [](const char* answer) {
        std::vector<std::string> args = handEntry();
        const std::string label = std::string(answer).substr(0, std::string(answer).find('=') + 1);
        for (std::string& a : args)
            if (a.starts_with(label)) a = answer;
        return args;
    };
    const std::string notNumber = "the dialog refused the answers", unasked = "no dialog asked for --answer";
    check({
        {{"run", step.string(), "--answer", "Time=abc"}, 2, notNumber},
        {{"metrics", step.string(), "--answer", "Time=abc"}, 2, notNumber},
        {joined({"tf", one.string(), "--block", "1"}, entry("Entry=abc")), 2, notNumber},
        {joined({"analyze", one.string(), "--block", "1", "--method", "42"}, entry("Entry=abc")), 2,
         notNumber},
        {{"metrics", step.string(), "--answer", "Tme=1"}, 2, unasked},
        // Whole numbers are not rounded: Entry 1.5, a degree of 2.5.
        {joined({"tf", one.string(), "--block", "1"}, entry("Entry=1.5")), 2, "Entry must be a whole number"},
        {joined({"tf", one.string(), "--block", "1"}, entry("n=2.5")), 2, "n must be a whole number"},
    });
}

TEST_F(Contract, TheDDecompositionSaysWhyItsSizesAreRefused) {
    fs::path plane = fs::path(VELMAR_DATA_DIR) / "Schemes" / "stability_plane.shm";
    const std::vector<std::string> base = {"analyze",  plane.string(), "--block",  "6",
                                           "--method", "ddecomp",      "--answer", "Entry=1",
                                           "--mark",   "3:K",          "--mark",   "4:T"};
    check({
        {joined(base, {"--answer", "Num. of X=0"}), 2, "must be above 0"},
        {joined(base, {"--answer", "Num. of X=1.5"}), 2, "Num. of X must be a whole number"},
        {joined({"analyze", plane.string(), "--block", "6", "--method", "ddecomp", "--answer", "Entry=1"},
                {}),
         1, "The number of the checked coefficients must be 2"},
    });
}

TEST_F(Contract, ASingleValuedOptionGivenTwiceIsRefused) {
    const std::string twice = "is given twice";
    check({
        {{"run", step.string(), "--csv", "a.csv", "--csv", "b.csv"}, 2, "--csv " + twice},
        {{"run", step.string(), "--pnt", "a", "--pnt", "b"}, 2, "--pnt " + twice},
        {{"run", step.string(), "--sweep", "1:C=1:2:1", "--sweep", "1:C=1:3:1"}, 2, "--sweep " + twice},
        {{"metrics", step.string(), "--diagram", "1", "--diagram", "2"}, 2, "--diagram " + twice},
        {{"tf", one.string(), "--block", "1", "--block", "1"}, 2, "--block " + twice},
        {{"analyze", one.string(), "--block", "1", "--method", "42", "--csv", "a", "--csv", "a"}, 2, twice},
    });
    EXPECT_FALSE(fs::exists(dir / "a.csv"));
    EXPECT_FALSE(fs::exists(dir / "b.csv"));
}

TEST_F(Contract, WrongOptionsAreNamed) {
    check({
        {{"run", step.string(), "--nope"}, 2, "unknown option --nope"},
        {{"info", step.string(), "extra"}, 2, "too many arguments"},
        {{"run", step.string(), "--csv"}, 2, "--csv needs a value"},
        {{"metrics", step.string(), "--element", "1.5"}, 2, "--element 1.5: expected a whole number"},
        {{"tf", one.string(), "--block", "2.5"}, 2, "--block 2.5: expected a whole number"},
        {{"run", step.string(), "--set", "1:C=x"}, 2, "--set 1:C=x: the value \"x\" is not a number"},
        {{"run", step.string(), "--set", "C=1"}, 2, "no colon"},
        {{"run", step.string(), "--set", "1.5:C=1"}, 2, "the element \"1.5\" is not a whole number"},
        {{"run", step.string(), "--set", "1:C"}, 2, "found no \"=\""},
        {{"run", step.string(), "--sweep", "1:C=1:3:1", "--set", "1:C=2"}, 2, "both change the parameter"},
        {{"frobnicate"}, 2, "unknown verb frobnicate"},
    });
}

// An answer no dialog asks is the same mistake for every value: told once, nothing written.
TEST_F(Contract, ASweepRefusesAnUnaskedAnswerOnceBeforeItWritesAnything) {
    const Result r =
        cli({"run", step.string(), "--sweep", "1:C=1:200:1", "--answer", "time=1", "--csv", "out.csv"},
            dir.string());
    EXPECT_EQ(r.code, 2) << r.out;
    std::size_t told = 0;
    for (std::size_t at = 0; (at = r.out.find("no dialog asked", at)) != std::string::npos; ++at) ++told;
    EXPECT_EQ(told, 1u) << r.out;
    EXPECT_FALSE(fs::exists(dir / "out.csv"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4);  // the schemes only
}

TEST_F(Contract, BadRunValuesSayWhichValueWasWrong) {
    const std::string refused = "Ошибка: Неверные входные параметры \n";
    check({
        {{"run", step.string(), "--answer", "Step=0"}, 2, refused + "Step must be above 0\n"},
        {{"run", step.string(), "--answer", "Step=1e-9"},
         2,
         refused + "Time / Step must be below 2147483647\n"},
        {{"run", step.string(), "--variable"},
         1,
         refused + "the scheme has no element with states to integrate\n"},
    });
}

TEST_F(Contract, HelpAndVersionGoToStandardOutput) {
    for (const char* verb : {"info", "resave", "run", "tf", "analyze", "optimize", "metrics"}) {
        const Result r = cli({verb, "--help"}, dir.string(), "", " 2>/dev/null");
        EXPECT_EQ(r.code, 0) << verb;
        EXPECT_EQ(r.out.rfind(std::string("Usage: velmar-cli ") + verb, 0), 0u) << r.out;
        for (const char* part : {"Exit codes:\n  0  done\n", "Examples:\n  velmar-cli "})
            EXPECT_NE(r.out.find(part), std::string::npos) << verb << ": " << part;
    }
    const std::string analyze = cli({"analyze", "--help"}).out, optimize = cli({"optimize", "--help"}).out;
    for (const char* method : {"\n  52              A(w)\n", "\n  2004 ddecomp    ", "\n  popov  "})
        EXPECT_NE(analyze.find(method), std::string::npos) << method;
    EXPECT_NE(optimize.find("\n  2  Nelder-Mid\n"), std::string::npos) << optimize;

    const Result help = cli({"--help"}, dir.string(), "", " 2>/dev/null");
    EXPECT_EQ(help.code, 0);
    for (const char* verb : {"info", "resave", "run", "tf", "analyze", "optimize", "metrics"})
        EXPECT_NE(help.out.find(std::string("velmar-cli ") + verb + " "), std::string::npos) << verb;
    const Result version = cli({"--version"}, dir.string(), "", " 2>/dev/null");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind(std::string("velmar-cli ") + VELMAR_VERSION, 0), 0u) << version.out;
}

}  // namespace
}  // namespace velmar::testing
