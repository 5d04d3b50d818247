// The D-decomposition from the stability list on drawn schemes of real blocks.
#include "core/workbench/d_decomposition_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/analysis/d_decomposition.h"
#include "core/analysis/method_lists.h"
#include "core/blocks/analysis_block.h"
#include "core/scripted_host.h"
#include "core/workbench/dispatcher.h"
#include "core/workbench/workbench.h"
#include "support/scheme_builder.h"

namespace velmar {
namespace {

constexpr int U = DDecompositionMap::kUndetermined;

// A step into a unity negative feedback loop around K/(1 + T1 s) · 1/(1 + T2 s) · 1/s:
//   step 1 (2,10) -> node 2 (8,11) -> link 3 (10,10) -> link 4 (16,10) -> integrator 5
//   (22,10) -> analysis block 6 (28,10), the integrator's output back into the node's
//   subtracting input. Characteristic polynomial T1 T2 s^3 + (T1 + T2) s^2 + s + K.
class DDecompositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("velmar-ddecomp-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        wb.analysis.workingFolder = folder;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void drawLoop() {
        step = &draw.block(33, 2, 10);
        Element& node = draw.node(18, 8, 11);
        first = &draw.block(22, 10, 10);
        second = &draw.block(22, 16, 10);
        integrator = &draw.block(27, 22, 10);
        block = &dynamic_cast<AnalysisBlock&>(draw.block(60, 28, 10));
        draw.connect(*step, node);
        draw.connect(node, *first);
        draw.connect(*first, *second);
        draw.connect(*second, *integrator);
        draw.connect(*integrator, *block);
        draw.wire({{26, 11}, {26, 15}, {8, 15}, {8, 12}});
    }
    static void mark(Element& e, const char* label) { parameterByLabel(e, label).param->Varied = true; }
    void answer(std::initializer_list<const char*> answers) {
        for (const char* a : answers) host.addAnswer(a);
    }
    // The stability list with the block's entry 1 and the D-decomposition picked.
    void run() {
        ASSERT_TRUE(CompileScheme(wb));
        host.addAnswer("Entry=1");
        host.methodCodes = {MethodCode::DDecomposition};
        groupCommand(wb, kCommandStability);
    }
    // The method alone, on the block solved with entry 1 before.
    void scan(int threads = 0) {
        if (!wb.compiled) { ASSERT_TRUE(CompileScheme(wb)); }
        block->Entry = 1;
        DDecomposition(wb, threads);
    }

