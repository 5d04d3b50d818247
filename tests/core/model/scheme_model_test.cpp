#include <gtest/gtest.h>

#include <random>

#include "core/model/scheme.h"
#include "support/model_invariants.h"
#include "support/scheme_builder.h"

using namespace velmar;
using velmar::testing::modelProblem;

namespace {

std::vector<std::pair<int, int>> positions(const Scheme& s) {
    std::vector<std::pair<int, int>> out;
    for (const auto& e : s.ElementList()) out.emplace_back(e->Col, e->Row);
    return out;
}

}  // namespace

TEST(SchemeModel, ListIsSortedByColumnThenRowAndNumbered) {
    Scheme s;
    for (auto [c, r] : {std::pair{5, 9}, {2, 30}, {5, 3}}) ASSERT_TRUE(s.PutCell(c, r, 17));
    EXPECT_EQ(positions(s), (std::vector<std::pair<int, int>>{{2, 30}, {5, 3}, {5, 9}}));
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(s.element(n).Number, n);
    EXPECT_EQ(s.FindElementAt(5, 3), 2);
    EXPECT_EQ(modelProblem(s), "");
}

TEST(SchemeModel, PlacingClearsTheRingAroundNodesAndBlocks) {
    Scheme s;
    ASSERT_TRUE(s.PutCell(10, 10, 22));
    // A block whose 5 x 5 area touches the first removes it whole.
    ASSERT_TRUE(s.PutCell(13, 13, 30));
    EXPECT_EQ(positions(s), (std::vector<std::pair<int, int>>{{13, 13}}));
    EXPECT_EQ(s.cell(10, 10), 0);
    EXPECT_EQ(s.cell(12, 12), 0);
    // Line pieces and arrows beside a block remove nothing.
    ASSERT_TRUE(s.PutCell(12, 14, 5));
    ASSERT_TRUE(s.PutCell(14, 16, 3));
    EXPECT_EQ(s.ElementCount(), 1);
    // A node diagonally next to a block removes it; one two cells away does not.
    ASSERT_TRUE(s.PutCell(17, 13, 17));
    EXPECT_EQ(s.ElementCount(), 2);
    ASSERT_TRUE(s.PutCell(16, 12, 18));
    EXPECT_EQ(positions(s), (std::vector<std::pair<int, int>>{{16, 12}}));
    EXPECT_EQ(modelProblem(s), "");
}

TEST(SchemeModel, PieceOverAnyCellOfABlockRemovesTheWholeBlock) {
    for (int dc = 0; dc < 3; ++dc)
        for (int dr = 0; dr < 3; ++dr) {
            Scheme s;
            ASSERT_TRUE(s.PutCell(20, 20, 45));
            ASSERT_TRUE(s.PutCell(20 + dc, 20 + dr, 5));
            EXPECT_EQ(s.ElementCount(), 0);
            for (int c = 20; c < 23; ++c)
                for (int r = 20; r < 23; ++r) EXPECT_EQ(s.cell(c, r), c == 20 + dc && r == 20 + dr ? 5 : 0);
        }
}

// A label belongs to its block: deleting, inserting before it or putting a block over
// another renumbers the blocks and carries their labels along.
TEST(SchemeModel, RenumberingCarriesTheLabelsWithTheirBlocks) {
    Scheme s;
    for (int k = 0; k < 4; ++k) ASSERT_TRUE(s.PutCell(5 + 5 * k, 5, 22));
    for (int k = 1; k <= 4; ++k) s.Labels[static_cast<size_t>(k)] = "label " + std::to_string(k);
    s.EraseCell(11, 7);  // a lower cell of element 2
    ASSERT_EQ(s.ElementCount(), 3);
    EXPECT_EQ(s.element(2).Col, 15);
    EXPECT_EQ(s.element(3).Col, 20);
    EXPECT_EQ(s.element(3).Number, 3);
    EXPECT_EQ(s.Labels[2], "label 3");
    EXPECT_EQ(s.Labels[3], "label 4");
    EXPECT_EQ(s.Labels[4], "");

    ASSERT_TRUE(s.PutCell(1, 20, 22));  // before all of them: a new element 1 without a label
    EXPECT_EQ(s.Labels[1], "");
    EXPECT_EQ(s.Labels[2], "label 1");
    EXPECT_EQ(s.Labels[4], "label 4");

    ASSERT_TRUE(s.PutCell(15, 5, 30));  // over the block labelled 3: that label goes
    ASSERT_EQ(s.ElementCount(), 4);
    EXPECT_EQ(s.Labels[3], "");
    EXPECT_EQ(s.Labels[4], "label 4");
    EXPECT_EQ(modelProblem(s), "");

    s.NewScheme();
    EXPECT_EQ(s.Labels[4], "");
}

