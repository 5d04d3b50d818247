// Throughput of the optimisation by runs: three marked parameters of a chain (two gains
// and a time constant) tuned with Hooke-Jeeves against "Integral(x^2)" of the error of
// its step response, every evaluation a constant-step run of the scheme through the
// real driver. Reported as evaluations per second (and points per evaluation).
//
// Full run: ./build/bench/optimisation (Time 10, 999 points a run). Short mode for CI:
// --short or VELMAR_BENCH_SHORT=1 (Time 1).
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

#include "core/model/scheme_drawing.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/optimisation_session.h"
#include "core/workbench/workbench.h"
#include "short_mode.h"

using namespace velmar;

namespace {

bool shortMode = false;

constexpr int kIntegralX2 = 4;
constexpr int kHookeJeeves = static_cast<int>(SearchMethod::HookeJeeves);

// step -> K1/(s + 1) -> K2/(T s + 1) -> amplifier -> node 20 <- step from below; the
// node's output (the error, up to its sign) feeds the optimisation block.
class TunedChain {
public:
    TunedChain() : wb_(host_) {
        SchemeDrawing draw(wb_.scheme);
        Element& step = draw.block(33, 2, 2);
        Element& first = draw.block(22, 7, 2);
        Element& second = draw.block(22, 12, 2);
        Element& gain = draw.block(30, 17, 2);
        Element& node = draw.node(20, 22, 3);
        Element& reference = draw.block(33, 21, 6);
        Element& criterion = draw.block(47, 24, 2);
        draw.connect(step, first);
        draw.connect(first, second);
        draw.connect(second, gain);
        draw.connect(gain, node);
        draw.wire({{22, 5}, {22, 4}});
        draw.connect(node, criterion);
        (void)reference;
        first.Params[0].Value = 0.5L;
        second.Params[1].Value = 2;
        gain.Params[0].Value = 1.5L;
        for (ParamRec* p : {&first.Params[0], &second.Params[1], &gain.Params[0]}) p->Varied = true;
        saved_ = {first.Params[0].Value, second.Params[1].Value, gain.Params[0].Value};
        params_ = {&first.Params[0], &second.Params[1], &gain.Params[0]};
        block_ = criterion.Number;
        if (!CompileScheme(wb_)) throw std::logic_error("the tuned chain does not compile");
    }

    // One optimisation from the same start; returns its evaluation count.
    int optimise() {
        for (std::size_t i = 0; i < params_.size(); ++i) params_[i]->Value = saved_[i];
        ScriptedHost host;  // a scripted host refuses to answer the same dialog twice
        host.setAnswer("Time", shortMode ? "1" : "10");
        wb_.host = &host;
        OptimisationSession session(wb_, block_);
        session.setCriterion(kIntegralX2);
        session.setMethod(kHookeJeeves);
        const auto outcome = session.optimise();
        wb_.host = &host_;
        if (outcome != OptimisationSession::Outcome::Finished)
            throw std::runtime_error("the optimisation did not finish: " +
                                     (host.lines.empty() ? "" : host.lines.back()));
        return session.evaluations();
    }
    std::int32_t points() const { return wb_.run.PointCount; }

private:
    ScriptedHost host_;
    Workbench wb_;
    std::vector<ParamRec*> params_;
    std::vector<Real48> saved_;
    int block_ = 0;
};

void OptimiseByRuns(benchmark::State& state) {
    TunedChain chain;
    double evaluations = 0;
    for (auto _ : state) evaluations += chain.optimise();
    state.counters["evaluations_per_second"] = benchmark::Counter(evaluations, benchmark::Counter::kIsRate);
    state.counters["evaluations"] = evaluations / static_cast<double>(state.iterations());
    state.counters["points_per_run"] = chain.points();
}

}  // namespace

BENCHMARK(OptimiseByRuns)->Name("optimise/hooke-jeeves/3-parameters")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return velmar::bench::RunBenchmarks(argc, argv, shortMode); }
