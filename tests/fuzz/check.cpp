#include "fuzz/check.h"

#include <cstdio>
#include <cstdlib>

#include "support/model_invariants.h"

namespace velmar::fuzz {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

void requireConsistent(const Scheme& scheme) {
    const std::string problem = velmar::testing::modelProblem(scheme);
    require(problem.empty(), problem.c_str());
}

}  // namespace velmar::fuzz
