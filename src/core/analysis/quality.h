// Error coefficients of W(s) = A(s)/B(s) (the quality list's "Error coeficients").
//
// W(s) is expanded in powers of s by series division, W = d0 + d1 s + d2 s^2 + ...,
// d0 = a0/b0 and di = (ai - sum(j = 1..i) bj d(i-j)) / b0; the error coefficients are
// Ci = i! di. Coefficients above a polynomial's order count as 0.
#pragma once

#include <optional>
#include <vector>

#include "core/model/polynomial.h"

namespace velmar {

class Host;

// The most coefficients asked for: 30! is near the largest factorial a 6-byte real holds.
inline constexpr int kMaxErrorCoefficient = 30;

// C0..Ck; nothing when b0 is 0 (W has a pole at s = 0 and the series has no terms).
// A coefficient too large for a 6-byte real raises MathError.
std::optional<std::vector<Real48>> errorCoefficients(const TransferFunction& w, int k);

// Code 101: asks k ("Input quantity of koef:", " C[0],C[1],.... C[k]  ", "k"), clears
// the drawing area and writes the heading and one line "C[i] = " per coefficient.
void showErrorCoefficients(Host& host, const TransferFunction& w);

}  // namespace velmar
