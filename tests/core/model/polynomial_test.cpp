#include "core/model/polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/errors.h"

namespace velmar {
namespace {

std::vector<Extended> coeffs(const Polynomial& p) {
    std::vector<Extended> v;
    for (int i = 0; i <= p.order() && !p.empty(); ++i) v.push_back(p[i]);
    return v;
}

TEST(Polynomial, ArithmeticKeepsOrdersAndTrims) {
    Polynomial a{1, 2};     // 1 + 2s
    Polynomial b{3, 0, 1};  // 3 + s^2
    EXPECT_EQ(coeffs(a * b), (std::vector<Extended>{3, 6, 1, 2}));
    EXPECT_EQ(coeffs(a + b), (std::vector<Extended>{4, 2, 1}));

    Polynomial c{0, 0, 1};
    Polynomial minusC = c;
    minusC.Negate();
    c.Add(minusC);  // the leading terms cancel: Trim stops at order 0
    EXPECT_EQ(c.order(), 0);
    EXPECT_EQ(c[0], 0);

    Polynomial acc{1};
    acc.MultiplyAdd(a, b);  // 1 + (1 + 2s)(3 + s^2)
    EXPECT_EQ(coeffs(acc), (std::vector<Extended>{4, 6, 1, 2}));
    Polynomial empty;
    empty.MultiplyAdd(a, a);
    EXPECT_EQ(coeffs(empty), (std::vector<Extended>{1, 4, 4}));
}

TEST(Polynomial, ShapeOperations) {
    const Polynomial p{1, 2, 3, 4};  // 1 + 2s + 3s^2 + 4s^3
    Polynomial r = p;
    r.Reverse();
    EXPECT_EQ(coeffs(r), (std::vector<Extended>{4, 3, 2, 1}));
    EXPECT_EQ(coeffs(p.Derivative()), (std::vector<Extended>{2, 6, 12}));
    EXPECT_EQ(coeffs(p.EvenPart()), (std::vector<Extended>{1, 3}));
    Polynomial up = p;
    up.ShiftUp();
    EXPECT_EQ(coeffs(up), (std::vector<Extended>{0, 1, 2, 3, 4}));
    up.DropConstant();
    EXPECT_EQ(up, p);
    Polynomial n{2, 0, 4, 0};
    n.Normalise();
    EXPECT_EQ(coeffs(n), (std::vector<Extended>{0.5L, 0, 1}));
    EXPECT_EQ(p.Evaluate(2), 1 + 4 + 12 + 32);
    EXPECT_THROW(p.Coefficient(4), std::out_of_range);
}

TEST(Polynomial, CoefficientsAreStoredAsSixByteReals) {
    Polynomial p{0.01L};
    EXPECT_EQ(p[0], static_cast<Extended>(Real48(0.01L)));
    EXPECT_NE(p[0], 0.01L);
}

TEST(Polynomial, OrderIsBoundedBy255) {
    Polynomial big;
    big.Allocate(200);
    Polynomial other;
    other.Allocate(56);
    big.set(200, 1);
    other.set(56, 1);
    EXPECT_THROW(big.Multiply(other), MathError);
    EXPECT_THROW(big.Allocate(256), MathError);
}

TEST(Polynomial, SplitAtJwAlternatesSignsEverySecondPower) {
    const Polynomial a{1, 2, 3, 4, 5, 6};
    Polynomial P, Q;
    a.SplitAtJw(P, Q);
    EXPECT_EQ(coeffs(P), (std::vector<Extended>{1, 0, -3, 0, 5}));
    EXPECT_EQ(coeffs(Q), (std::vector<Extended>{0, 2, 0, -4, 0, 6}));
}

}  // namespace
}  // namespace velmar
