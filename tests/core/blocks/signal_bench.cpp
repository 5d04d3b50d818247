#include "core/blocks/signal_bench.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/model/compile.h"

namespace velmar::testing {

namespace {

constexpr int kSignalCol = 2;
constexpr int kViaCol = 8;
constexpr int kBlockCol = 16;
constexpr int kBlockRow = 8;
constexpr int kProbeCol = 22;
constexpr int kBendCol = kBlockCol - 2;
constexpr int kStateRow = 20;  // below the signals

constexpr std::uint8_t kIntegratorCode = 27;

constexpr std::uint8_t kPlayedCode = 33;  // a source code: placed first in the order
constexpr std::uint8_t kProbeCode = 62;   // a recorder code: three inputs, no output wire

int signalRow(int k) { return 2 + 6 * k; }

// A decimal text that reads back as the same Extended.
std::string numberText(Extended x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", x);
    return text;
}

// Plays its values, one per time point; the last one repeats.
class PlayedSignal : public Element {
public:
    PlayedSignal() : Element(kPlayedCode) {}
    void SetDefaults() override {}
    void Advance(RunContext& ctx) override {
        if (values.empty()) return;
        const auto n = std::min<std::size_t>(static_cast<std::size_t>(ctx.run.StepIndex), values.size() - 1);
        Output = values[n];
    }
    Trace values;
};

// Records the output of its first feeder at every time point of the last run (at the
// first evaluation of each output point of a variable-step run).
class Probe : public Element {
public:
    Probe() : Element(kProbeCode) {}
    void SetDefaults() override {}
    void InitRun(RunContext& ctx) override {
        Element::InitRun(ctx);
        trace.clear();
        lastPoint_ = -1;
    }
    void Advance(RunContext& ctx) override {
        if (!Input() || ctx.run.StepIndex == lastPoint_) return;
        lastPoint_ = ctx.run.StepIndex;
        trace.push_back(Input()->Output);
    }
    Trace trace;

private:
    std::int32_t lastPoint_ = -1;
};

}  // namespace

SignalBench::SignalBench() {
    wb.scheme.elementFactory = [](std::uint8_t code) -> std::unique_ptr<Element> {
        std::unique_ptr<Element> e;
        if (code == kPlayedCode) e = std::make_unique<PlayedSignal>();
        else if (code == kProbeCode) e = std::make_unique<Probe>();
        else return CreateElement(code);
        e->SetDefaults();
        return e;
    };
}

Element& SignalBench::block(int code, const std::vector<Extended>& params) {
    block_ = &draw.block(code, kBlockCol, kBlockRow);
    for (std::size_t i = 0; i < params.size(); ++i) block_->Params.at(i).Value = params[i];
    Element& probe = draw.block(kProbeCode, kProbeCol, kBlockRow);
    draw.connect(*block_, probe);
    return *block_;
}

Element& SignalBench::played(int k, const Trace& values) {
    auto& source = static_cast<PlayedSignal&>(draw.block(kPlayedCode, kSignalCol, signalRow(k)));
    source.values = values;
    return source;
}

void SignalBench::feed(const Element& from, int slot) {
    if (!block_) throw std::logic_error("place the block under test first");
    const int row = SchemeBuilder::middleRow(from);
    const int entry = kBlockRow + slot;
    const Cell start{SchemeBuilder::rightCol(from), row};
    if (row == entry) draw.wire({start, {kBlockCol - 1, entry}});
    else draw.wire({start, {kBendCol, row}, {kBendCol, entry}, {kBlockCol - 1, entry}});
}

Element& SignalBench::signal(int k, const Trace& values, int slot) {
    Element& source = played(k, values);
    feed(source, slot);
    return source;
}

Element& SignalBench::via(int code, int k, const Trace& values, int slot) {
    Element& source = played(k, values);
    Element& middle = draw.block(code, kViaCol, signalRow(k));
    draw.connect(source, middle);
    feed(middle, slot);
    return middle;
}

Trace SignalBench::run(int points, Extended h) {
    // A run has at least two points; half a step beyond the last point keeps
    // Trunc(Time/Step) at the count.
    const int runPoints = std::max(points, 2);
    Trace y = runFor((runPoints + 0.5L) * h, h);
    if (outcome == RunOutcome::Completed) y.resize(static_cast<std::size_t>(points));
    return y;
}

Trace SignalBench::runFor(Extended time, Extended h) {
    // A fresh host for every run: the same run dialog twice is no repeated answer.
    host = ScriptedHost{};
    host.setAnswer("Step", numberText(h));
    host.setAnswer("Time", numberText(time));
    return solve();
}

Trace SignalBench::runVariable(Extended time) {
    // The variable step needs states: an integrator without input keeps one.
    if (!wb.scheme.ElementAt(kSignalCol, kStateRow)) draw.block(kIntegratorCode, kSignalCol, kStateRow);
    wb.settings.VariableStep = 1;
    host = ScriptedHost{};
    host.setAnswer("Time", numberText(time));
    return solve();
}

Trace SignalBench::solve() {
    if (!wb.compiled && !CompileScheme(wb)) throw std::logic_error("the drawn scheme does not compile");
    outcome = RunSimulation(wb);
    auto& probe = static_cast<Probe&>(*wb.scheme.ElementAt(kProbeCol, kBlockRow));
    return probe.trace;
}

}  // namespace velmar::testing
