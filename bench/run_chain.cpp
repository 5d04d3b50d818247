// Simulation throughput of a long chain of links, against its floor.
//
//   driver/constant   a step source, 98 aperiodic links and a recorder drawn as a
//                     scheme, compiled and run with the constant step through the real
//                     driver; reported in nanoseconds per element-step
//   floor/constant    the same 98 recurrences written out by hand, with the same Real48
//                     rounding of every output: what the arithmetic alone costs
//   driver/variable   a chain of 50 aperiodic links (50 states) run with the variable
//                     step
//
// After the runs the program prints driver/floor per element-step: the cost of the element machinery
// (virtual operations, input links, the instability check, the recorder) over the
// arithmetic. It should stay at 1.3 or below. Then it checks that the driver's final
// outputs are the floor's to the last bit (exit 1 when not).
//
// Full run: ./build/bench/run_chain (100 000 points). Short mode for CI: --short or
// VELMAR_BENCH_SHORT=1 (2 000 points). --save-scheme FILE writes the constant-step chain
// as a scheme file and exits (bench/peers runs it through velmar-cli).
#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/blocks/linear.h"
#include "core/model/compile.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/simulation/driver.h"
#include "core/workbench/workbench.h"
#include "short_mode.h"

using namespace velmar;

namespace {

constexpr int kLinks = 98;          // between the source and the recorder
constexpr int kVariableLinks = 50;  // states of the variable-step chain
constexpr Extended kStep = 0.01L;
constexpr Extended kGain = 1, kTimeConstant = 0.5L;

bool shortMode = false;

Extended runTime() { return shortMode ? 20 : 1000; }  // 2 000 or 100 000 points

// A chain of blocks drawn in bands of 17 left to right; the last block of a band feeds
// the first of the next through a wire that runs back along the gap between the bands.
class ChainScheme {
public:
    explicit ChainScheme(int links) : wb_(host_) {
        std::vector<Element*> chain;
        const int total = links + 2;
        for (int i = 0; i < total; ++i) {
            const int code = i == 0 ? 33 : i == total - 1 ? 62 : 22;
            const int band = i / kPerBand, col = 3 + 5 * (i % kPerBand), row = 2 + 6 * band;
            if (!wb_.scheme.PutCell(col, row, static_cast<std::uint8_t>(code)))
                throw std::logic_error("cannot place the chain");
            Element* e = wb_.scheme.ElementAt(col, row);
            if (code == 22) {
                e->Params[0].Value = kGain;
                e->Params[1].Value = kTimeConstant;
            }
            if (i > 0) wire(*chain.back(), *e);
            chain.push_back(e);
        }
        links_.assign(chain.begin() + 1, chain.end() - 1);
        if (!CompileScheme(wb_)) throw std::logic_error("the chain does not compile");
    }

    // Runs once; the answers fix the step mode, the step and the time. Each run has a
    // host of its own (a scripted host refuses to answer the same dialog twice).
    void run(bool variable, Extended time) {
        ScriptedHost host;
        host.setAnswer("Step", significantText(Real48(kStep)));
        host.setAnswer("Time", significantText(Real48(time)));
        host.setAnswer("Eps", "0.01");
        wb_.host = &host;
        wb_.settings.VariableStep = variable ? 1 : 0;
        const RunOutcome outcome = RunSimulation(wb_);
        wb_.host = &host_;
        if (outcome != RunOutcome::Completed)
            throw std::runtime_error("the chain's run failed: " +
                                     (host.lines.empty() ? "" : host.lines.back()));
    }
    void save(const std::string& file) const { SaveScheme(wb_.scheme, file, labelsFileFor(file)); }
    std::int32_t points() const { return wb_.run.PointCount; }
    int elements() const { return wb_.compiled->N; }
    // The links' outputs after the last run, source side first.
    std::vector<Real48> outputs() const {
        std::vector<Real48> out;
        for (const Element* e : links_) out.push_back(e->Output);
        return out;
    }

private:
    static constexpr int kPerBand = 17;

