// Algebraic loops: feedback loops made only of instantaneous elements (nodes, gains,
// static functions: the catalogue's first contraction class). The ordering still finds
// a breaker for such a loop and a run closes it through the previous time point, so it
// alternates or drifts where the equations have a fixed point (unity feedback around a
// gain runs 0, 1, 0, 1 ... while W(s) is 1/2). Compilation accepts the scheme and warns.
#pragma once

#include <string>
#include <vector>

#include "core/model/compiled.h"

namespace velmar {

// The element numbers of each algebraic loop (a strongly connected set of
// instantaneous elements in the link matrix), each set ascending, the sets ordered by
// their lowest number.
std::vector<std::vector<int>> findAlgebraicLoops(const CompiledScheme& compiled);

// The warning that names one loop's elements.
std::string algebraicLoopWarning(const std::vector<int>& members);

}  // namespace velmar
