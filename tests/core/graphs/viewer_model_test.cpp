#include <gtest/gtest.h>

#include <vector>

#include "core/graphs/graph_scale.h"
#include "core/graphs/point_cursor.h"
#include "core/graphs/viewer_slots.h"

using namespace velmar;

namespace {

struct Curve {
    std::vector<Real48> x, y;
    Diagram diagram(std::string name = "c") const {
        return {x.data(), y.data(), static_cast<int>(x.size()), std::move(name)};
    }
};

Curve curve(std::vector<Real48> x, std::vector<Real48> y) { return {std::move(x), std::move(y)}; }

const PlotArea kArea = PlotArea::forImage(590, 427);  // a 500 x 400 plot area

}  // namespace

TEST(GraphHeading, KindsSetTitlesAndAxisCaptions) {
    GraphHeading h;
    h.applyKind(1);
    EXPECT_EQ(h.title, " Переходный процесс");
    h.applyKind(10);
    EXPECT_EQ(h.title, " Л А Ч Х ");  // the title of kind 6
    // 8, 9 and 13 keep the title they find and name the axis.
    h.applyKind(8);
    EXPECT_EQ(h.title, " Л А Ч Х ");
    EXPECT_EQ(h.axisCaption, "Re (w) ");
    h.applyKind(13);
    EXPECT_EQ(h.axisCaption, "Mikhailov's Godograph");
    h.applyKind(12);
    EXPECT_FALSE(h.title.empty());
    EXPECT_TRUE(h.axisCaption.empty());
}

TEST(ViewerSlots, OpeningTakesOnlyDiagramsWithBothArrays) {
    const Curve c = curve({0, 1}, {2, 3});
    Diagrams d;
    d[0] = c.diagram("a");
    d[2] = {c.x.data(), nullptr, 2, "half"};
    ViewerSlots v;
    v.setCurrent(3);
    v.open(d, 2);
    EXPECT_EQ(v.current(), 1);
    EXPECT_TRUE(v.slot(1).present());
    EXPECT_FALSE(v.slot(3).present());
    EXPECT_EQ(v.heading().title, " Фазовая плоскость");
    // The arrays stay the caller's.
    EXPECT_EQ(v.slot(1).diagram.x, c.x.data());
}

// A recorder's curves outlive its arrays: the slots hold copies, as the run handed them.
TEST(ViewerSlots, CopiesOutliveTheArraysTheyWereTakenFrom) {
    ViewerSlots v;
    {
        const Curve c = curve({0, 1, 2}, {5, 6, 7});
        Diagrams d;
        d[1] = c.diagram("Number:5");
        v.openCopies(d, 1);
        EXPECT_NE(v.slot(2).diagram.x, c.x.data());
    }
    ASSERT_TRUE(v.slot(2).present());
    EXPECT_FALSE(v.slot(1).present());
    EXPECT_EQ(v.slot(2).count(), 3);
    EXPECT_EQ(v.slot(2).y(2), 7);
    EXPECT_TRUE(v.slot(2).handed);
    EXPECT_EQ(v.heading().title, " Переходный процесс");
}

TEST(ViewerSlots, CurrentSlotWrapsBetweenOneAndFive) {
    ViewerSlots v;
    v.previous();
    EXPECT_EQ(v.current(), 5);
    v.next();
    EXPECT_EQ(v.current(), 1);
    v.next();
    EXPECT_EQ(v.current(), 2);
}

TEST(ViewerSlots, FreeSlotIsTheHighestEmptyOne) {
    const Curve c = curve({0, 1}, {0, 1});
    struct Case {
        std::vector<int> occupied;
        int free;
    };
    for (const Case& k :
         std::vector<Case>{{{1, 2, 4}, 5}, {{1, 2, 3, 5}, 4}, {{}, 5}, {{1, 2, 3, 4, 5}, 0}}) {
        Diagrams d;
        for (int n : k.occupied) d[static_cast<std::size_t>(n - 1)] = c.diagram();
        ViewerSlots v;
        v.open(d, 1);
        EXPECT_EQ(v.freeSlot(), k.free);
    }
}

