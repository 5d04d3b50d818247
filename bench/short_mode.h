// The short mode of the benchmark programs (a few thousand points, so the test suite
// sees every program run): the argument --short, or VELMAR_BENCH_SHORT set to anything
// but 0.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace velmar::bench {

// Takes --short out of the arguments handed on to Google Benchmark.
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

// The whole main program of a benchmark with the default reporter.
inline int RunBenchmarks(int argc, char** argv, bool& shortMode) {
    std::vector<char*> args;
    shortMode = TakeShortMode(argc, argv, args);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace velmar::bench
