// Comparing runs in the graph viewer's model: what a run's curves are named after, kept
// curves across graphs, their difference and the CSV of the shown curves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/errors.h"
#include "core/graphs/curve_arithmetic.h"
#include "core/graphs/run_note.h"
#include "core/graphs/shown_curves_csv.h"
#include "core/graphs/viewer_slots.h"
#include "support/scheme_builder.h"

using namespace velmar;

namespace {

struct Curve {
    std::vector<Real48> x, y;
    Diagram diagram(std::string name) const { return {x.data(), y.data(), static_cast<int>(x.size()), name}; }
};

Curve line(Extended slope, int n = 4) {
    Curve c;
    for (int i = 0; i < n; ++i) {
        c.x.push_back(i);
        c.y.push_back(slope * i);
    }
    return c;
}

// A run's graph: the setpoint in slot 1, the output in slot 2.
Diagrams runGraph(const Curve& setpoint, const Curve& output) {
    Diagrams d;
    d[0] = setpoint.diagram("Number:1");
    d[1] = output.diagram("Number:3");
    return d;
}

}  // namespace

TEST(RunNote, NamesMarkedParametersAndTheAgreeingStepLevel) {
    Scheme scheme;
    SchemeDrawing draw(scheme);
    Element& step = draw.block(33, 2, 2);
    Element& lag = draw.block(22, 10, 2);
    draw.block(33, 2, 10);
    lag.Params[1].Value = Real48(0.6L);
    lag.Params[1].Varied = true;
    lag.Params[0].Value = 2.5L;
    lag.Params[0].Varied = true;
    step.Params[0].Value = 2;
    RunNote note = describeRun(scheme);
    EXPECT_EQ(note.varied, "K3=2.5, T3=0.6");  // the stored 0.6 in its shortest text
    // The second step input still has level 1: the levels disagree.
    EXPECT_FALSE(note.stepLevel);
    scheme.element(2).Params[0].Value = 2;
    EXPECT_EQ(describeRun(scheme).stepLevel, Extended(2));

    EXPECT_EQ(comparisonName("Number:3", note, 1), "Number:3 (K3=2.5, T3=0.6)");
    EXPECT_EQ(comparisonName("Number:3", RunNote{}, 4), "Number:3 (#4)");
}

TEST(KeptCurves, SurviveTheNextGraphOfTheirKindAndAreNamedByTheRun) {
    const Curve setpoint = line(0), first = line(1);
    ViewerSlots v;
    v.runNote = {"T3=0.2", 1};
    v.open(runGraph(setpoint, first), 1);
    v.setCurrent(2);
    EXPECT_EQ(v.keepCurrent(), 5);
    EXPECT_EQ(v.slot(5).diagram.name, "Number:3 (T3=0.2)");
    EXPECT_EQ(v.keepCurrent(), 0);  // slot 2 is kept once
    v.setCurrent(5);
    EXPECT_EQ(v.keepCurrent(), 0);  // a kept curve is not kept again

    // The next run: its curves are the caller's again, the kept copy comes back.
    const Curve second = line(3);
    v.runNote = {"T3=0.6", 2};
    v.open(runGraph(setpoint, second), 1);
    v.showKept();
    ASSERT_TRUE(v.slot(5).kept());
    EXPECT_EQ(v.slot(5).y(3), 3);  // the first run's values, not the second's
    EXPECT_EQ(v.legendText(5), "kept Number:3 (T3=0.2)");
    EXPECT_EQ(v.legendText(2), "Number:3 (T3=0.6)");
    EXPECT_EQ(v.stepLevel(5), Extended(1));
    EXPECT_EQ(v.stepLevel(2), Extended(2));

    // A graph of another kind does not show it; deleting it forgets it.
    v.open(runGraph(setpoint, second), 5);
    v.showKept();
    EXPECT_FALSE(v.anyKeptShown());
    EXPECT_EQ(v.legendText(2), "Number:3");
    v.open(runGraph(setpoint, second), 1);
    v.showKept();
    v.setCurrent(5);
    EXPECT_TRUE(v.removeCurrent());
    v.open(runGraph(setpoint, second), 1);
    v.showKept();
    EXPECT_FALSE(v.slot(5).present());

    // A curve put over a kept one (a point file opened into its slot) replaces it for good.
    v.setCurrent(2);
    ASSERT_EQ(v.keepCurrent(), 5);
    v.put(5, ownedSlot({0, 1}, {0, 1}, 2, "LOADED"));
    v.open(runGraph(setpoint, second), 1);
    v.showKept();
    EXPECT_FALSE(v.anyKeptShown());
}

