// Costs of the analysis: the reduction of a scheme to W(s) by the pruned permutation
// expansion, and one frequency characteristic over a fine grid.
//
// Full run: ./build/bench/analysis (100 000 frequencies). Short mode for CI: --short
// (2 000 frequencies).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/analysis/frequency.h"
#include "core/analysis/reduction.h"
#include "core/blocks/linear.h"
#include "core/model/compiled.h"
#include "short_mode.h"

namespace velmar {
namespace {

bool shortMode = false;

// 20 first-order links k/(1 + T s) in a chain from a step source, with three nested
// feedback loops closed through subtraction nodes: the outer around all 20 links, the
// middle around links 6..15, the inner around links 9..12.
struct NestedLoops {
    std::vector<std::unique_ptr<Element>> owned;
    CompiledScheme cs;
    int entry = 0, output = 0;

    int add(std::unique_ptr<Element> e) {
        owned.push_back(std::move(e));
        return static_cast<int>(owned.size());
    }
    int link(int i) {
        auto e = std::make_unique<PolynomialLink>(28);
        e->entry.A = Polynomial{1.0L + 0.1L * i};
        e->entry.B = Polynomial{1, 0.05L * (i + 1)};
        return add(std::move(e));
    }

    NestedLoops() {
        entry = add(std::make_unique<Element>(33));
        const int outerNode = add(std::make_unique<Element>(18));
        const int middleNode = add(std::make_unique<Element>(18));
        const int innerNode = add(std::make_unique<Element>(18));
        std::vector<int> links;
        for (int i = 0; i < 20; ++i) links.push_back(link(i));
        output = add(std::make_unique<Element>(60));
        const int n = static_cast<int>(owned.size());
        cs.N = n;
        cs.Elements.assign(1, nullptr);
        for (auto& e : owned) cs.Elements.push_back(e.get());
        cs.LinkMatrix.assign(n + 1, std::vector<std::uint8_t>(n + 1, 0));
        auto connect = [&](int from, int to, std::uint8_t v = 1) { cs.LinkMatrix[from][to] = v; };
        connect(entry, outerNode);
        connect(outerNode, links[0]);
        for (int i = 1; i < 20; ++i) {
            if (i == 5) {
                connect(links[4], middleNode);
                connect(middleNode, links[5]);
            } else if (i == 8) {
                connect(links[7], innerNode);
                connect(innerNode, links[8]);
            } else {
                connect(links[i - 1], links[i]);
            }
        }
        connect(links[19], outerNode, 2);
        connect(links[14], middleNode, 2);
        connect(links[11], innerNode, 2);
        connect(links[19], output);
    }
};

void ReductionOfTwentyLinksInThreeLoops(benchmark::State& state) {
    const NestedLoops scheme;
    const ReductionResult check = reduceScheme(scheme.cs, scheme.output, scheme.entry);
    if (check.status != ReductionStatus::Reduced || check.w.B.order() != 20) {
        state.SkipWithError("the scheme did not reduce to a 20th-order W(s)");
        return;
    }
    for (auto _ : state) {
        ReductionResult r = reduceScheme(scheme.cs, scheme.output, scheme.entry);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(ReductionOfTwentyLinksInThreeLoops)->Unit(benchmark::kMillisecond);

void AmplitudeOfTenthOrderOver100000Points(benchmark::State& state) {
    TransferFunction w{Polynomial{1, 0.5L, 0.1L}, Polynomial{1}};
    for (int i = 0; i < 10; ++i) w.B.Multiply(Polynomial{1, 0.1L * (i + 1)});
    const FrequencySplit split(w);
    const FrequencyRange range{0.0L, shortMode ? 2.0L : 100.0L, 0.001L};
    for (auto _ : state) {
        Curve c = frequencyCharacteristic(split, MethodCode::Amplitude, range);
        benchmark::DoNotOptimize(c);
        state.SetItemsProcessed(state.items_processed() + static_cast<int64_t>(c.x.size()));
    }
}
BENCHMARK(AmplitudeOfTenthOrderOver100000Points)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

int main(int argc, char** argv) { return velmar::bench::RunBenchmarks(argc, argv, velmar::shortMode); }