TEST(ViewerSlots, SavedStateOutlivesTheSlotsItWasTakenFrom) {
    ViewerSlots v;
    v.put(2, ownedSlot({1, 2, 3}, {4, 5, 6}, 3, "own"));
    const ViewerSlots::State saved = v.save();
    v.setCurrent(2);
    EXPECT_TRUE(v.removeCurrent());
    EXPECT_FALSE(v.removeCurrent());
    v.restore(saved);
    ASSERT_TRUE(v.slot(2).present());
    EXPECT_EQ(v.slot(2).y(2), 6);
}

TEST(GraphScale, ConstantCurveIsShownFromZero) {
    const Curve up = curve({0, 1, 2}, {2, 2, 2});
    const Curve down = curve({0, 1, 2}, {-2, -2, -2});
    ViewerSlots v;
    Diagrams d;
    d[0] = up.diagram();
    v.open(d, 1);
    GraphScale s = computeScale(v.all(), kArea);
    EXPECT_EQ(s.yMin, 0);
    EXPECT_EQ(s.yMax, 2);
    EXPECT_EQ(s.py(2), kArea.top);
    EXPECT_EQ(s.py(0), kArea.bottom);
    // A constant below zero lies at the bottom, with zero at the top.
    d[0] = down.diagram();
    v.open(d, 1);
    s = computeScale(v.all(), kArea);
    EXPECT_EQ(s.yMin, -2);
    EXPECT_EQ(s.yMax, 0);
    EXPECT_EQ(s.py(-2), kArea.bottom);
}

TEST(GraphScale, ZeroRangesAndSinglePoints) {
    const Curve zero = curve({0, 0}, {0, 0});
    Diagrams d;
    d[0] = zero.diagram();
    ViewerSlots v;
    v.open(d, 1);
    GraphScale s = computeScale(v.all(), kArea);
    EXPECT_EQ(s.xMax, 1e-35L);
    EXPECT_EQ(s.yMax, 1e-35L);
    EXPECT_EQ(s.px(0), kArea.left);
    EXPECT_EQ(s.py(0), kArea.bottom);
    // A single X value scales by its size and sits at the left edge.
    const Curve vertical = curve({4, 4}, {1, 3});
    d[0] = vertical.diagram();
    v.open(d, 1);
    s = computeScale(v.all(), kArea);
    EXPECT_EQ(s.xScale, 500.0L / 4);
    EXPECT_EQ(s.px(4), kArea.left);
}

// Roots drawn as crosses three pixels wide: every cross lies inside the frame, also
// when all roots are real or there is only one.
TEST(GraphScale, MarkedPointsKeepClearOfTheFrame) {
    const std::vector<Curve> cases = {curve({-1, -2, -0.5}, {0, 0, 0}), curve({-1, -1, -3}, {2, -2, 0}),
                                      curve({-2}, {0}), curve({0}, {0})};
    for (const Curve& c : cases) {
        Diagrams d;
        d[0] = c.diagram();
        ViewerSlots v;
        v.open(d, 12);
        const GraphScale s = computeScale(v.all(), kArea, 1, true);
        for (std::size_t i = 0; i < c.x.size(); ++i) {
            const int x = s.px(c.x[i]), y = s.py(c.y[i]);
            EXPECT_GE(x, kArea.left + 4) << i;
            EXPECT_LE(x, kArea.right - 4) << i;
            EXPECT_GE(y, kArea.top + 4) << i;
            EXPECT_LE(y, kArea.bottom - 4) << i;
        }
    }
}