TEST(KeptCurves, WaitWhenTheGraphLeavesNoRoom) {
    const Curve c = line(1);
    ViewerSlots v;
    Diagrams full;
    for (auto& d : full) d = c.diagram("c");
    v.open(full, 1);
    EXPECT_EQ(v.keepCurrent(), 0);  // no free slot
    full[4] = {};
    v.open(full, 1);
    EXPECT_EQ(v.keepCurrent(), 5);
    v.open(full, 1);  // slot 5 is free again, the kept curve returns to it
    v.showKept();
    EXPECT_TRUE(v.slot(5).kept());
    full[4] = c.diagram("c");
    v.open(full, 1);
    v.showKept();
    EXPECT_FALSE(v.anyKeptShown());
    full[3] = {};
    v.open(full, 1);
    v.showKept();
    EXPECT_TRUE(v.slot(4).kept());
}

TEST(KeptCurves, DifferenceIsTheCurrentCurveMinusTheLatestKept) {
    const Curve setpoint = line(0), first = line(1), second = line(4);
    ViewerSlots v;
    v.open(runGraph(setpoint, first), 1);
    v.setCurrent(2);
    EXPECT_EQ(differenceWithKept(v), kNoKeptCurveText);
    v.keepCurrent();
    v.open(runGraph(setpoint, second), 1);
    v.showKept();
    v.setCurrent(2);
    ASSERT_EQ(differenceWithKept(v), "");
    const Slot& d = v.slot(4);
    EXPECT_EQ(d.diagram.name, "2-5");
    ASSERT_EQ(d.count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(d.y(i), 3 * i);
    v.setCurrent(5);
    EXPECT_EQ(differenceWithKept(v), kNoKeptCurveText);  // no other kept curve
}

TEST(ShownCurvesCsv, QuotesNamesAsCsvNeedsAndKeepsFullPrecision) {
    EXPECT_EQ(csvField("Number:3"), "Number:3");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("  Лупа"), "\"  Лупа\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");

    Curve c;
    c.x = {0, 0.5L};
    c.y = {Real48(0.1L), -3};
    Diagrams d;
    d[1] = c.diagram("K=1, T=2");
    ViewerSlots v;
    v.open(d, 1);
    EXPECT_EQ(shownCurvesCsv(v),
              "slot,name,index,x,y\n"
              "2,\"K=1, T=2\",0,0,0.10000000000002274\n"
              "2,\"K=1, T=2\",1,0.5,-3\n");
}

TEST(ShownCurvesCsv, WritesTheFileWholeOrNotAtAll) {
    const auto dir = std::filesystem::temp_directory_path() / "velmar_shown_csv";
    std::filesystem::create_directories(dir);
    const Curve c = line(2, 3);
    Diagrams d;
    d[0] = c.diagram("c");
    ViewerSlots v;
    v.open(d, 1);
    writeShownCurvesCsv(dir / "curves.csv", v);
    std::ifstream in(dir / "curves.csv");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), shownCurvesCsv(v));
    EXPECT_THROW(writeShownCurvesCsv(dir / "missing" / "curves.csv", v), FileError);
    std::filesystem::remove_all(dir);
}
