// Checks that the grid and the element list of a scheme agree, as every model operation
// and every file reader must leave them.
#pragma once

#include <string>

#include "core/model/scheme.h"

namespace velmar::testing {

// An empty text when the scheme is consistent, else the first broken rule:
// - the list is sorted by (Col, Row), numbered 1..N, at most 255 long;
// - every element's cell (or all nine cells of its square) holds its code, and a
//   square's top-left cell passes the diagonal rule;
// - every cell with a code 17..143 belongs to an element, every cell of 22..144 to a
//   whole square; no code above 144 is stored;
// - no element touches another (the ring around each element is free of others).
std::string modelProblem(const Scheme& scheme);

}  // namespace velmar::testing
