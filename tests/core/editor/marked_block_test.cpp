// Copying and moving the marked block: the blocks put down keep what they carried.
#include "core/editor/marked_block.h"

#include <gtest/gtest.h>

#include "support/model_invariants.h"
#include "support/scheme_builder.h"

namespace velmar::editor {
namespace {

using velmar::testing::modelProblem;

struct MarkedBlockTest : ::testing::Test {
    Scheme s;
    velmar::testing::SchemeBuilder draw{s};
    Element* lag = nullptr;

    void SetUp() override {
        draw.block(22, 2, 2);  // element 1, outside the mark
        lag = &draw.block(22, 10, 10);
        lag->Params[0].Value = 2.5L;
        lag->Params[1].Value = 0.75L;
        lag->Params[1].Varied = true;
        draw.wire({{13, 11}, {16, 11}});
        s.Labels[1] = "outside";
        s.Labels[2] = "plant";
        s.mark = Mark{10, 10, 16, 12};
    }
    void expectCarried(const Element* e) {
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->Params[0].Value, Real48(2.5L));
        EXPECT_EQ(e->Params[1].Value, Real48(0.75L));
        EXPECT_TRUE(e->Params[1].Varied);
        EXPECT_EQ(s.Labels[e->Number], "plant");
    }
};

TEST_F(MarkedBlockTest, AMoveKeepsParametersMarksAndLabel) {
    copyMarkedBlock(s, {40, 30}, true);
    ASSERT_EQ(s.ElementCount(), 2);
    EXPECT_EQ(s.ElementAt(10, 10), nullptr);
    expectCarried(s.ElementAt(40, 30));
    EXPECT_EQ(s.cell(43, 31), 5);
    EXPECT_EQ(s.Labels[1], "outside");
    EXPECT_EQ(modelProblem(s), "");

    // Moved before the block outside, it takes number 1 and its label with it.
    s.mark = Mark{40, 30, 46, 32};
    copyMarkedBlock(s, {1, 20}, true);
    EXPECT_EQ(s.Labels[1], "plant");
    EXPECT_EQ(s.Labels[2], "outside");
    expectCarried(s.ElementAt(1, 20));
}

TEST_F(MarkedBlockTest, ACopyCarriesThemAndLeavesTheSource) {
    copyMarkedBlock(s, {5, 30}, false);   // the copy lands before the source: numbers shift
    ASSERT_EQ(s.ElementCount(), 3);
    expectCarried(s.ElementAt(10, 10));
    expectCarried(s.ElementAt(5, 30));
    EXPECT_EQ(s.Labels[1], "outside");
    EXPECT_EQ(modelProblem(s), "");
}

}  // namespace
}  // namespace velmar::editor
