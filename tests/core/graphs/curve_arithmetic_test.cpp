#include <gtest/gtest.h>

#include <vector>

#include "core/graphs/curve_arithmetic.h"

using namespace velmar;

namespace {

struct Curve {
    std::vector<Real48> x, y;
    Diagram diagram() const { return {x.data(), y.data(), static_cast<int>(x.size()), "c"}; }
};

std::vector<Extended> values(const std::vector<Real48>& v) { return {v.begin(), v.end()}; }

// Slots filled with the given curves (an empty curve leaves its slot free).
ViewerSlots slotsOf(const std::vector<const Curve*>& curves) {
    Diagrams d;
    for (std::size_t i = 0; i < curves.size(); ++i)
        if (curves[i] != nullptr) d[i] = curves[i]->diagram();
    ViewerSlots v;
    v.open(d, 1);
    return v;
}

const Curve kRamp{{0, 1, 2, 3}, {0, 10, 20, 30}};
const Curve kOnes{{0.5, 1.5, 2.5}, {1, 1, 1}};

}  // namespace

TEST(CurveArithmetic, InterpolatesOverTheCommonRange) {
    ViewerSlots v = slotsOf({&kRamp, &kOnes});
    EXPECT_EQ(solveArithmetic(v, 1, CurveOp::Add, 2, "1+2"), "");
    const Slot& r = v.slot(5);
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.diagram.name, "1+2");
    EXPECT_EQ(values(*r.ownX), (std::vector<Extended>{0.5, 1.5, 2.5}));
    EXPECT_EQ(values(*r.ownY), (std::vector<Extended>{6, 16, 26}));
}

TEST(CurveArithmetic, FirstOperandStaysFirstWhicheverDiagramLeads) {
    // The second diagram gives the X values, yet the result is always Y(i) op Y(j).
    const CombinedCurve minus = combineCurves(kRamp.diagram(), CurveOp::Subtract, kOnes.diagram());
    EXPECT_EQ(values(minus.y), (std::vector<Extended>{4, 14, 24}));
    const CombinedCurve reverse = combineCurves(kOnes.diagram(), CurveOp::Subtract, kRamp.diagram());
    EXPECT_EQ(values(reverse.x), (std::vector<Extended>{0.5, 1.5, 2.5}));
    EXPECT_EQ(values(reverse.y), (std::vector<Extended>{-4, -14, -24}));
    // Equal counts: the second diagram leads, points on its X values.
    const Curve other{{0, 1.5, 2, 3}, {2, 2, 2, 2}};
    const CombinedCurve times = combineCurves(kRamp.diagram(), CurveOp::Multiply, other.diagram());
    EXPECT_EQ(values(times.x), (std::vector<Extended>{0, 1.5, 2, 3}));
    EXPECT_EQ(values(times.y), (std::vector<Extended>{0, 30, 40, 60}));
}

TEST(CurveArithmetic, FailedPointsAreLeftOut) {
    const Curve divisor{{0, 1, 2, 3}, {1, 0, 2, 0}};
    const CombinedCurve q = combineCurves(kRamp.diagram(), CurveOp::Divide, divisor.diagram());
    EXPECT_EQ(values(q.x), (std::vector<Extended>{0, 2}));
    EXPECT_EQ(values(q.y), (std::vector<Extended>{0, 10}));
    // A product too large to store is left out as well.
    const Curve huge{{0, 1}, {1e30, 1e30}};
    EXPECT_TRUE(combineCurves(huge.diagram(), CurveOp::Multiply, huge.diagram()).x.empty());
}

TEST(CurveArithmetic, RefusalsLeaveTheSlotsAsTheyWere) {
    const Curve late{{2, 3}, {1, 1}};
    const Curve early{{0, 1}, {1, 1}};
    const Curve zeros{{0, 1}, {0, 0}};
    struct Case {
        std::vector<const Curve*> curves;
        int i, j;
        CurveOp op;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{&early, nullptr}, 1, 2, CurveOp::Add, "Одна из диаграмм не существует"},
        {{&early, &late}, 1, 2, CurveOp::Add, "Нет обших точек"},
        {{&late, &early}, 1, 2, CurveOp::Add, "Нет обших точек"},
        {{&early, &early, &early, &early, &early}, 1, 2, CurveOp::Add, "Hет места"},
        {{&early, &zeros}, 1, 2, CurveOp::Divide, "Нет обших точек"},
    };
    for (const Case& c : cases) {
        ViewerSlots v = slotsOf(c.curves);
        const int free = v.freeSlot();
        EXPECT_EQ(solveArithmetic(v, c.i, c.op, c.j, "x"), c.message);
        if (free != 0) EXPECT_FALSE(v.slot(free).present());
    }
}

TEST(CurveArithmetic, ResultGoesIntoTheHighestFreeSlot) {
    ViewerSlots v = slotsOf({&kRamp, &kOnes, nullptr, &kRamp, nullptr});
    EXPECT_EQ(solveArithmetic(v, 1, CurveOp::Add, 2, "1+2"), "");
    EXPECT_TRUE(v.slot(5).present());
    EXPECT_FALSE(v.slot(3).present());
    EXPECT_EQ(solveArithmetic(v, 1, CurveOp::Add, 2, "1+2"), "");
    EXPECT_TRUE(v.slot(3).present());
}
