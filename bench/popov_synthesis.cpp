// Costs of the nonlinear analysis and the regulator synthesis on a 6th-order W(s): the
// Popov sector bound (a bisection over the line's slope with a real-root search for
// the tangent points at every step), the P tuning by the M-circle on a frequency grid,
// and a PI sweep over ten Ti. The results are printed as counters (Kkrit, Kr, Ki) so a
// run shows what was computed as well as how long it took.
//
// Full run: ./build/bench/popov_synthesis (grid 0..20 step 0.0002, 100 000 points).
// Short mode for CI: --short (2 000 points).
#include <benchmark/benchmark.h>

#include <vector>

#include "core/analysis/popov.h"
#include "core/analysis/synthesis.h"

#include "short_mode.h"

namespace velmar {
namespace {

bool shortMode = false;

// 2 / ((1 + s)(1 + 0.5s)(1 + 0.2s)(1 + 0.1s)(1 + 2s)(1 + 0.05s)).
TransferFunction sixthOrder() {
    TransferFunction w{Polynomial{2}, Polynomial{1}};
    for (const Extended T : {1.0L, 0.5L, 0.2L, 0.1L, 2.0L, 0.05L}) w.B.Multiply(Polynomial{1, T});
    return w;
}

FrequencyRange grid() { return {0.0L, 20.0L, shortMode ? 0.01L : 0.0002L}; }

void PopovBoundOfSixthOrder(benchmark::State& state) {
    const TransferFunction w = sixthOrder();
    PopovResult r;
    for (auto _ : state) {
        r = popovBound(w);
        benchmark::DoNotOptimize(r);
    }
    state.counters["Kkrit"] = static_cast<double>(r.kkrit);
    state.counters["q"] = static_cast<double>(r.q);
}
BENCHMARK(PopovBoundOfSixthOrder)->Unit(benchmark::kMillisecond);

void PTuningOfSixthOrder(benchmark::State& state) {
    const Hodograph h = hodographOf(sixthOrder(), grid());
    MCircleTouch touch;
    for (auto _ : state) {
        touch = touchingMCircle(h.re, h.im, kDefaultM);
        benchmark::DoNotOptimize(touch);
    }
    state.counters["points"] = static_cast<double>(h.re.size());
    state.counters["Kr"] = static_cast<double>(touch.gain);
}
BENCHMARK(PTuningOfSixthOrder)->Unit(benchmark::kMillisecond);

void PiSweepOfSixthOrderOverTenTi(benchmark::State& state) {
    const Hodograph h = hodographOf(sixthOrder(), grid());
    const std::vector<Extended> tis = tiRange(1, 10, 1);
    TiSweep sweep;
    for (auto _ : state) {
        sweep = tuneOverTi(h, kDefaultM, RegulatorType::PI, tis, 0, {});
        benchmark::DoNotOptimize(sweep);
    }
    if (sweep.optimum >= 0) {
        const TiRow& best = sweep.rows[static_cast<std::size_t>(sweep.optimum)];
        state.counters["Ti"] = static_cast<double>(best.ti);
        state.counters["Kr"] = static_cast<double>(best.touch.gain);
        state.counters["Ki"] = static_cast<double>(best.ki());
    }
}
BENCHMARK(PiSweepOfSixthOrderOverTenTi)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

int main(int argc, char** argv) { return velmar::bench::RunBenchmarks(argc, argv, velmar::shortMode); }
