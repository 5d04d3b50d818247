#include <gtest/gtest.h>

#include "core/model/algebraic_loops.h"
#include "support/workbench_fixture.h"

namespace velmar::testing {
namespace {

using Compile = WorkbenchTest;

std::vector<int> numbers(const std::vector<Element*>& elements) {
    std::vector<int> out;
    for (const Element* e : elements) out.push_back(e->Number);
    return out;
}

int linkCount(const CompiledScheme& c) {
    int count = 0;
    for (int i = 1; i <= c.N; ++i)
        for (int j = 1; j <= c.N; ++j) count += c.link(i, j) != 0;
    return count;
}

TEST_F(Compile, ChainIsLinkedAndOrderedFromTheSource) {
    // Drawn right to left in numbering terms: the recorder is leftmost, the source last.
    Element& rec = draw.block(62, 30, 5);
    Element& amp = draw.block(30, 20, 5);
    Element& src = draw.block(33, 10, 5);
    draw.connect(src, amp);
    draw.connect(amp, rec);
    compile();
    const CompiledScheme& c = compiled();
    EXPECT_EQ(c.OrderList, (std::vector<int>{src.Number, amp.Number, rec.Number}));
    EXPECT_EQ(numbers(c.CalcOrder), c.OrderList);
    EXPECT_EQ(c.link(src.Number, amp.Number), 1);
    EXPECT_EQ(c.link(amp.Number, rec.Number), 1);
    EXPECT_EQ(linkCount(c), 2);
    EXPECT_EQ(amp.Input(), &src);
    EXPECT_EQ(rec.Inputs[0], &amp);
    EXPECT_EQ(rec.Inputs[1], nullptr);
}

TEST_F(Compile, WireWithoutArrowIsAFaultAtTheBlockCorner) {
    Element& src = draw.block(33, 10, 5);
    Element& amp = draw.block(30, 20, 5);
    draw.connect(src, amp);
    wb.scheme.PutCell(amp.Col - 1, amp.Row + 1, 5);  // the arrow replaced by a line
    EXPECT_FALSE(CompileScheme(wb));
    // The bare line touches both blocks, so it is read as leaving each of them.
    EXPECT_EQ(wb.scheme.ConnectErrors, (std::vector<Cell>{{amp.Col, amp.Row}, {src.Col, src.Row}}));
    EXPECT_EQ(wb.compiled, nullptr);
    // The message names the line's ends, which the canvas shows as plain line pieces.
    const auto at = [](int col, int row) {
        return "\nThe line at column " + std::to_string(col) + ", row " + std::to_string(row) +
               " has no arrow";
    };
    EXPECT_EQ(host.messagesOf(Box::Error),
              (std::vector<std::string>{" Внимание! Ошибка в схеме " + at(amp.Col - 1, amp.Row + 1) +
                                        at(src.Col + 3, src.Row + 1)}));
}

TEST_F(Compile, BrokenWiresAreFaultsWhereTheyBreak) {
    Element& src = draw.block(33, 10, 5);
    // A wire running into an empty cell, and an arrow pointing at nothing.
    draw.wire({{13, 6}, {15, 6}});
    wb.scheme.PutCell(15, 6, 5);
    draw.wire({{10, 8}, {10, 12}});
    // A wire up from the block meets a horizontal line: entered through a closed side.
    wb.scheme.PutCell(11, 4, 6);
    wb.scheme.PutCell(11, 3, 5);
    EXPECT_FALSE(CompileScheme(wb));
    // In tracing order: along the sides one cell at a time (right, bottom, top, left).
    EXPECT_EQ(wb.scheme.ConnectErrors, (std::vector<Cell>{{10, 12}, {16, 6}, {11, 3}}));
    (void)src;
}

TEST_F(Compile, CrossingKeepsWiresApart) {
    // Source `across` runs right over the vertical wire from source `down` to `below`.
    Element& across = draw.block(33, 10, 10);  // output on row 11
    Element& down = draw.block(33, 20, 2);     // output below, at column 21
    Element& right = draw.block(62, 30, 10);
    Element& below = draw.block(62, 20, 20);
    draw.connect(across, right);
    draw.wire({{21, 5}, {21, 19}});
    ASSERT_EQ(wb.scheme.cell(21, 11), 11);
    compile();
    EXPECT_EQ(compiled().link(across.Number, right.Number), 1);
    EXPECT_EQ(compiled().link(down.Number, below.Number), 1);
    EXPECT_EQ(linkCount(compiled()), 2);
}

TEST_F(Compile, JunctionReachesEveryBranch) {
    Element& src = draw.block(33, 10, 10);
    Element& right = draw.block(62, 30, 10);
    Element& above = draw.block(62, 20, 2);
    Element& below = draw.block(62, 20, 20);
    draw.connect(src, right);
    draw.wire({{21, 11}, {21, 19}});  // branches off downwards
    draw.wire({{21, 11}, {21, 5}});   // and upwards
    ASSERT_EQ(wb.scheme.cell(21, 11), 12);
    compile();
    for (const Element* target : {&right, &above, &below})
        EXPECT_EQ(compiled().link(src.Number, target->Number), 1);
    EXPECT_EQ(linkCount(compiled()), 3);
}

TEST_F(Compile, JoiningTwoOutputsIsAFault) {
    // A junction where two outputs' wires cross lets each run back into the other.
    Element& across = draw.block(33, 10, 10);
    Element& down = draw.block(33, 20, 2);
    draw.block(62, 30, 10);
    draw.block(62, 20, 20);
    draw.connect(across, *wb.scheme.ElementAt(30, 10));
    draw.wire({{21, 5}, {21, 19}});
    draw.junction({21, 11});
    EXPECT_FALSE(CompileScheme(wb));
    EXPECT_EQ(wb.scheme.ConnectErrors, (std::vector<Cell>{{down.Col, down.Row}, {across.Col, across.Row}}));
}

TEST_F(Compile, FeedbackIntoSubtractionNodeIsBrokenAtTheDynamicLink) {
    // Back from the link's output wire: down, left, up into the node from below.
    const UnityFeedback loop = drawUnityFeedback(draw, 22);
    Element &src = loop.source, &node = loop.node, &link = loop.forward, &rec = loop.recorder;
    compile();
    const CompiledScheme& c = compiled();
    EXPECT_EQ(c.link(link.Number, node.Number), 2);
    EXPECT_EQ(c.link(src.Number, node.Number), 1);
    EXPECT_EQ(c.OrderList, (std::vector<int>{src.Number, link.Number, node.Number, rec.Number}));
    // The subtracted feeder takes the first slot.
    EXPECT_EQ(node.Inputs[0], &link);
    EXPECT_EQ(node.Inputs[1], &src);
    EXPECT_EQ(node.Inputs[2], nullptr);
}

// Unity feedback around a gain, through a subtraction node: compiled and run as the
// system orders it, but the loop of instantaneous elements is named in a warning. The
// same loop closed through a lag is an ordinary feedback loop.
TEST_F(Compile, AnAlgebraicLoopIsAcceptedAndNamed) {
    for (const int forward : {30, 22}) {
        ScriptedHost quiet;
        Workbench loop(quiet);
        SchemeBuilder d(loop.scheme);
        const UnityFeedback drawn = drawUnityFeedback(d, forward);
        const Element &node = drawn.node, &gain = drawn.forward;
        ASSERT_TRUE(CompileScheme(loop)) << forward;
        if (forward == 22) {
            EXPECT_TRUE(quiet.warnings.empty());
            continue;
        }
        const std::vector<int> members{std::min(node.Number, gain.Number), std::max(node.Number, gain.Number)};
        EXPECT_EQ(findAlgebraicLoops(*loop.compiled), (std::vector<std::vector<int>>{members}));
        EXPECT_EQ(quiet.warnings, (std::vector<std::string>{algebraicLoopWarning(members)}));
        EXPECT_NE(quiet.warnings[0].find(std::to_string(members[0]) + ", " + std::to_string(members[1])),
                  std::string::npos);
    }
}

struct CheckCase {
    const char* what;
    void (*draw)(SchemeBuilder&, Scheme&);
    std::vector<Cell> faults;
};

class CompileChecks : public WorkbenchTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CompileChecks, FaultCells) {
    GetParam().draw(draw, wb.scheme);
    EXPECT_EQ(CompileScheme(wb), GetParam().faults.empty()) << GetParam().what;
    EXPECT_EQ(wb.scheme.ConnectErrors, GetParam().faults) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Scheme, CompileChecks,
                         ::testing::Values(CheckCase{"two wires into one aperiodic link",
                                                     [](SchemeBuilder& d, Scheme&) {
                                                         Element& a = d.block(33, 5, 5);
                                                         Element& b = d.block(33, 5, 15);
                                                         d.block(22, 20, 10);
                                                         d.wire({{8, 6}, {12, 6}, {12, 10}, {19, 10}});
                                                         d.wire({{8, 16}, {14, 16}, {14, 12}, {19, 12}});
                                                         (void)a, (void)b;
                                                     },
                                                     {{20, 10}}},
                                           CheckCase{"a source with an input",
                                                     [](SchemeBuilder& d, Scheme&) {
                                                         Element& a = d.block(33, 5, 5);
                                                         Element& b = d.block(33, 15, 5);
                                                         d.connect(a, b);
                                                     },
                                                     {{15, 5}}},
                                           CheckCase{"a phase-plane recorder with a wire leaving it",
                                                     [](SchemeBuilder& d, Scheme&) {
                                                         Element& a = d.block(33, 5, 5);
                                                         Element& p = d.block(63, 15, 5);
                                                         Element& r = d.block(62, 25, 5);
                                                         d.connect(a, p);
                                                         d.connect(p, r);
                                                     },
                                                     {{15, 5}}},
                                           CheckCase{"a contact takes a selector besides its signal",
                                                     [](SchemeBuilder& d, Scheme&) {
                                                         Element& a = d.block(33, 5, 5);
                                                         Element& s = d.block(54, 5, 15);
                                                         d.block(52, 20, 10);
                                                         d.wire({{8, 6}, {12, 6}, {12, 10}, {19, 10}});
                                                         d.wire({{8, 16}, {14, 16}, {14, 12}, {19, 12}});
                                                         (void)a, (void)s;
                                                     },
                                                     {}},
                                           CheckCase{
                                               "a loop no pass can contract",
                                               [](SchemeBuilder& d, Scheme&) {
                                                   Element& a = d.block(74, 10, 10);
                                                   Element& b = d.block(75, 20, 10);
                                                   Element& r = d.block(62, 30, 10);
                                                   d.connect(a, b);
                                                   d.connect(b, r);
                                                   d.wire({{27, 11}, {27, 16}, {8, 16}, {8, 11}, {9, 11}});
                                               },
                                               {{10, 10}, {20, 10}}}));

TEST_F(Compile, LoopOfOneUncontractableElementIsReported) {
    Element& a = draw.block(74, 10, 10);
    draw.wire({{13, 11}, {14, 11}, {14, 15}, {8, 15}, {8, 11}, {9, 11}});
    EXPECT_FALSE(CompileScheme(wb));
    EXPECT_EQ(wb.scheme.ConnectErrors, (std::vector<Cell>{{a.Col, a.Row}}));
}

TEST_F(Compile, FaultCellsAreCappedAt101) {
    // 35 blocks with three dangling stubs each: 105 broken wires.
    for (int k = 0; k < 35; ++k) {
        const int col = 2 + 6 * (k % 14), row = 2 + 5 * (k / 14);
        draw.block(30, col, row);
        for (int i = 0; i < 3; ++i) wb.scheme.PutCell(col + 3, row + i, 5);
    }
    EXPECT_FALSE(CompileScheme(wb));
    EXPECT_EQ(wb.scheme.ConnectErrors.size(), 101u);
}

TEST_F(Compile, ReleaseUnbindsEveryInput) {
    Element& src = draw.block(33, 10, 5);
    Element& amp = draw.block(30, 20, 5);
    draw.connect(src, amp);
    compile();
    ReleaseCompiled(wb);
    EXPECT_EQ(wb.compiled, nullptr);
    EXPECT_EQ(amp.Input(), nullptr);
}

TEST_F(Compile, EmptySchemeCompilesToNothing) {
    EXPECT_TRUE(CompileScheme(wb));
    EXPECT_EQ(compiled().N, 0);
    EXPECT_TRUE(compiled().CalcOrder.empty());
}

}  // namespace
}  // namespace velmar::testing