TEST(GraphScale, RangeEndsThatAreZeroWithinTheTextsAreShownAsZero) {
    EXPECT_EQ(shownRangeEnd(-1.8e-18L, -1.8e-18L, 2.5L), 0);
    EXPECT_EQ(shownRangeEnd(1e-7L, -1, 1e-7L), 0);
    EXPECT_EQ(shownRangeEnd(0.001L, 0.001L, 1), 0.001L);           // small, but not zero on this axis
    EXPECT_EQ(shownRangeEnd(-3e-20L, -3e-20L, -1e-20L), -3e-20L);  // a range of tiny values
}

TEST(GraphScale, PointsMapOntoThePlotAreaAcrossCurves) {
    const Curve a = curve({-1, 0, 1}, {0, 10, 0});
    const Curve b = curve({0, 3}, {-10, 5});
    Diagrams d;
    d[0] = a.diagram();
    d[3] = b.diagram();
    ViewerSlots v;
    v.open(d, 1);
    GraphScale s = computeScale(v.all(), kArea);
    EXPECT_EQ(s.px(-1), kArea.left);
    EXPECT_EQ(s.px(3), kArea.right);
    EXPECT_EQ(s.xZero, kArea.left + 125);
    EXPECT_EQ(s.py(10), kArea.top);
    EXPECT_EQ(s.py(-10), kArea.bottom);
    EXPECT_EQ(s.yZero, kArea.top + 200);
    EXPECT_TRUE(s.xAxisShown(kArea));
    EXPECT_TRUE(s.yAxisShown(kArea));
    // The user's stretch scales about y = 0 and shows in the Y factor.
    s = computeScale(v.all(), kArea, 2);
    EXPECT_EQ(s.py(5), kArea.top);
    EXPECT_EQ(s.shownY(), 2 * s.yScale);
}

TEST(GraphScale, AxesOutsideThePlotAreaAreNotShown) {
    const Curve c = curve({1, 2}, {5, 6});
    Diagrams d;
    d[0] = c.diagram();
    ViewerSlots v;
    v.open(d, 1);
    const GraphScale s = computeScale(v.all(), kArea);
    EXPECT_FALSE(s.xAxisShown(kArea));
    EXPECT_FALSE(s.yAxisShown(kArea));
}

TEST(PointCursor, MovesWithinTheDiagram) {
    struct Case {
        int cursor, count;
        CursorKey key;
        int expected;
    };
    const std::vector<Case> cases = {
        {0, 5, CursorKey::Up, 1},      {4, 5, CursorKey::Up, 4},     {0, 5, CursorKey::Down, 0},
        {3, 5, CursorKey::Down, 2},    {0, 100, CursorKey::Tab, 10}, {89, 100, CursorKey::Tab, 99},
        {90, 100, CursorKey::Tab, 90}, {2, 5, CursorKey::Enter, 3},  {4, 5, CursorKey::Enter, 3},
        {0, 0, CursorKey::Up, 0},      {7, 5, CursorKey::Down, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(moveCursor(c.cursor, c.count, c.key), c.expected)
            << c.cursor << " of " << c.count << " key " << static_cast<int>(c.key);
}

TEST(Magnifier, RangeOfTwoChosenPoints) {
    const auto r = magnifierRange(40, 10);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, 10);
    EXPECT_EQ(r->count, 30);  // points 10..39
    EXPECT_FALSE(magnifierRange(10, 11));
    EXPECT_FALSE(magnifierRange(7, 7));
    EXPECT_TRUE(magnifierRange(11, 9));

    std::vector<Real48> x, y;
    for (int i = 0; i < 50; ++i) x.push_back(i), y.push_back(i * i);
    Slot source;
    source.diagram = {x.data(), y.data(), 50, "t"};
    const Slot m = magnifiedSlot(source, *r);
    EXPECT_EQ(m.diagram.name, "  Лупа");
    ASSERT_EQ(m.count(), 30);
    EXPECT_EQ(m.x(0), 10);
    EXPECT_EQ(m.y(29), 39 * 39);
}
