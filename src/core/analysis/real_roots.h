// Real roots of real polynomials, for the methods that need every crossing of an axis
// rather than the complex roots: the phase crossovers of the harmonic linearisation
// and the tangent points of the Popov line.
//
// Between two neighbouring real roots of P' the polynomial is monotone, so it has at
// most one root there; that root is found by bisection to the full precision of
// Extended. The roots of P' come the same way, recursively, down to a linear
// polynomial; every root lies within Cauchy's bound 1 + max |c_i / c_n|. A root is
// reported where P changes sign or is exactly 0; a root of even multiplicity that P
// only touches in rounding is not (such a point crosses nothing).
#pragma once

#include <vector>

#include "core/analysis/coefficients.h"

namespace velmar {

// The real roots of c, ascending; a multiple root once.
std::vector<Extended> realRoots(Coefficients c);

// The positive real roots of a polynomial in w that holds only even powers once its
// factors w are taken out: the constant term is stripped while it is 0 (dividing by
// w), the even coefficients form a polynomial in w^2, and the square roots of its
// positive real roots are the result, ascending.
std::vector<Extended> positiveRealRoots(Coefficients c);
std::vector<Extended> positiveRealRoots(const Polynomial& p);

}  // namespace velmar
