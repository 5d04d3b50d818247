// velmar-cli optimize (and the quality methods of analyze) on schemes laid out byte by
// byte here, against optima computed independently: the integral square error of a
// loop in closed form, and a run's accumulated criterion from the link's own recursion.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli/cli_process.h"
#include "cli/scheme_bytes.h"

namespace fs = std::filesystem;
using velmar::testing::cli;
using velmar::testing::Ext;
using velmar::testing::SchemeBytes;
using velmar::testing::store;

namespace {

constexpr int kRight = 1, kUp = 3;                                          // arrows
constexpr int kHorizontal = 5, kVertical = 6, kLeftTop = 7, kRightTop = 8;  // line pieces
constexpr int kLeftBottom = 10;

struct OptimizeCli : velmar::testing::Cli {
    // The loop: step (1) -> node 20 (3) -> amplifier k (4) -> 2 / (s (s+1) (s+2)) (5),
    // fed back into the node's minus side from below; the node's output e also goes up
    // into the optimisation block (2). E(s) = W(s)/s with K = 2k:
    // I(K) = (7K + 12) / (2K (6 - K)).
    fs::path loop() const {
        SchemeBytes s;
        s.block(2, 10, 33, {1});
        for (int c = 5; c <= 8; ++c) s.piece(c, 11, kHorizontal);
        s.piece(9, 11, kRight);
        s.piece(10, 11, 20);
        s.piece(10, 10, kVertical);
        s.piece(10, 9, kVertical);
        s.piece(10, 8, kUp);
        s.block(9, 5, 47, {});
        s.piece(11, 11, kHorizontal);
        s.piece(12, 11, kRight);
        s.block(13, 10, 30, {1});
        s.piece(16, 11, kHorizontal);
        s.piece(17, 11, kRight);
        s.block(18, 10, 28, {2, 0, 2, 3, 1}, {0, 3});
        s.piece(21, 11, kLeftBottom);
        s.piece(21, 12, kVertical);
        s.piece(21, 13, kVertical);
        s.piece(21, 14, kLeftTop);
        for (int c = 11; c <= 20; ++c) s.piece(c, 14, kHorizontal);
        s.piece(10, 14, kRightTop);
        s.piece(10, 13, kVertical);
        s.piece(10, 12, kUp);
        const fs::path file = dir / "loop.shm";
        s.write(file);
        return file;
    }
    // Open: step (1) -> node 20 (3) -> optimisation block (4), and the step through the
    // aperiodic link K / (Ts + 1) (2) into the node's minus side: e = 1 - y.
    fs::path open(Ext k) const {
        SchemeBytes s;
        s.block(2, 10, 33, {1});
        for (int c = 5; c <= 8; ++c) s.piece(c, 11, kHorizontal);
        s.piece(9, 11, kRight);
        s.piece(3, 13, kVertical);
        s.piece(3, 14, kRightTop);
        for (int c = 4; c <= 7; ++c) s.piece(c, 14, kHorizontal);
        s.piece(8, 14, kRight);
        s.block(9, 13, 22, {k, 1, 0});
        s.piece(10, 12, kUp);
        s.piece(10, 11, 20);
        s.piece(11, 11, kHorizontal);
        s.piece(12, 11, kRight);
        s.block(13, 10, 47, {});
        const fs::path file = dir / "open.shm";
        s.write(file);
        return file;
    }
    velmar::testing::Result optimize(const fs::path& scheme, int block, const std::string& criterion,
                                     std::vector<std::string> extra = {}) const {
        std::vector<std::string> args = {"optimize",    scheme.string(), "--block", std::to_string(block),
                                         "--criterion", criterion};
        args.insert(args.end(), extra.begin(), extra.end());
        return cli(args, dir.string());
    }
    // The value printed after "PREFIX".
    static Ext printed(const std::string& out, const std::string& prefix) {
        const auto at = out.find(prefix);
        EXPECT_NE(at, std::string::npos) << prefix << " in\n" << out;
        return at == std::string::npos ? NAN : std::stold(out.substr(at + prefix.size()));
    }
};

Ext loopIntegral(Ext k) { return (7 * k + 12) / (2 * k * (6 - k)); }

TEST_F(OptimizeCli, IntegralSquareErrorFromTheTransferFunctionMatchesTheClosedForm) {
    // dI/dK = 0: 7K^2 + 24K - 72 = 0.
    const Ext best = (-24 + std::sqrt(24.0L * 24 + 4 * 7 * 72)) / 14 / 2;  // the amplifier's k
    const auto r = optimize(loop(), 2, "0", {"--mark", "4:K"});
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("Сообщение:  Optimization is finished "), std::string::npos) << r.out;
    const Ext k = printed(r.out, "param: k4 = ");
    EXPECT_NEAR(k, best, 1e-2L);
    // The value printed is the closed form at the parameter printed, to the estimate's
    // precision; and it is within the search's tolerance of the minimum.
    EXPECT_NEAR(printed(r.out, "criterion: "), loopIntegral(2 * store(k)), 1e-9L);
    EXPECT_NEAR(printed(r.out, "criterion: "), loopIntegral(2 * best), 1e-5L);
    EXPECT_GT(printed(r.out, "evaluations: "), 5);
    // Hooke-Jeeves, named, goes further.
    const auto hj = optimize(loop(), 2, "0", {"--mark", "4:K", "--method", "3"});
    ASSERT_EQ(hj.code, 0) << hj.out;
    EXPECT_NEAR(printed(hj.out, "param: k4 = "), best, 1e-4L);
}

