// The main program of a benchmark: "--short" (a few thousand points, so CI sees the
// program run) raises `shortMode`; every other argument goes to Google Benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace velmar {

inline int RunBenchmarks(int argc, char** argv, bool& shortMode) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--short") == 0) shortMode = true;
        else args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace velmar
