// The D-decomposition of a 10-element scheme on a 100 x 100 grid (10 201 points, each
// one reduction of the scheme and one Routh table), on one thread and on every core.
// The goal is under 2 s on every core.
//
// Full run: ./build/bench/d_decomposition. Short mode for CI: --short (a 10 x 10 grid).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/blocks/analysis_block.h"
#include "core/model/compile.h"
#include "core/model/scheme_drawing.h"
#include "core/scripted_host.h"
#include "core/workbench/d_decomposition_command.h"
#include "core/workbench/workbench.h"
#include "short_mode.h"

namespace velmar {
namespace {

bool shortMode = false;

// step -> node -> 22 -> 22 -> 26 -> 30 -> 24 -> 138 -> 27 -> analysis block, the
// integrator's output fed back into the node's subtracting input: a 7th-order
// characteristic polynomial. The first link's T and the amplifier's k are marked.
struct TenElements {
    ScriptedHost host;
    Workbench wb{host};
    AnalysisBlock* block = nullptr;

    TenElements() {
        SchemeDrawing draw(wb.scheme);
        std::vector<Element*> chain = {&draw.block(33, 2, 10), &draw.node(18, 8, 11)};
        int col = 10;
        for (int code : {22, 22, 26, 30, 24, 138, 27}) {
            chain.push_back(&draw.block(code, col, 10));
            col += 4;
        }
        block = &dynamic_cast<AnalysisBlock&>(draw.block(60, col + 2, 10));
        chain.push_back(block);
        for (size_t k = 1; k < chain.size(); ++k) draw.connect(*chain[k - 1], *chain[k]);
        draw.wire({{col, 11}, {col, 15}, {8, 15}, {8, 12}});
        parameterByLabel(*chain[2], "T").param->Varied = true;
        parameterByLabel(*chain[5], "K").param->Varied = true;
        if (!CompileScheme(wb)) throw std::logic_error("the benchmark scheme does not compile");
        block->Entry = 1;
        const std::string n = shortMode ? "10" : "100";
        for (const std::string a : {"T3(begin)=0.1", "T3(end)=3", "k6(begin)=0", "k6(end)=5"})
            host.addAnswer(a);
        host.addAnswer("Num. of X=" + n);
        host.addAnswer("Num. of Y=" + n);
    }
};

void DDecompositionOfTenElements(benchmark::State& state) {
    TenElements scheme;
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        DDecomposition(scheme.wb, threads);
        const auto& maps = scheme.host.dDecompositions;
        if (maps.empty() || maps.back().stopped || maps.back().counts.size() != (shortMode ? 121u : 10201u)) {
            state.SkipWithError("the scan did not fill the grid");
            return;
        }
        state.SetItemsProcessed(state.items_processed() + static_cast<int64_t>(maps.back().counts.size()));
        scheme.host.dDecompositions.clear();
        scheme.host.scanProgresses.clear();
        scheme.host.dialogs.clear();
    }
    state.counters["threads"] = threads;
}
BENCHMARK(DDecompositionOfTenElements)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace velmar

int main(int argc, char** argv) { return velmar::bench::RunBenchmarks(argc, argv, velmar::shortMode); }