    void put(int col, int row, int code) { wb_.scheme.PutCell(col, row, static_cast<std::uint8_t>(code)); }
    // Line pieces: 5 horizontal, 6 vertical, corners 7 (left-top), 8 (right-top),
    // 9 (right-bottom), 10 (left-bottom); arrow 1 points right.
    void wire(const Element& from, const Element& to) {
        const int row = from.Row + 1;
        if (to.Row == from.Row) {  // side by side
            put(from.Col + 3, row, 5);
            put(from.Col + 4, row, 1);
            return;
        }
        const int turn = from.Col + 3, gap = from.Row + 4, back = 1, into = to.Row + 1;
        put(turn, row, 10);  // from the left, down
        for (int r = row + 1; r < gap; ++r) put(turn, r, 6);
        put(turn, gap, 7);  // from above, to the left
        for (int c = turn - 1; c > back; --c) put(c, gap, 5);
        put(back, gap, 9);  // from the right, down
        for (int r = gap + 1; r < into; ++r) put(back, r, 6);
        put(back, into, 8);  // from above, to the right
        put(back + 1, into, 1);
    }

    ScriptedHost host_;
    Workbench wb_;
    std::vector<Element*> links_;
};

// The floor: y' = (K u + (T/h) y) / (T/h + 1) down the chain, every output stored.
void floorRun(std::int32_t points, std::vector<Real48>& y) {
    const Extended h = Real48(kStep), K = Real48(kGain), T = Real48(kTimeConstant);
    const Real48 source = 1;
    for (std::int32_t n = 0; n < points; ++n) {
        Extended u = source;
        for (Real48& out : y) {
            out = (K * u + (T / h) * out) / (T / h + 1);
            u = out;
        }
    }
}

void DriverConstant(benchmark::State& state) {
    ChainScheme chain(kLinks);
    for (auto _ : state) chain.run(false, runTime());
    state.counters["points"] = chain.points();
    state.counters["ns_per_element_step"] = benchmark::Counter(
        static_cast<double>(chain.points()) * chain.elements() * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void FloorConstant(benchmark::State& state) {
    const auto points = static_cast<std::int32_t>(runTime() / Real48(kStep));
    std::vector<Real48> y(kLinks);
    for (auto _ : state) {
        std::fill(y.begin(), y.end(), Real48());
        floorRun(points, y);
        benchmark::DoNotOptimize(y.data());
    }
    state.counters["points"] = points;
    state.counters["ns_per_element_step"] =
        benchmark::Counter(static_cast<double>(points) * kLinks * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void DriverVariable(benchmark::State& state) {
    ChainScheme chain(kVariableLinks);
    for (auto _ : state) chain.run(true, shortMode ? 1 : 10);
}

// Keeps the processor time per iteration of every benchmark (steadier than the wall
// clock on a shared machine) to print the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) seconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

// The driver's outputs must be the floor's to the last bit: both step every point.
bool sameOutputs() {
    ChainScheme chain(kLinks);
    chain.run(false, runTime());
    const std::int32_t points = chain.points();
    std::vector<Real48> floor(kLinks);
    floorRun(points, floor);
    const std::vector<Real48> driver = chain.outputs();
    for (int i = 0; i < kLinks; ++i)
        if (!(driver[static_cast<std::size_t>(i)] == floor[static_cast<std::size_t>(i)])) {
            std::cout << "the driver's link " << i + 1 << " ends at "
                      << significantText(driver[static_cast<std::size_t>(i)]) << ", the floor's at "
                      << significantText(floor[static_cast<std::size_t>(i)]) << "\n";
            return false;
        }
    std::cout << "driver and floor end with the same outputs to the last bit (" << kLinks << " links, "
              << points << " points)\n";
    return true;
}

}  // namespace

BENCHMARK(DriverConstant)->Name("driver/constant")->Unit(benchmark::kMillisecond);
BENCHMARK(FloorConstant)->Name("floor/constant")->Unit(benchmark::kMillisecond);
BENCHMARK(DriverVariable)->Name("driver/variable")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    std::vector<char*> args;
    for (int i = 0; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--save-scheme") == 0) {
            ChainScheme(kLinks).save(argv[i + 1]);  // for bench/peers
            return 0;
        }
    shortMode = velmar::bench::TakeShortMode(argc, argv, args);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto driver = reporter.seconds.find("driver/constant");
    const auto floor = reporter.seconds.find("floor/constant");
    if (driver != reporter.seconds.end() && floor != reporter.seconds.end() && floor->second > 0) {
        // per element-step: the driver steps kLinks + 2 elements, the floor kLinks links
        const double ratio = (driver->second / (kLinks + 2)) / (floor->second / kLinks);
        std::cout << "driver/floor ratio per element-step (constant step): " << ratio << "\n";
    }
    return sameOutputs() ? 0 : 1;
}