TEST_F(OptimizeCli, AccumulatedSquareByRunsMatchesTheLinksRecursion) {
    const auto r = optimize(open(0.5L), 4, "4",
                            {"--mark", "2:K", "--method", "3", "--save", (dir / "tuned.shm").string()});
    ASSERT_EQ(r.code, 0) << r.out;
    // The run: Time 10, Step 0.01, the link's recursion y = (K u + (T/h) y) / (T/h + 1) is
    // linear in K, so J(K) = h sum (1 - K z_n)^2 with z the response for K = 1.
    const Ext h = store(0.01L);
    const int points = static_cast<int>(std::trunc(store(10) / h));
    Ext z = 0, sz = 0, szz = 0;
    std::vector<Ext> zs;
    for (int n = 0; n < points; ++n) {
        z = (1 + (1 / h) * z) / (1 / h + 1);
        zs.push_back(z);
        sz += z;
        szz += z * z;
    }
    const Ext best = sz / szz;
    const Ext k = printed(r.out, "param: K2 = ");
    EXPECT_NEAR(k, best, 1e-4L);
    Ext j = 0;
    for (Ext v : zs) j += (1 - k * v) * (1 - k * v) * h;
    EXPECT_NEAR(printed(r.out, "criterion: "), j, 1e-8L * j);
    // The tuned value is in the saved scheme.
    const auto info = cli({"info", (dir / "tuned.shm").string()});
    EXPECT_NE(info.out.find("K=" + r.out.substr(r.out.find("param: K2 = ") + 12, 6)), std::string::npos)
        << info.out;
}

TEST_F(OptimizeCli, UserCriterionAndEveryMethodByRuns) {
    for (const char* method : {"0", "1", "2", "3", "4", "5"}) {
        const auto r = optimize(
            open(1), 4, "5",
            {"--mark", "2:K", "--method", method, "--expression", "(a-0.7)^2+1", "--answer", "Time=0.1"});
        ASSERT_EQ(r.code, 0) << method << "\n" << r.out;
        EXPECT_NEAR(printed(r.out, "param: K2 = "), 0.7L, 2e-2L) << method;
    }
}

TEST_F(OptimizeCli, RefusalsGiveTheirMessageAndExitOne) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--criterion", "5", "--mark", "2:K", "--expression", "(a-"}, "Ошибка: "},
        {{"--criterion", "2"}, "Ошибка:  Какой параметр? "},
        {{"--criterion", "0", "--mark", "2:K"}, "Ошибка:  Ошибка не стремится к нулю "},
        {{"--criterion", "1", "--mark", "2:K"}, "Ошибка:  Ошибка не стремится к нулю "},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"optimize", open(0.5L).string(), "--block", "4"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = cli(args, dir.string());
        EXPECT_EQ(r.code, 1) << r.out;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("Optimization is finished"), std::string::npos) << r.out;
    }
    // The loop is type 1: "Int(e^2+tau^2*(de/dt)^2)" needs double astatism.
    const auto tau = optimize(loop(), 2, "1", {"--mark", "4:K"});
    EXPECT_EQ(tau.code, 1);
    EXPECT_NE(tau.out.find("Ошибка: only for astatizm n >=2 "), std::string::npos) << tau.out;
}

