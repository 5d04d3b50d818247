// Stability tests of a characteristic polynomial D(s) = d0 + d1 s + ... + dn s^n.
//
// Routh: the Routh table row by row; a first-column element of at most 1e-7 in rows
// 1..n-1 stops the table and leaves the number of right roots undetermined. Tables
// grow with the order (no fixed bound).
// Hurwitz: the leading principal minors of the Hurwitz matrix by Gaussian elimination
// with complete pivoting; a remaining square that is all zero gives the minor 0.
// Mikhailov: D(jw) = X(w) + j Y(w); stable when the real roots of X and Y interlace
// (found by the Bairstow finder, so orders up to 30) and dn, d(n-1) have one sign.
#pragma once

#include <vector>

#include "core/model/polynomial.h"

namespace velmar {

inline constexpr Extended kRouthZero = 1e-7L;
inline constexpr Extended kHurwitzZero = 1e-6L;

struct RouthResult {
    std::vector<Real48> firstColumn;  // T[0][0] .. T[n][0]; rows not computed hold 0
    bool determined = true;           // false when the table stopped
    int rightRoots = 0;               // sign changes of the first column (when determined)
};
RouthResult routhTable(const Polynomial& d);

enum class HurwitzVerdict { Stable, Border, Unstable };
struct HurwitzResult {
    std::vector<Real48> minors;  // Delta_1 .. Delta_n, those within 1e-6 of 0 set to 0
    HurwitzVerdict verdict = HurwitzVerdict::Stable;
};
HurwitzResult hurwitzMinors(const Polynomial& d);

// The real and imaginary parts of D(jw) as full-length coefficient arrays in w:
// X holds the even coefficients (negated when k mod 4 = 2), Y the odd ones (negated
// when k mod 4 = 3), zeros elsewhere.
struct MikhailovParts {
    Polynomial X;
    Polynomial Y;
    explicit MikhailovParts(const Polynomial& d);
};

// The verdict by interlacing of the non-negative roots of X and Y. A root finder that
// fails, or a root with a non-negative real part off the real axis, means unstable.
bool mikhailovStable(const Polynomial& d);

}  // namespace velmar
