// The analysis block on drawn, compiled schemes: W(s) from the real wiring.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/blocks/analysis_block.h"
#include "core/blocks/linear.h"
#include "core/model/compile.h"
#include "core/scripted_host.h"
#include "core/workbench/dispatcher.h"
#include "core/workbench/workbench.h"
#include "support/scheme_builder.h"

namespace velmar {
namespace {

using testing::SchemeBuilder;

class SchemeAnalysis : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("velmar-scheme-analysis-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        wb.analysis.workingFolder = folder;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    Element& link(int col, int row, Polynomial n, Polynomial d) {
        auto& e = dynamic_cast<PolynomialLink&>(draw.block(28, col, row));
        e.entry.A = std::move(n);
        e.entry.B = std::move(d);
        return e;
    }
    // Compiles and solves the analysis block with the given entry (Enter on the block,
    // answered by a host of its own); W(s) afterwards, the error messages in `errors`.
    TransferFunction solve(AnalysisBlock& block, const Element& entry) {
        ScriptedHost host;
        wb.host = &host;
        EXPECT_TRUE(CompileScheme(wb));
        host.setAnswer("Entry", std::to_string(entry.Number));
        ChangeParameters(wb, block.Col, block.Row, false);
        errors = host.messagesOf(Box::Error);
        wb.host = &idle;
        return block.W;
    }
    AnalysisBlock& analysisBlock(int col, int row) {
        return dynamic_cast<AnalysisBlock&>(draw.block(60, col, row));
    }

    std::filesystem::path folder;
    ScriptedHost idle;
    Workbench wb{idle};
    std::vector<std::string> errors;
    SchemeBuilder draw{wb.scheme};
};

TEST_F(SchemeAnalysis, SingleLinkAndChain) {
    Element& step = draw.block(33, 2, 10);
    Element& first = link(8, 10, Polynomial{2}, Polynomial{1, 3});
    Element& second = link(14, 10, Polynomial{1, 1}, Polynomial{0, 1});
    AnalysisBlock& single = analysisBlock(14, 20);
    AnalysisBlock& chain = analysisBlock(20, 10);
    draw.connect(step, first);
    draw.connect(first, second);
    draw.connect(second, chain);
    draw.wire({{11, 11}, {11, 21}, {13, 21}});  // a branch of the first link's output
    const TransferFunction w1 = solve(single, step);
    EXPECT_EQ(w1.A, Polynomial{2});
    EXPECT_EQ(w1.B, (Polynomial{1, 3}));
    const TransferFunction w2 = solve(chain, step);
    EXPECT_EQ(w2.A, (Polynomial{2, 2}));
    EXPECT_EQ(w2.B, (Polynomial{0, 1, 3}));
}

// Unity negative feedback around 5/(1 + 2s) through a subtraction node: 5/(6 + 2s).
TEST_F(SchemeAnalysis, LoopCutAtTheSubtractionNode) {
    Element& step = draw.block(33, 5, 10);
    Element& node = draw.node(18, 12, 11);
    Element& l = link(16, 10, Polynomial{5}, Polynomial{1, 2});
    AnalysisBlock& block = analysisBlock(26, 10);
    draw.connect(step, node);
    draw.connect(node, l);
    draw.connect(l, block);
    draw.wire({{22, 11}, {22, 15}, {12, 15}, {12, 12}});
    const TransferFunction w = solve(block, step);
    EXPECT_EQ(w.A * (Polynomial{6, 2}), (Polynomial{5}) * w.B);
}

// The entry feeds the subtracting side of the node: W(s) = -N/D.
TEST_F(SchemeAnalysis, EntryIntoTheSubtractingInput) {
    Element& step = draw.block(33, 5, 16);
    Element& node = draw.node(18, 12, 11);
    Element& l = link(16, 10, Polynomial{4}, Polynomial{1, 1});
    AnalysisBlock& block = analysisBlock(22, 10);
    draw.wire({{8, 17}, {12, 17}, {12, 12}});
    draw.connect(node, l);
    draw.connect(l, block);
    const TransferFunction w = solve(block, step);
    EXPECT_EQ(w.A * (Polynomial{1, 1}), (Polynomial{-4}) * w.B);
}

TEST_F(SchemeAnalysis, RefusedBlockAndUnconnectedEntryKeepTheLastW) {
    Element& step = draw.block(33, 2, 10);
    Element& relay = draw.block(67, 8, 10);
    AnalysisBlock& block = analysisBlock(14, 10);
    Element& lonely = draw.block(33, 2, 30);
    draw.connect(step, relay);
    draw.connect(relay, block);
    const TransferFunction before = block.W;
    solve(block, step);
    EXPECT_EQ(errors, std::vector<std::string>{"Nedopustimyi block : " + std::to_string(relay.Number)});
    solve(block, lonely);  // nothing joins it to the block: W(s) stays
    EXPECT_EQ(block.W.A, before.A);
    EXPECT_EQ(block.W.B, before.B);
}

// The user function is a static nonlinearity: the reduction refuses it on the path as
// it refuses the sine, and it is the entry of a reduction as the sine is.
TEST_F(SchemeAnalysis, TheUserFunctionIsReducedAsTheOtherStaticFunctions) {
    for (const int code : {85, 144}) {
        SCOPED_TRACE(code);
        wb.scheme.NewScheme();
        Element& step = draw.block(33, 2, 10);
        Element& function = draw.block(code, 8, 10);
        Element& lag = link(14, 10, Polynomial{3}, Polynomial{1, 2});
        AnalysisBlock& block = analysisBlock(20, 10);
        draw.connect(step, function);
        draw.connect(function, lag);
        draw.connect(lag, block);
        solve(block, step);
        EXPECT_EQ(errors, std::vector<std::string>{"Nedopustimyi block : " + std::to_string(function.Number)});
        const TransferFunction w = solve(block, function);
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(w.A * (Polynomial{1, 2}), (Polynomial{3}) * w.B);
    }
}

}  // namespace
}  // namespace velmar
