// Reduction of a compiled scheme to the transfer function W(s) = A(s)/B(s) between an
// entry element E and an output element O (the analysis block).
//
// 1. Search: walk the connections backwards from O (feeders in increasing number,
//    depth first, never past E). Every element met other than E must be of a type the
//    catalogue marks reducible (nodes 17..20, the linear links, delay, inverter and
//    sources 22..37, 46, 49..59, 64, 91..93, the filters 138..143); the first that is
//    not refuses the reduction with "Nedopustimyi block : " and its number.
// 2. Loops: a feedback loop is cut at a summing or subtracting block (17..20), or at E.
//    A loop of other elements only cannot be reduced and is refused, naming one of its
//    elements.
// 3. Taking part: E and every element met that E reaches, i.e. every element on a
//    branch from E to O, loops included.
// 4. Matrix: entry (d, e) for a connection d -> e is e's Numerator, negated for an
//    ordinary link (value 1) and kept for a link into a subtracting input (2); entry
//    (e, e) is e's Denominator. Sources, E and non-participants are removed; E's row,
//    negated, is the right-hand side.
// 5. B(s) = det M; A(s) = det M with the row of O's first feeder replaced by E's row.
//    Determinants are permutation expansions pruned at empty entries, so their cost
//    follows the scheme's actual paths.
// When nothing remains after the removal (E does not reach O, or E feeds O directly and
// nothing else takes part), the reduction leaves W(s) as it was. When E itself is O's
// first feeder, W(s) = 1 (A = B).
#pragma once

#include <string>
#include <vector>

#include "core/model/polynomial.h"

namespace velmar {

struct CompiledScheme;
class Element;

enum class ReductionStatus { Reduced, Unchanged, Refused };

struct ReductionResult {
    ReductionStatus status = ReductionStatus::Unchanged;
    TransferFunction w;   // when Reduced
    std::string message;  // when Refused: the error box text
};

// An output outside 1..N or an entry outside 0..N of the compiled scheme (numbers of
// a scheme changed since) is refused with kStaleCompilation.
ReductionResult reduceScheme(const CompiledScheme& compiled, int output, int entry);
inline constexpr const char* kStaleCompilation =
    "The scheme has changed since it was compiled: enter Run again";

// A square matrix of polynomials; an empty polynomial is an empty entry.
using PolynomialMatrix = std::vector<std::vector<Polynomial>>;

// The determinant by the permutation expansion, enumerated row by row with columns in
// increasing order and pruned at the first empty entry. A 0 x 0 matrix gives 1.
Polynomial Determinant(const PolynomialMatrix& m);

// The numerator an element contributes on a path: its own Numerator, except the
// inverter (32), which has no polynomials of its own and contributes -1.
Polynomial pathNumerator(const Element& e);

}  // namespace velmar
