// Polynomial: a real polynomial in s with 6-byte real coefficients in ascending powers
// (coefficient 0 is the constant term). Every block's numerator and denominator, every
// transfer function and the state vectors of the variable-step run use it; it is a value
// type of the model, below the blocks and the analysis.
//
// An empty polynomial has order 0 and no coefficients (it reads as 0). Orders are
// bounded by 255 everywhere; an operation that would exceed it raises MathError.
// Arithmetic is done in Extended and every coefficient is stored back as a Real48.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/real48.h"

namespace velmar {

inline constexpr int kMaxOrder = 255;

class Polynomial {
public:
    Polynomial() = default;
    Polynomial(std::initializer_list<Extended> coefficients);  // ascending powers
    static Polynomial constant(Extended c) { return Polynomial{c}; }

    bool empty() const { return c_.empty(); }
    int order() const { return c_.empty() ? 0 : static_cast<int>(c_.size()) - 1; }

    // Coefficient i, i from 0 to order(); an index above the order is a programming
    // fault and throws std::out_of_range.
    Extended Coefficient(int i) const;
    Extended operator[](int i) const { return Coefficient(i); }
    void set(int i, Extended value);  // i from 0 to order()
    const std::vector<Real48>& coefficients() const { return c_; }

    void Clear() { c_.clear(); }
    void Allocate(int order);  // order + 1 zero coefficients
    void Negate();
    void Add(const Polynomial& other);       // takes the larger order, then Trim
    void Multiply(const Polynomial& other);  // order = sum of orders, then Trim
    // self += x * y, summed in Extended and stored once; the order is the larger of
    // self's and order(x) + order(y), then Trim.
    void MultiplyAdd(const Polynomial& x, const Polynomial& y);
    void Reverse();                       // coefficient i becomes coefficient order - i
    void Trim();                          // drop exactly-zero leading coefficients
    Extended Evaluate(Extended x) const;  // Horner, from the highest coefficient down
    Polynomial Derivative() const;
    void ShiftUp();               // multiply by s
    void DropConstant();          // divide by s, discarding the constant term
    Polynomial EvenPart() const;  // coefficients 0, 2, 4, ... as a polynomial in s^2
    void Normalise();             // Trim, then divide by the leading coefficient

    // P(w) = Re A(jw) and Q(w) = Im A(jw) as real polynomials in w: P holds c0, -c2, c4,
    // -c6, ... at the even powers, Q holds c1, -c3, c5, ... at the odd powers.
    void SplitAtJw(Polynomial& P, Polynomial& Q) const;

    friend bool operator==(const Polynomial& a, const Polynomial& b) { return a.c_ == b.c_; }

private:
    std::vector<Real48> c_;
};

Polynomial operator*(const Polynomial& a, const Polynomial& b);
Polynomial operator+(const Polynomial& a, const Polynomial& b);

// W(s) = A(s) / B(s): the numerator (letter "a", order m) and denominator ("b", order n).
struct TransferFunction {
    Polynomial A;
    Polynomial B;
};

}  // namespace velmar
