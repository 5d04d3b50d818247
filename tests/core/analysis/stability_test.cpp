#include "core/analysis/stability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/analysis/coefficient_file.h"
#include "core/analysis/criteria.h"
#include "core/errors.h"
#include "core/scripted_host.h"

namespace velmar {
namespace {

constexpr Extended kTableTolerance = 1e-9L;
constexpr Extended kMinorTolerance = 1e-8L;  // the larger Hurwitz minors, products of several entries

struct RouthCase {
    const char* name;
    Polynomial d;
    bool determined;
    int rightRoots;
};

TEST(Routh, CountsSignChangesOrStops) {
    const RouthCase cases[] = {
        {"(s+1)^2", Polynomial{1, 2, 1}, true, 0},
        {"s^2 - 1", Polynomial{-1, 0, 1}, false, 0},
        {"s^3 + s^2 + s + 1", Polynomial{1, 1, 1, 1}, false, 0},
        {"(s-1)(s-2)(s+4)", Polynomial{8, -10, 1, 1}, true, 2},
        {"s - 1", Polynomial{-1, 1}, true, 1},
        {"(s+1)^4", Polynomial{1, 4, 6, 4, 1}, true, 0},
        {"(s+2)(s^2 - s + 4)", Polynomial{8, 2, 1, 1}, true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RouthResult r = routhTable(c.d);
        EXPECT_EQ(r.determined, c.determined);
        if (c.determined) EXPECT_EQ(r.rightRoots, c.rightRoots);
        EXPECT_EQ(static_cast<int>(r.firstColumn.size()), c.d.order() + 1);
    }
    const RouthResult r = routhTable(Polynomial{1, 2, 1});
    EXPECT_NEAR(r.firstColumn[0], 1, kTableTolerance);
    EXPECT_NEAR(r.firstColumn[1], 2, kTableTolerance);
    EXPECT_NEAR(r.firstColumn[2], 1, kTableTolerance);
}

// Orders above 15 get a larger table: (s+1)^20 is stable, (s+1)^19 (s-1) is not.
TEST(Routh, HandlesHighOrders) {
    Polynomial stable{1}, unstable{-1, 1};
    for (int i = 0; i < 20; ++i) stable.Multiply(Polynomial{1, 1});
    for (int i = 0; i < 19; ++i) unstable.Multiply(Polynomial{1, 1});
    const RouthResult s = routhTable(stable);
    ASSERT_TRUE(s.determined);
    EXPECT_EQ(s.rightRoots, 0);
    const RouthResult u = routhTable(unstable);
    ASSERT_TRUE(u.determined);
    EXPECT_EQ(u.rightRoots, 1);
}

TEST(Hurwitz, MinorsAndVerdicts) {
    const HurwitzResult stable = hurwitzMinors(Polynomial{1, 2, 1});
    ASSERT_EQ(stable.minors.size(), 2u);
    EXPECT_NEAR(stable.minors[0], 2, kTableTolerance);
    EXPECT_NEAR(stable.minors[1], 2, kTableTolerance);
    EXPECT_EQ(stable.verdict, HurwitzVerdict::Stable);

    const HurwitzResult border = hurwitzMinors(Polynomial{1, 1, 1, 1});
    EXPECT_EQ(border.minors[1].get(), 0);
    EXPECT_EQ(border.verdict, HurwitzVerdict::Border);

    EXPECT_EQ(hurwitzMinors(Polynomial{-1, 0, 1}).verdict, HurwitzVerdict::Border);  // a1 = 0
    EXPECT_EQ(hurwitzMinors(Polynomial{8, -10, 1, 1}).verdict, HurwitzVerdict::Unstable);

    // s^4: the Hurwitz matrix is all zero: every minor is 0, no division by zero.
    const HurwitzResult zero = hurwitzMinors(Polynomial{0, 0, 0, 0, 1});
    for (const Real48& m : zero.minors) EXPECT_EQ(m.get(), 0);
    EXPECT_EQ(zero.verdict, HurwitzVerdict::Border);
}

// Hurwitz's minors against a direct cofactor expansion of the same matrix.
TEST(Hurwitz, PivotingAgreesWithCofactorExpansion) {
    const Polynomial d{2, 7, 9, 5, 1.5L};  // a0 = 1.5 .. a4 = 2
    const Extended a0 = 1.5L, a1 = 5, a2 = 9, a3 = 7, a4 = 2;
    const HurwitzResult h = hurwitzMinors(d);
    const Extended d2 = a1 * a2 - a0 * a3;
    const Extended d3 = a3 * d2 - a1 * a1 * a4;
    EXPECT_NEAR(h.minors[0], a1, kTableTolerance);
    EXPECT_NEAR(h.minors[1], d2, kTableTolerance);
    EXPECT_NEAR(h.minors[2], d3, kMinorTolerance);
    EXPECT_NEAR(h.minors[3], a4 * d3, kMinorTolerance);
}

TEST(Mikhailov, InterlacingVerdicts) {
    struct Case {
        const char* name;
        Polynomial d;
        bool stable;
    } cases[] = {
        {"s + 1", Polynomial{1, 1}, true},
        {"s - 1", Polynomial{-1, 1}, false},
        {"(s+1)^2", Polynomial{1, 2, 1}, true},
        {"s^2 - s + 1", Polynomial{1, -1, 1}, false},
        {"s^2 - 1", Polynomial{-1, 0, 1}, false},
        {"(s+1)^3", Polynomial{1, 3, 3, 1}, true},
        {"s^3 + s^2 + s + 1", Polynomial{1, 1, 1, 1}, false},
        {"(s+1)(s+2)(s+3)(s+4)", Polynomial{24, 50, 35, 10, 1}, true},
        {"(s+2)(s^2 - s + 4)", Polynomial{8, 2, 1, 1}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(mikhailovStable(c.d), c.stable) << c.name;
}

class CriteriaTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("velmar-criteria-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
    ScriptedHost host;
};

TEST_F(CriteriaTest, CoefficientFileRoundTripsAndRefusesWhatItCannotRead) {
    const TransferFunction w{Polynomial{0.01L, 2}, Polynomial{1, -3.5L, 1e-7L, 1}};
    writeCoefficientFile(host, folder, w);
    std::ifstream in(folder / "CfFile.txt");
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "2");
    const auto back = readCoefficientFile(folder);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->A, w.A);
    EXPECT_EQ(back->B, w.B);

    std::ofstream(folder / "CfFile.txt") << "1\n1\n\n32\n1\n";
    EXPECT_THROW(readCoefficientFile(folder), FileError);
    std::ofstream(folder / "CfFile.txt") << "1\n1\n\n2\n1 x\n";
    EXPECT_THROW(readCoefficientFile(folder), FileError);
    std::filesystem::remove(folder / "CfFile.txt");
    EXPECT_FALSE(readCoefficientFile(folder));
}

TEST_F(CriteriaTest, ReportsAndVerdicts) {
    const TransferFunction stable{Polynomial{1}, Polynomial{1, 2, 1}};
    routhCriterion(host, stable);
    hurwitzCriterion(host, stable);
    const std::vector<std::string> expected = {
        "report: By Rauth:",
        "report: Elements of the first column :",
        "report: Next :  N 1 =   1.00000",
        "report: Next :  N 2 =   2.00000",
        "report: Next :  N 3 =   1.00000",
        "report: Number of right roots:0",
        "report: Sistem is stable",
        "Сообщение: Sistem is stable",
        "report: By Gurvitz:",
        "report: det_ 1 =    2.00000",
        "report: det_ 2 =    2.00000",
        "report: System is stable",
        "Сообщение: System is stable",
    };
    EXPECT_EQ(host.lines, expected);

    host.lines.clear();
    routhCriterion(host, {Polynomial{1}, Polynomial{-1, 0, 1}});
    EXPECT_EQ(host.lines.back(), "Сообщение: It is impossible to determine stability");
    EXPECT_EQ(host.lines[host.lines.size() - 3], "report: Number of right roots: undetermined");
}

TEST_F(CriteriaTest, MikhailovVerdictThenHodograph) {
    host.setAnswer("w(begin)", "0");
    host.setAnswer("w(end)", "1");
    host.setAnswer("step", "0.25");
    mikhailovCriterion(host, {Polynomial{1}, Polynomial{1, 3, 3, 1}});
    EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{" Sistem is stable"});
    ASSERT_EQ(host.graphs.size(), 1u);
    EXPECT_EQ(host.graphs[0].kind, 13);
    const auto& c = host.graphs[0].curves[0];
    ASSERT_EQ(c.x.size(), 4u);
    // (1 + jw)^3 = (1 - 3w^2) + j(3w - w^3) at w = 0.5 (the first point after 1e-6 is 0.250001)
    EXPECT_NEAR(c.x[0], 1, kTableTolerance);
    EXPECT_NEAR(c.x[2], 1 - 3 * 0.500001L * 0.500001L, kTableTolerance);
    EXPECT_NEAR(c.y[2], 3 * 0.500001L - std::pow(0.500001L, 3), kTableTolerance);
}

TEST_F(CriteriaTest, NoTransferFunctionOrOneTooLongIsReportedNotTested) {
    Polynomial order31;
    order31.Allocate(31);
    order31.set(31, 1);
    for (const TransferFunction& w : {TransferFunction{}, TransferFunction{Polynomial{1}, order31}}) {
        routhCriterion(host, w);
        hurwitzCriterion(host, w);
        mikhailovCriterion(host, w);
    }
    EXPECT_EQ(host.messagesOf(Box::Error).size(), 6u);
    EXPECT_TRUE(host.messagesOf(Box::Information).empty());
    EXPECT_TRUE(host.graphs.empty());
}

}  // namespace
}  // namespace velmar
