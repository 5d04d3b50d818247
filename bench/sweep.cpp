// velmar-cli's sweep as a whole process: the demo's gain K (element 4) swept over many
// values, each a 0.5 s constant-step run, the CSV written to /dev/null.
//
//   sweep/values         20 000 values, reported as the wall time, the values per second
//                        and the process's peak memory (peak_MiB)
//   sweep/memory_bound   the peak memory of 1 000 and of 100 000 values and their ratio:
//                        a sweep writes each value as it is done, so the ratio must stay
//                        within 1.5; the program exits with 1 when it does not
//
// Peak memory is the child's ru_maxrss as wait4 reports it. Full run:
// ./build/bench/sweep. Short mode for CI: --short or VELMAR_BENCH_SHORT=1 (2 000 values;
// 100 against 5 000 for the bound).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "short_mode.h"

namespace {

bool shortMode = false;
bool boundBroken = false;

constexpr double kAllowedGrowth = 1.5;

struct ChildRun {
    double seconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

// `velmar-cli run demo --sweep 4:K=0.5:END:0.00001` over `values` values.
ChildRun sweep(std::size_t values) {
    const std::string end = std::to_string(0.5 + 0.00001 * static_cast<double>(values - 1));
    const std::string range = "4:K=0.5:" + end + ":0.00001";
    const std::string demo = std::string(VELMAR_DATA_DIR) + "/Schemes/demo.shm";
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(VELMAR_CLI, "velmar-cli", "run", demo.c_str(), "--answer", "Time=0.5", "--sweep",
                range.c_str(), "--csv", "/dev/null", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ChildRun run;
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) <= 1;
    return run;
}

void Values(benchmark::State& state) {
    const std::size_t values = shortMode ? 2000 : 20000;
    for (auto _ : state) {
        const ChildRun run = sweep(values);
        if (!run.ok) state.SkipWithError("velmar-cli failed");
        state.SetIterationTime(run.seconds);
        state.counters["peak_MiB"] = run.peakMiB;
        state.counters["values/s"] = static_cast<double>(values) / run.seconds;
    }
}
BENCHMARK(Values)->Name("sweep/values")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

void MemoryBound(benchmark::State& state) {
    const std::size_t few = shortMode ? 100 : 1000, many = shortMode ? 5000 : 100000;
    for (auto _ : state) {
        const ChildRun small = sweep(few), large = sweep(many);
        if (!small.ok || !large.ok) state.SkipWithError("velmar-cli failed");
        const double ratio = large.peakMiB / small.peakMiB;
        state.SetIterationTime(small.seconds + large.seconds);
        state.counters["few_MiB"] = small.peakMiB;
        state.counters["many_MiB"] = large.peakMiB;
        state.counters["ratio"] = ratio;
        if (ratio > kAllowedGrowth) {
            boundBroken = true;
            state.SkipWithError("the peak memory grows with the number of values");
        }
    }
}
BENCHMARK(MemoryBound)->Name("sweep/memory_bound")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (velmar::bench::RunBenchmarks(argc, argv, shortMode) != 0) return 1;
    return boundBroken ? 1 : 0;
}