    std::filesystem::path folder;
    ScriptedHost host;
    Workbench wb{host};
    testing::SchemeBuilder draw{wb.scheme};
    Element *step = nullptr, *first = nullptr, *second = nullptr, *integrator = nullptr;
    AnalysisBlock* block = nullptr;
};

// K of the first link against T2 with T1 = 1: stable while 1 + T2 > T2 K, two right
// roots beyond, the Routh table stopping on the boundary K = 1 + 1/T2, which passes
// through the grid points (3, 0.5), (2, 1) and (1.5, 2).
TEST_F(DDecompositionTest, CountsFollowTheCubicsStabilityBoundary) {
    drawLoop();
    mark(*first, "K");
    mark(*second, "T");
    answer({"K3(begin)=0.5", "K3(end)=4.5", "T4(begin)=0.5", "T4(end)=2.5", "Num. of X=8", "Num. of Y=4"});
    run();
    ASSERT_EQ(host.dDecompositions.size(), 1u) << ::testing::PrintToString(host.lines);
    const DDecompositionMap& map = host.dDecompositions[0];
    EXPECT_EQ(map.xName, "K3");
    EXPECT_EQ(map.yName, "T4");
    EXPECT_FALSE(map.stopped);
    ASSERT_EQ(map.counts.size(), 45u);
    int undetermined = 0;
    for (int j = 0; j <= 4; ++j)
        for (int i = 0; i <= 8; ++i) {
            const long double K = 0.5L + 0.5L * i, T2 = 0.5L + 0.5L * j;
            const long double margin = (1 + T2) - T2 * K;
            const int expected = std::fabs(margin) < 1e-12L ? U : margin > 0 ? 0 : 2;
            EXPECT_EQ(map.count(i, j), expected) << "K=" << K << " T2=" << T2;
            undetermined += expected == U;
        }
    EXPECT_EQ(undetermined, 3);

    // The scanned parameters get their values back, and the block the W(s) of them:
    // K = 1, T1 = T2 = 1 give s^3 + 2 s^2 + s + 1.
    EXPECT_EQ(first->Params[0].Value, Real48(1.0L));
    EXPECT_EQ(second->Params[1].Value, Real48(1.0L));
    const Polynomial& B = block->W.B;
    ASSERT_EQ(B.order(), 3);
    EXPECT_NEAR(B[2] / B[3], 2.0L, 1e-11L);
    EXPECT_NEAR(B[1] / B[3], 1.0L, 1e-11L);
    EXPECT_NEAR(B[0] / B[3], 1.0L, 1e-11L);

    // The progress window opens at 0, only advances, and closes at the point count.
    const auto& bars = host.scanProgresses;
    ASSERT_GE(bars.size(), 2u);
    EXPECT_EQ(bars.front().position, 0);
    for (size_t k = 1; k < bars.size(); ++k) EXPECT_GE(bars[k].position, bars[k - 1].position);
    EXPECT_TRUE(bars.back().finished);
    EXPECT_EQ(bars.back().position, 45);
    EXPECT_EQ(bars.back().maximum, 45);
    EXPECT_EQ(std::count_if(bars.begin(), bars.end(), [](const ScanProgress& p) { return p.finished; }), 1);
}

TEST_F(DDecompositionTest, OneThreadAndManyGiveTheSameMap) {
    drawLoop();
    mark(*first, "K");
    mark(*second, "T");
    answer({"K3(begin)=0", "K3(end)=6", "T4(begin)=0.1", "T4(end)=3", "Num. of X=40", "Num. of Y=30"});
    for (int threads : {1, 4, 7}) scan(threads);
    ASSERT_EQ(host.dDecompositions.size(), 3u);
    const std::vector<int>& one = host.dDecompositions[0].counts;
    EXPECT_EQ(one.size(), 41u * 31u);
    EXPECT_EQ(host.dDecompositions[1].counts, one);
    EXPECT_EQ(host.dDecompositions[2].counts, one);
    EXPECT_NE(std::count(one.begin(), one.end(), 0), 0);
    EXPECT_NE(std::count(one.begin(), one.end(), 2), 0);
    EXPECT_NE(std::count(one.begin(), one.end(), 1), 0);  // K = 0: a root at the origin
}

// The step's C and an amplifier outside the loop do not enter the characteristic
// polynomial: s^3 + 2 s^2 + s + 1, stable everywhere.
TEST_F(DDecompositionTest, ParametersOutsideTheLoopGiveOneColour) {
    drawLoop();
    Element& lonely = draw.block(30, 40, 30);
    mark(*step, "C");
    mark(lonely, "K");
    answer({"C1(begin)=-5", "C1(end)=5", "k7(begin)=0", "k7(end)=100", "Num. of X=1", "Num. of Y=1"});
    run();
    ASSERT_EQ(host.dDecompositions.size(), 1u);
    const DDecompositionMap& map = host.dDecompositions[0];
    EXPECT_EQ(map.counts, std::vector<int>(4, 0));
    EXPECT_EQ(step->Params[0].Value, Real48(1.0L));
    EXPECT_EQ(lonely.Params[0].Value, Real48(1.0L));
}

TEST_F(DDecompositionTest, NeedsTwoMarkedParametersAndUsesTheFirstTwo) {
    drawLoop();
    scan();  // none marked
    mark(*integrator, "K");
    scan();  // one
    EXPECT_EQ(host.messagesOf(Box::Information),
              std::vector<std::string>(2, "The number of the checked coefficients must be 2"));
    EXPECT_TRUE(host.dDecompositions.empty());
    EXPECT_TRUE(host.dialogs.empty());  // no range was asked

    mark(*first, "K");
    mark(*second, "T");
    answer({"K3(begin)=1", "K3(end)=2", "T4(begin)=1", "T4(end)=2", "Num. of X=2", "Num. of Y=2"});
    scan();
    ASSERT_EQ(host.dDecompositions.size(), 1u);
    EXPECT_EQ(host.dDecompositions[0].xName, "K3");
    EXPECT_EQ(host.dDecompositions[0].yName, "T4");
    EXPECT_EQ(integrator->Params[0].Value, Real48(1.0L));  // the third is left alone
}

// A dialog's check refuses what cannot be scanned, saying why, and the dialog stays
// open (the scripted host then cancels it): nothing is scanned.
TEST_F(DDecompositionTest, RangesAndSizesAreAskedAgainUntilValid) {
    struct Case {
        const char* name;
        std::vector<const char*> answers;
        const char* dialog;  // the first row of the dialog that refuses
        const char* reason;
    } cases[] = {
        {"reversed X", {"K3(begin)=2", "K3(end)=1"}, "K3(begin)", "K3(end) must lie above K3(begin)"},
        {"empty Y", {"T4(begin)=1", "T4(end)=1"}, "K3(begin)", "T4(end) must lie above T4(begin)"},
        {"equal as stored",
         {"T4(begin)=1", "T4(end)=1.0000000000001"},
         "K3(begin)",
         "T4(end) must lie above T4(begin)"},
        {"no X cells", {"Num. of X=0"}, "Num. of X", "Num. of X and Num. of Y must be above 0"},
        {"a fraction", {"Num. of X=0.4"}, "Num. of X", "Num. of X must be a whole number, not 0.4"},
        {"negative Y", {"Num. of Y=-3"}, "Num. of X", "Num. of X and Num. of Y must be above 0"},
        {"too many", {"Num. of X=2000", "Num. of Y=2000"}, "Num. of X", "Too many grid points"},
    };
    drawLoop();
    mark(*first, "K");
    mark(*second, "T");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost fresh;
        wb.host = &fresh;
        wb.analysis.plane = {};
        for (const char* a : c.answers) fresh.addAnswer(a);
        scan();
        EXPECT_TRUE(fresh.dDecompositions.empty());
        const auto refused = std::find_if(fresh.dialogs.begin(), fresh.dialogs.end(),
                                          [&](const auto& d) { return d.rows.at(0).name() == c.dialog; });
        ASSERT_NE(refused, fresh.dialogs.end());
        EXPECT_NE(refused->refusal.find(c.reason), std::string::npos) << refused->refusal;
    }
    wb.host = &host;
}