// A criterion that is never finite is no optimum: the failure is said, the start values
// stay, no criterion is printed and nothing is saved.
TEST_F(OptimizeCli, NoFiniteCriterionIsAFailureAndSavesNothing) {
    const fs::path tuned = dir / "tuned.shm";
    for (const char* never : {"1/0", "ln(0)", "sqrt(-a)"}) {
        const auto r = optimize(open(0.5L), 4, "5",
                                {"--mark", "2:K", "--method", "3", "--expression", never, "--answer", "Time=0.1",
                                 "--save", tuned.string()});
        EXPECT_EQ(r.code, 1) << never << "\n" << r.out;
        EXPECT_NE(r.out.find("Ошибка:  Optimization failed: no evaluation gave a finite criterion"), std::string::npos)
            << r.out;
        EXPECT_EQ(r.out.find("Optimization is finished"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("criterion: "), std::string::npos) << r.out;
        EXPECT_NEAR(printed(r.out, "param: K2 = "), 0.5L, 1e-11L) << never;
        EXPECT_FALSE(fs::exists(tuned)) << never;
    }
}

TEST_F(OptimizeCli, UsageAndHelp) {
    const auto help = cli({"optimize", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("Usage: velmar-cli optimize SCHEME --block N --criterion C"), std::string::npos);
    const std::string s = open(1).string();
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"optimize", s, "--block", "4"},
             {"optimize", s, "--block", "4", "--criterion", "6"},
             {"optimize", s, "--block", "4", "--criterion", "2", "--method", "6"},
             {"optimize", s, "--block", "1", "--criterion", "2"},  // not an optimisation block
             {"optimize", s, "--block", "4", "--criterion", "2", "--mark", "2:Q"},
             {"optimize", (dir / "missing.shm").string(), "--block", "4", "--criterion", "2"}}) {
        EXPECT_EQ(cli(args, dir.string()).code, 2) << args.back();
    }
}

// The quality and synthesis items of analyze on a hand-typed W(s).
TEST_F(OptimizeCli, ErrorCoefficientsAndSquareFunctionalWeights) {
    const fs::path one = dir / "one.shm";
    std::ofstream(one, std::ios::binary) << std::string("\x0a\x0a\x3c\x00\x00\x2a", 6);
    const std::vector<std::string> entry = {"--answer", "Entry=0", "--answer", "m=0",  "--answer", "n=1",
                                            "--answer", "a0=1",    "--answer", "b0=1", "--answer", "b1=1"};
    std::vector<std::string> args = {"analyze",  one.string(), "--block",  "1",
                                     "--method", "101",        "--answer", "k=2"};
    args.insert(args.end(), entry.begin(), entry.end());
    const auto c = cli(args, dir.string());
    ASSERT_EQ(c.code, 0) << c.out;
    for (const char* line : {"canvas: C[0] =   1.0000", "canvas: C[1] =  -1.0000", "canvas: C[2] =   2.0000"})
        EXPECT_NE(c.out.find(line), std::string::npos) << c.out;
    // D(s) = 1 + 3s + 2s^2 typed for 106: gamma1 = 9 - 4 = 5, gamma2 = 4.
    args = {"analyze",         one.string(), "--block", "1",        "--method", "106",      "--answer",
            "Polinom order=2", "--answer",   "c0=1",    "--answer", "c1=3",     "--answer", "c2=2"};
    args.insert(args.end(), entry.begin(), entry.end());
    const auto g = cli(args, dir.string());
    ASSERT_EQ(g.code, 0) << g.out;
    EXPECT_NE(g.out.find("report: T[1]^2 = 5\n"), std::string::npos) << g.out;
    EXPECT_NE(g.out.find("report: T[2]^2 = 4\n"), std::string::npos) << g.out;
}

// The exit codes of every verb: a wrong answer, an answer no dialog asks and a
// repeated single-valued option are mistakes of the call (2); a refusal is 1.
TEST_F(OptimizeCli, KeepsTheExitCodeTable) {
    const fs::path scheme = open(0.5L);
    const std::vector<std::string> tuned = {"--mark", "2:K", "--method", "3"};
    struct Row {
        std::vector<std::string> extra;
        int code;
        const char* said;
    } rows[] = {
        {{"--answer", "Time=abc"}, 2, "the dialog refused the answers"},
        {{"--answer", "Tiem=3"}, 2, "no dialog asked for --answer Tiem"},
        {{"--expression", "a", "--expression", "b"}, 2, "--expression is given twice"},
        {{"--method", "2.5"}, 2, "--method 2.5: expected a whole number from 0 to 5"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> extra = tuned;
        if (row.extra[0] == "--method") extra = {"--mark", "2:K"};
        extra.insert(extra.end(), row.extra.begin(), row.extra.end());
        const auto r = optimize(scheme, 4, "4", extra);
        EXPECT_EQ(r.code, row.code) << row.said << "\n" << r.out;
        EXPECT_NE(r.out.find(row.said), std::string::npos) << r.out;
    }
    const auto refused = optimize(scheme, 4, "4");  // nothing marked
    EXPECT_EQ(refused.code, 1) << refused.out;
}

}  // namespace
