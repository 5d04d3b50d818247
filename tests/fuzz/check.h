// What every fuzz target insists on: a consistent model after any input.
#pragma once

#include "core/model/scheme.h"

namespace velmar::fuzz {

// Stops the fuzzer with the broken rule when the condition does not hold.
void require(bool condition, const char* what);
void requireConsistent(const Scheme& scheme);

}  // namespace velmar::fuzz
