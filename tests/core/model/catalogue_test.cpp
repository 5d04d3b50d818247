#include "core/model/catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace velmar {
namespace {

// The classes of the codes at the edges of every class range.
struct ClassRow {
    int code;
    int cells;
    bool node, summing, source;
    int selector;
    bool recorder, reducible;
};

class CatalogueClasses : public ::testing::TestWithParam<ClassRow> {};

TEST_P(CatalogueClasses, AtTheEdgesOfTheRanges) {
    const ClassRow& r = GetParam();
    const BlockInfo& info = blockInfo(r.code);
    EXPECT_EQ(info.cells, r.cells);
    EXPECT_EQ(info.isNode(), r.node);
    EXPECT_EQ(info.summing, r.summing);
    EXPECT_EQ(info.source, r.source);
    EXPECT_EQ(info.selector, r.selector);
    EXPECT_EQ(info.isRecorder(), r.recorder);
    EXPECT_EQ(info.reducible, r.reducible);
}

INSTANTIATE_TEST_SUITE_P(Codes, CatalogueClasses,
                         ::testing::Values(
                             //        code cells node  summing source selector recorder reducible
                             ClassRow{0, 1, false, false, false, 0, false, false},
                             ClassRow{16, 1, false, false, false, 0, false, false},
                             ClassRow{17, 1, true, true, false, 0, false, true},
                             ClassRow{20, 1, true, true, false, 0, false, true},
                             ClassRow{21, 1, true, false, false, 0, false, false},
                             ClassRow{22, 3, false, false, false, 0, false, true},
                             ClassRow{32, 3, false, false, false, 0, false, true},
                             ClassRow{33, 3, false, false, true, 0, false, true},
                             ClassRow{37, 3, false, false, true, 0, false, true},
                             ClassRow{38, 3, false, false, false, 0, false, false},
                             ClassRow{53, 3, false, false, false, 0, false, true},
                             ClassRow{54, 3, false, false, false, 1, false, true},
                             ClassRow{59, 3, false, false, false, 6, false, true},
                             ClassRow{60, 3, false, false, false, 0, false, false},
                             ClassRow{61, 3, false, false, false, 0, true, false},
                             ClassRow{63, 3, false, false, false, 0, true, false},
                             ClassRow{64, 3, false, false, false, 0, false, true},
                             ClassRow{103, 3, false, false, false, 0, false, false},
                             ClassRow{143, 3, false, false, false, 0, false, true},
                             ClassRow{144, 3, false, false, false, 0, false, false}));

// Rules every row keeps, whatever its code: the compilation, the reduction and the
// bank rely on them.
TEST(Catalogue, ClassesAgreeWithEachOther) {
    for (int code = 0; code < kCodeCount; ++code) {
        const BlockInfo& info = blockInfo(code);
        SCOPED_TRACE(code);
        EXPECT_EQ(info.code, code);
        EXPECT_TRUE(info.cells == 1 || info.cells == 3);
        EXPECT_EQ(info.isPiece(), code <= 16);
        if (info.summing) EXPECT_TRUE(info.isNode());
        if (info.source || info.oneFeeder) EXPECT_EQ(info.inputs, InputKind::Single);
        if (info.source || info.isSelector() || info.reducible || info.contraction != Contraction::None)
            EXPECT_TRUE(info.hasElement());
        if (info.isRecorder() || info.isSelector() || info.source) EXPECT_TRUE(info.isBlock());
        // A node subtracts the ports its binding takes as subtracted: one side when the
        // subtracted feeder binds first, both when the added one does.
        const int subtracted = int(info.subtractsBelow) + int(info.subtractsAbove);
        EXPECT_EQ(subtracted, info.inputs == InputKind::SubtractMinusFirst  ? 1
                              : info.inputs == InputKind::SubtractPlusFirst ? 2
                                                                            : 0);
        if (info.isMultiplier()) EXPECT_EQ(subtracted, 0);
        // What a reduction walks through or the nonlinear studies look for has an element
        // of the right family.
        if (info.inverts) EXPECT_TRUE(info.reducible);
        if (info.selfOscillating || info.balanceScanned || info.popovSector)
            EXPECT_EQ(info.family, Family::Nonlinear);
        EXPECT_EQ(isAnalysisBlock(code), info.family == Family::Analysis);
    }
}

TEST(Catalogue, SelectorsAreNumberedOnceInCodeOrder) {
    std::set<int> numbers;
    int previous = 0;
    for (int code = 0; code < kCodeCount; ++code) {
        const int n = blockInfo(code).selector;
        if (n == 0) continue;
        EXPECT_EQ(n, previous + 1) << code;
        previous = n;
        numbers.insert(n);
    }
    EXPECT_EQ(numbers, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

// The small palette holds the one-cell codes 0..21, the big one the blocks 22..141 and
// the user function 144; 142 and 143 have no slot. A code's slot is its place in its
// palette.
TEST(Catalogue, BankPalettesHoldTheirCodesInOrder) {
    std::vector<int> small, big;
    for (int code = 0; code <= 21; ++code) small.push_back(code);
    for (int code = 22; code <= 141; ++code) big.push_back(code);
    big.push_back(144);
    EXPECT_EQ(bankCodes(1), small);
    EXPECT_EQ(bankCodes(3), big);
    for (const std::vector<int>* codes : {&small, &big})
        for (std::size_t slot = 0; slot < codes->size(); ++slot)
            EXPECT_EQ(bankSlot((*codes)[slot]), static_cast<int>(slot));
    EXPECT_EQ(bankSlot(142), -1);
    EXPECT_EQ(bankSlot(143), -1);
    EXPECT_TRUE(bankCodes(2).empty());  // no palette of that size
}

// A code without a row is drawn and erased as a block without an element, as the grid
// has always treated codes above the catalogue.
TEST(Catalogue, CodesWithoutRowAreElementlessBlocks) {
    for (int code : {-1, kCodeCount, 255}) {
        EXPECT_TRUE(isBlockCode(code)) << code;
        EXPECT_FALSE(blockInfo(code).hasElement()) << code;
        EXPECT_TRUE(blockName(code, NameSet::Russian).empty()) << code;
    }
}

}  // namespace
}  // namespace velmar