TEST(SchemeModel, RefusedPlacementsChangeNothing) {
    Scheme s;
    EXPECT_FALSE(s.PutCell(89, 10, 22));  // square past the grid
    EXPECT_FALSE(s.PutCell(10, 89, 22));
    EXPECT_FALSE(s.PutCell(10, 10, 145));
    EXPECT_FALSE(s.PutCell(91, 10, 5));
    EXPECT_FALSE(s.PutCell(-1, 10, 5));
    EXPECT_EQ(s.cell(89, 10), 0);
    EXPECT_EQ(s.cell(10, 10), 0);
    EXPECT_TRUE(s.PutCell(88, 88, 22));  // the last square that fits
    // The user function 144 is numbered after every other element, wherever it stands.
    EXPECT_TRUE(s.PutCell(40, 40, 144));
    EXPECT_TRUE(s.PutCell(50, 50, 22));
    EXPECT_EQ(s.ElementCount(), 3);
    EXPECT_EQ(s.FindElementAt(51, 51), 1);
    EXPECT_EQ(s.FindElementAt(89, 89), 2);
    EXPECT_EQ(s.FindElementAt(41, 41), 3);
    EXPECT_EQ(modelProblem(s), "");
}

TEST(SchemeModel, AtMost255Elements) {
    Scheme s;
    int placed = 0;
    for (int c = 1; c < 89 && placed < 255; c += 2)
        for (int r = 1; r < 89 && placed < 255; r += 2, ++placed) ASSERT_TRUE(s.PutCell(c, r, 17));
    ASSERT_EQ(s.ElementCount(), 255);
    EXPECT_FALSE(s.PutCell(89, 89, 17));
    EXPECT_FALSE(s.PutCell(80, 80, 22));  // clears nothing when refused
    EXPECT_EQ(s.cell(89, 89), 0);
    EXPECT_EQ(s.ElementCount(), 255);
    // Replacing an element is not a new one: a node over a node's neighbour goes through.
    EXPECT_TRUE(s.PutCell(1, 2, 21));
    EXPECT_EQ(s.ElementCount(), 254);  // it cleared (1,1) and (1,3)
    EXPECT_EQ(modelProblem(s), "");
}

TEST(SchemeModel, RandomPutAndEraseKeepTheInvariants) {
    std::mt19937 random(20240601);
    Scheme s;
    std::uniform_int_distribution<int> pos(0, 90), pick(0, 9), code(0, 150);
    for (int step = 0; step < 3000; ++step) {
        const int c = pos(random), r = pos(random);
        switch (pick(random)) {
            case 0: s.EraseCell(c, r); break;
            case 1: s.PutCell(c, r, static_cast<std::uint8_t>(17 + pick(random) % 5)); break;
            case 2:
            case 3: s.PutCell(c, r, static_cast<std::uint8_t>(pos(random) % 17)); break;
            default: s.PutCell(c, r, static_cast<std::uint8_t>(code(random))); break;
        }
        const std::string problem = modelProblem(s);
        ASSERT_EQ(problem, "") << "after step " << step;
    }
    s.NewScheme();
    EXPECT_EQ(s.ElementCount(), 0);
    EXPECT_EQ(modelProblem(s), "");
}
