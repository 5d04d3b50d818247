// The short mode of the benchmark programs (a few thousand points, so the test suite
// sees every program run): the argument --short, or VELMAR_BENCH_SHORT set to anything
// but 0. Takes --short out of the arguments handed on to Google Benchmark.
#pragma once

#include <cstdlib>
#include <cstring>
#include <vector>

namespace velmar::bench {

inline bool TakeShortMode(int argc, char** argv, std::vector<char*>& rest) {
    bool on = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--short") == 0) on = true;
        else rest.push_back(argv[i]);
    }
    if (const char* env = std::getenv("VELMAR_BENCH_SHORT"); env && *env && std::strcmp(env, "0") != 0)
        on = true;
    return on;
}

}  // namespace velmar::bench
