// The computation order of a compiled scheme: contraction passes that find the loop
// breakers, then the dependency order of everything else.
#pragma once

#include <vector>

#include "core/model/compiled.h"
#include "core/model/wire_trace.h"

namespace velmar {

// Completes `order`, which arrives holding the sources (their outgoing links already
// removed from `work`, the working copy of compiled.LinkMatrix): appends the loop
// breakers found by the two contraction passes over `work`, then every other element
// once all its feeders in compiled.LinkMatrix are placed. Returns the numbers of the
// elements that lie on a loop without a breaker (nothing is placed after them); empty
// when every element was placed.
std::vector<int> orderElements(const CompiledScheme& compiled, LinkTable& work, std::vector<int>& order);

}  // namespace velmar
