// The observable canonical form of a transfer function W(s) = A(s) / B(s), used by
// the linear links in a variable-step run.
//
// With B of degree n >= 1 normalised by its leading coefficient (b_n = 1 after
// division) and d = a_n / b_n the direct feed-through (0 when A has a lower degree):
//   x1' = -b0 xn + (a0 - b0 d) u
//   xi' = x(i-1) - b(i-1) xn + (a(i-1) - b(i-1) d) u      i = 2 .. n
//   y   = xn + d u
// The states occupy x[k] .. x[k + n - 1] of the run's state vector (1-based).
//
// Limits: A may not have a higher degree than B (an improper link has no state form;
// prepare() refuses it with "Error in input data"); a zero leading coefficient of B
// raises the division-by-zero fault.
#pragma once

#include <vector>

#include "core/model/element.h"
#include "core/model/polynomial.h"

namespace velmar {

class StateForm {
public:
    void prepare(const Polynomial& A, const Polynomial& B);
    int order() const { return static_cast<int>(b_.size()); }

    // y = xn + d u
    Extended output(int k, const StateVector& x, Extended u) const;
    // dx[k .. k + n - 1]
    void rates(int k, const StateVector& x, Extended u, StateVector& dx) const;

private:
    std::vector<Real48> a_;  // a_i - b_i d, i = 0 .. n-1, normalised
    std::vector<Real48> b_;  // b_i, i = 0 .. n-1, normalised
    Real48 d_;
};

}  // namespace velmar
