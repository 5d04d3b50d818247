#include "core/workbench/live_parameters.h"

#include <algorithm>
#include <cmath>

#include "core/analysis/method_lists.h"
#include "core/analysis/reduction.h"
#include "core/blocks/analysis_block.h"
#include "core/blocks/recorders.h"
#include "core/workbench/dispatcher.h"
#include "core/workbench/workbench.h"

namespace velmar {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The host of a live re-run: the run dialog is confirmed as it stands, message boxes
// are kept and progress shows the strip; the rest goes to the workbench's own host.
class QuietRunHost : public Host {
public:
    explicit QuietRunHost(Host& inner) : inner_(inner) {}

    std::string problem;

    bool askValues(std::string_view, std::vector<ValueRow>& rows, const RowCheck& check) override {
        const std::string refused = check ? check(rows) : std::string();
        if (!refused.empty()) problem = refused;
        return refused.empty();
    }
    void message(Box, std::string_view text) override { problem = text; }
    Reply ask(std::string_view, std::string_view, bool withCancel) override {
        return withCancel ? Reply::Cancel : Reply::No;
    }
    bool keyWaiting() override { return inner_.keyWaiting(); }
    int readKey() override { return inner_.readKey(); }
    void statusMessage(std::string_view text) override { inner_.statusMessage(text); }
    // The strip only: a re-run is short, and the count and time texts are painted at
    // once each time, which would cost more than the run itself.
    void progress(const ProgressInfo& info) override {
        ProgressInfo strip = info;
        strip.texts = false;
        inner_.progress(strip);
    }
    void showThumbnail(const Thumbnail& thumbnail) override { inner_.showThumbnail(thumbnail); }

private:
    Host& inner_;
};

// The characteristic a method shows: the characteristics list's items themselves, the
// Nyquist criterion its hodograph; none for the other methods.
std::optional<MethodCode> frequencyCodeOf(MethodCode method) {
    switch (method) {
        case MethodCode::Hodograph:
        case MethodCode::Amplitude:
        case MethodCode::LogAmplitude:
        case MethodCode::Phase:
        case MethodCode::Real:
        case MethodCode::Imaginary: return method;
        case MethodCode::Nyquist: return MethodCode::Hodograph;
        default: return std::nullopt;
    }
}

}  // namespace

std::vector<LiveParameter> markedParameters(const Scheme& scheme, NameSet names) {
    std::vector<LiveParameter> list;
    for (const auto& e : scheme.ElementList()) {
        const std::vector<ParamInfo>& rows = e->info().params;
        int row = 0;
        for (std::size_t i = 0; i < rows.size() && i < e->Params.size(); ++i) {
            if (rows[i].hidden) continue;
            ++row;
            const ParamRec& p = e->Params[i];
            if (p.Varied)
                list.push_back({e->Number, row, trimmed(rows[i].label), blockName(e->Code, names), p.Value});
        }
    }
    return list;
}

LiveRange rangeAround(Extended value) {
    if (value == 0) return {-1, 1};
    return value > 0 ? LiveRange{0, 2 * value} : LiveRange{2 * value, 0};
}

std::optional<LiveRange> editedRange(Extended low, Extended high, Extended value) {
    if (!std::isfinite(low) || !std::isfinite(high) || !(low < high)) return std::nullopt;
    const LiveRange range{low, high};
    if (!range.holds(value)) return std::nullopt;
    return range;
}

LiveRange rangeFor(const LiveRange& range, Extended value) {
    return range.holds(value) ? range : rangeAround(value);
}

int sliderPosition(const LiveRange& range, Extended value) {
    const Extended share = (value - range.low) / (range.high - range.low);
    return static_cast<int>(std::clamp<Extended>(std::round(share * kSliderSteps), 0, kSliderSteps));
}

Real48 sliderValue(const LiveRange& range, int position) {
    const int p = std::clamp(position, 0, kSliderSteps);
    // The ends are the range's own values, not a sum that misses them by a rounding.
    if (p == kSliderSteps) return range.high;
    return range.low + (range.high - range.low) * p / kSliderSteps;
}

bool LiveChanges::offer(const LiveChange& change) {
    const auto same = std::find_if(waiting_.begin(), waiting_.end(), [&](const LiveChange& c) {
        return c.element == change.element && c.row == change.row;
    });
    if (same != waiting_.end()) same->value = change.value;
    else waiting_.push_back(change);
    return running_;
}

std::vector<LiveChange> LiveChanges::take() {
    std::vector<LiveChange> changes;
    changes.swap(waiting_);
    running_ = !changes.empty();
    return changes;
}

bool LiveChanges::waitingFor(int element, int row) const {
    return std::any_of(waiting_.begin(), waiting_.end(),
                       [&](const LiveChange& c) { return c.element == element && c.row == row; });
}

bool liveRunAllowed(bool windowBusy, int viewerDepth) {
    if (viewerDepth > 1) return false;
    return !windowBusy || viewerDepth == 1;
}

LiveRunResult runWithoutDialogs(Workbench& wb) {
    QuietRunHost quiet(wb.ui());
    struct Swap {
        Workbench& wb;
        Host* own;
        ~Swap() { wb.host = own; }
    } swap{wb, wb.host};
    wb.host = &quiet;
    LiveRunResult result;
    result.outcome = RunSimulation(wb);
    result.problem = std::move(quiet.problem);
    return result;
}

int recorderOnShow(const Scheme& scheme, const RunState& run, const Diagrams& shown) {
    for (const auto& e : scheme.ElementList()) {
        const auto graph = recordedGraphOf(*e, run);
        if (!graph) continue;
        for (const Diagram& own : graph->diagrams)
            for (const Diagram& d : shown)
                if (own.present() && d.present() && (d.x == own.x || d.y == own.y)) return e->Number;
    }
    return 0;
}

std::optional<FrequencyOnShow> recomputeFrequency(Workbench& wb, int viewerKind) {
    const AnalysisState& state = wb.analysis;
    const std::optional<MethodCode> code = state.running ? frequencyCodeOf(*state.running) : std::nullopt;
    if (!code || frequencyGraphKind(*code) != viewerKind || !wb.compiled) return std::nullopt;
    if (state.lastBlock < 1 || state.lastBlock > wb.scheme.ElementCount()) return std::nullopt;
    auto* block = dynamic_cast<AnalysisBlock*>(&wb.scheme.element(state.lastBlock));
    if (!block || block->Entry == 0) return std::nullopt;
    ReductionResult r = reduceScheme(*wb.compiled, block->Number, block->Entry);
    if (r.status == ReductionStatus::Refused) return std::nullopt;
    if (r.status == ReductionStatus::Reduced) block->W = std::move(r.w);
    publishTransferFunction(wb, block->W);
    const FrequencyRange range{state.wBegin, state.wEnd, state.wStep};
    return FrequencyOnShow{frequencyCharacteristic(FrequencySplit(block->W), *code, range), viewerKind};
}

}  // namespace velmar