TEST_F(DDecompositionTest, EscapeStopsTheScanAndKeepsTheParameters) {
    drawLoop();
    mark(*first, "K");
    mark(*second, "T");
    answer({"K3(begin)=0", "K3(end)=6", "T4(begin)=0.1", "T4(end)=3", "Num. of X=50", "Num. of Y=50"});
    host.keys = {27};
    run();
    ASSERT_EQ(host.dDecompositions.size(), 1u);
    const DDecompositionMap& map = host.dDecompositions[0];
    EXPECT_TRUE(map.stopped);
    EXPECT_EQ(map.counts, std::vector<int>(51 * 51, DDecompositionMap::kNotScanned));
    EXPECT_EQ(first->Params[0].Value, Real48(1.0L));
    EXPECT_TRUE(host.scanProgresses.back().finished);
    EXPECT_EQ(host.scanProgresses.back().position, 0);
}

// Step -> first-order low-pass filter k / (1 + s / Wo) -> analysis block: Wo = 0
// divides by zero, which leaves that point undetermined and the rest is scanned.
TEST_F(DDecompositionTest, AFailingPointIsUndetermined) {
    Element& source = draw.block(33, 2, 10);
    Element& filter = draw.block(138, 8, 10);
    block = &dynamic_cast<AnalysisBlock&>(draw.block(60, 14, 10));
    draw.connect(source, filter);
    draw.connect(filter, *block);
    mark(filter, "K");
    mark(filter, "Wo");
    answer({"k2(begin)=1", "k2(end)=2", "Wo2(begin)=0", "Wo2(end)=2", "Num. of X=1", "Num. of Y=2"});
    run();
    ASSERT_EQ(host.dDecompositions.size(), 1u);
    EXPECT_EQ(host.dDecompositions[0].counts, (std::vector<int>{U, U, 0, 0, 0, 0}));
    EXPECT_TRUE(host.messagesOf(Box::Error).empty());
}

}  // namespace
}  // namespace velmar
