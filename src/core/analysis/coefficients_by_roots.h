// Coefficients by roots (82): a polynomial typed as its roots, multiplied out and taken
// into the hand entry of an analysis block.
#pragma once

namespace velmar {

class Host;
struct PolynomialEntry;

// The roots ("Roots number", then "Re"k and "Im"k; complex roots in conjugate pairs),
// multiplied out into a monic polynomial of that degree, which is shown on the drawing
// area as coefficient lines ("c 0 =   2.00000") and offered, "Take as", as the
// denominator B(s) or the numerator A(s) of `hand` (its initial values then 0). True
// when it was taken; a cancelled dialog or roots that are not in pairs change nothing.
bool coefficientsByRoots(Host& host, PolynomialEntry& hand);

}  // namespace velmar
