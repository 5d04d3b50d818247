#include "core/blocks/recorders.h"

#include <algorithm>
#include <new>
#include <string>

#include "core/blocks/families.h"
#include "core/blocks/thumbnail.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

constexpr int kAdditionalInput = 54;  // feeders of this code form Series2 of the two-series recorder

// The samples a thumbnail's ranges cover.
int thumbnailPoints(std::int32_t pointCount) {
    return pointCount > kMaxSamples ? kMaxSamples - 1 : pointCount;
}

}  // namespace

void Recorder::ReleaseResults() {
    arrays_.clear();
    arrays_.shrink_to_fit();
    samples_ = 0;
    written_ = 0;
}

void Recorder::AllocateResults(RunContext& ctx) {
    ReleaseResults();
    const int samples = std::min(ctx.run.PointCount, static_cast<std::int32_t>(kMaxSamples));
    try {
        arrays_.assign(static_cast<std::size_t>(arrayCount_),
                       std::vector<Real48>(static_cast<std::size_t>(std::max(samples, 0)) + 1));
        samples_ = samples;
    } catch (const std::bad_alloc&) {
        ReleaseResults();
        ctx.run.OutOfMemory = true;
    }
}

int Recorder::sampleIndex(const RunState& run) {
    const std::int64_t n = run.StepIndex;
    const std::int64_t i = run.PointCount <= kMaxSamples ? n : n * kMaxSamples / run.PointCount;
    const int sample = static_cast<int>(std::clamp<std::int64_t>(i, 0, samples_));
    written_ = std::max(written_, sample);
    return sample;
}

Diagram Recorder::diagram(int x, int y, std::string name) const {
    return {array(x), array(y), std::clamp(written_ + 1, 0, std::max(samples_ - 1, 0)), std::move(name)};
}

void Recorder::ShowResults(RunContext& ctx) {
    if (!ctx.run.ResultsAllocated || !hasResults()) return;
    const int points = std::min({thumbnailPoints(ctx.run.PointCount), samples_ + 1, written_ + 1});
    ctx.ui().showThumbnail(makeThumbnail(Col, Row, diagrams(), points));
}

void Recorder::EditParameters(RunContext& ctx) {
    if (const auto graph = recordedGraphOf(*this, ctx.run)) ctx.ui().showGraph(graph->diagrams, graph->kind);
}

std::optional<RecordedGraph> recordedGraphOf(const Element& e, const RunState& run) {
    const auto* recorder = dynamic_cast<const Recorder*>(&e);
    if (!recorder || !run.ResultsAllocated || !recorder->hasResults()) return std::nullopt;
    return RecordedGraph{recorder->diagrams(), recorder->graphKind()};
}

// --- 62 ---

void TimeRecorder::InitRun(RunContext& ctx) {
    Element::InitRun(ctx);
    if (!hasResults()) return;
    for (int c = 0; c < 3; ++c) {
        if (!Inputs[c]) continue;
        array(c)[0] = Inputs[c]->Output;
        array(3 + c)[0] = 0;
    }
}

void TimeRecorder::Advance(RunContext& ctx) {
    if (!hasResults()) return;
    const int i = sampleIndex(ctx.run);
    // stamped with the time point (in a variable-step run the output time it ends at)
    const Real48 time = static_cast<Extended>(ctx.run.StepIndex) * ctx.run.h;
    for (int c = 0; c < 3; ++c) {
        if (!Inputs[c]) continue;
        Output = Inputs[c]->Output;
        array(c)[i] = Output;
        array(3 + c)[i] = time;
    }
}

Diagrams TimeRecorder::diagrams() const {
    Diagrams slots;
    if (!hasResults()) return slots;
    for (int c = 0; c < 3; ++c)
        if (Inputs[c])
            slots[static_cast<std::size_t>(c)] =
                diagram(3 + c, c, "Number:" + std::to_string(Inputs[c]->Number));
    return slots;
}

// --- 61 ---

void SeriesRecorder::Advance(RunContext& ctx) {
    if (!hasResults()) return;
    const int i = sampleIndex(ctx.run);
    for (int c = 0; c < 3; ++c)
        if (const Element* in = Inputs[c]) array(in->Code == kAdditionalInput ? 1 : 0)[i] = in->Output;
}

Diagrams SeriesRecorder::diagrams() const {
    Diagrams slots;
    if (hasResults()) slots[0] = diagram(1, 0, "Number : " + std::to_string(Number));
    return slots;
}

// --- 63 ---

void PhaseRecorder::InitRun(RunContext& ctx) {
    Element::InitRun(ctx);
    pointOfLatest_ = -1;
    latest_ = previous_ = 0.0L;
}

void PhaseRecorder::Advance(RunContext& ctx) {
    if (!Input() || !hasResults()) return;
    const RunState& run = ctx.run;
    if (run.StepIndex != pointOfLatest_) {
        previous_ = latest_;
        pointOfLatest_ = run.StepIndex;
    }
    latest_ = Input()->Output;
    const int i = sampleIndex(run);
    Real48* rate = array(0);
    Real48* level = array(1);
    rate[i] = (latest_ - previous_) / run.h;
    level[i] = previous_;
    Output = latest_;
    if (i == 1) {
        rate[0] = rate[1];
        level[0] = level[1];
    }
}

Diagrams PhaseRecorder::diagrams() const {
    Diagrams slots;
    if (hasResults()) slots[0] = diagram(1, 0, "Number : " + std::to_string(Number));
    return slots;
}

std::unique_ptr<Element> createRecorder(std::uint8_t code) {
    switch (code) {
        case 61: return std::make_unique<SeriesRecorder>(code);
        case 62: return std::make_unique<TimeRecorder>(code);
        default: return std::make_unique<PhaseRecorder>(code);
    }
}

}  // namespace velmar
