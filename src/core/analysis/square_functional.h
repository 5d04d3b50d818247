// The square functional whose optimal characteristic polynomial is a given D(s):
//
//   integral of [x^2 + T1^2 x'^2 + T2^2 x''^2 + ... + T(n-1)^2 x^(n-1)^2] dt = min
//
// With D's coefficients normalised by its constant term (c_i = a_i / a_0, c_0 = 1) the
// weights are gamma_k = c_k^2 - 2 c(k-1) c(k+1) + 2 c(k-2) c(k+2) - ... for k = 1..n
// (terms with indices outside 0..n omitted), so that D(s) D(-s) = sum (-1)^k gamma_k s^2k.
// Orders 1 to 5 are computed. A polynomial given by its roots is multiplied out first.
//
// The stand-alone window "Square Functional Calculation" and the synthesis list's items
// 106, 107 and 108 (D from typed coefficients, typed roots, or the current W(s)'s
// denominator) both use it.
#pragma once

#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

inline constexpr int kMaxFunctionalOrder = 5;

enum class FunctionalStatus { Done, OrderOutOfRange, ZeroConstantTerm, NotConjugate };

struct FunctionalWeights {
    FunctionalStatus status = FunctionalStatus::Done;
    std::vector<Real48> gamma;  // gamma[k - 1] is the weight T_k^2
};

// The message a failed computation shows.
std::string functionalProblem(FunctionalStatus status);

// From D's coefficients in ascending powers (the order is the count less one; exact-zero
// leading coefficients are dropped).
FunctionalWeights squareFunctionalWeights(std::vector<Extended> coefficients);

FunctionalWeights squareFunctionalWeightsFromRoots(const std::vector<std::complex<Extended>>& roots);

// --- the window "Square Functional Calculation" ---

// The count typed into "Roots number /  Polinom order": a whole number from 1 to 30,
// or nothing with a message shown.
std::optional<int> squareFunctionalOrder(Host& host, std::string_view text);

// Column headers: the input grid ("C0".."Cn" for coefficients, "X1".."Xn" for roots,
// whose two rows hold the real and the imaginary part) and the result grid ("T1^2"..).
std::vector<std::string> squareFunctionalInputHeaders(bool byRoots, int count);
std::vector<std::string> squareFunctionalWeightHeaders(int order);

// "Solve": the weights in scientific notation (minimum width 3), one per column. For
// coefficients `first` holds C0..Cn (divided by the leading one before use) and
// `second` is unused; for roots `first` and `second` hold the real and imaginary parts.
// Nothing, with the message shown, when a text is not a number or the weights cannot be
// computed (an order above 5 leaves the grid empty).
std::optional<std::vector<std::string>> solveSquareFunctional(Host& host, bool byRoots,
                                                              const std::vector<std::string>& first,
                                                              const std::vector<std::string>& second);

// --- the synthesis list's "Square integral estimation" (331) ---

// Offers the functional minimisation list until it is left, running each item.
void squareIntegralEstimation(Host& host, const TransferFunction& w);

// Items 106 (D by typed coefficients), 107 (by typed roots) and 108 (W(s)'s
// denominator): the weights reported in the report memo.
void functionalMinimisationItem(Host& host, const TransferFunction& w, MethodCode code);

}  // namespace velmar
