// Roots of real polynomials.
//
// FindRoots: Cauchy's method (iteration on the quadratic Taylor approximation of P) in
// complex arithmetic with deflation. Each root starts from 0; up to 6 passes of 30
// steps, the tolerance 1e-5 growing tenfold after each failed pass. A pass that fails
// six times ends the search: the roots found so far stay valid (status Partial, or
// NotFound when it ended with at most one). Roots are sorted by real part, largest first.
//
// bairstowRoots: quadratic factors s^2 + p s + q by Bairstow's iteration, converged
// when the length of the correction is at most 1e-4. It serves the Mikhailov criterion.
//
// Both accept orders up to kMaxRootOrder; a higher order is refused (OrderTooHigh)
// before any iteration.
#pragma once

#include <vector>

#include "core/model/polynomial.h"

namespace velmar {

inline constexpr int kMaxRootOrder = 30;

// Found: every root. Partial: the search ended early, the roots listed are valid.
// NotFound: no root, or the search ended early with at most one. OrderTooHigh: refused,
// nothing computed.
enum class RootStatus { Found, Partial, NotFound, OrderTooHigh };

struct RootList {
    RootStatus status = RootStatus::Found;
    std::vector<Real48> re;  // real parts
    std::vector<Real48> im;  // imaginary parts; a conjugate pair is stored (x, y), (x, -y)
    int count() const { return static_cast<int>(re.size()); }
};

// The roots of p (a first-degree polynomial's one root is Found like any other).
RootList FindRoots(const Polynomial& p);

// All roots of p by Bairstow's iteration; NotFound when a factor does not converge.
// Zero roots are split off first, exactly.
RootList bairstowRoots(const Polynomial& p);

// The message shown when the roots list or the calculator finds no roots (NotFound).
inline constexpr const char* kNotFoundRoots = "Not found roots";
// The message shown when a polynomial is of too high an order for the root finders.
inline constexpr const char* kRootOrderTooHigh = "The roots are found for orders up to 30 only";

}  // namespace velmar
