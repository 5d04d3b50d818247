#include "core/workbench/harmonic_commands.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/analysis/harmonic.h"
#include "core/analysis/popov.h"
#include "core/analysis/reduction.h"
#include "core/model/catalogue.h"
#include "core/simulation/progress.h"
#include "core/workbench/workbench.h"

namespace velmar {

namespace {

const char* const kNoAnalysisBlockForPopov = "Popov: the scheme has no analysis block";

// The last element in element order whose catalogue row is `is`; 0 when none.
int lastWhere(const Workbench& wb, const std::function<bool(const BlockInfo&)>& is) {
    int found = 0;
    for (int i = 1; i <= wb.scheme.ElementCount(); ++i)
        if (is(blockInfo(wb.scheme.element(i).TypeCode()))) found = i;
    return found;
}

int analysisBlock(const Workbench& wb) {
    const int last = wb.analysis.lastBlock;
    if (last >= 1 && last <= wb.scheme.ElementCount() && isAnalysisBlock(wb.scheme.element(last).TypeCode()))
        return last;
    return lastWhere(wb, [](const BlockInfo& b) { return b.isAnalysis(); });
}

// The linear part from the nonlinear block `entry` to the analysis block `output`;
// false, with its message shown, when the reduction is refused or nothing joins them.
bool linearPart(Workbench& wb, int output, int entry, TransferFunction& w, const char* noPath) {
    if (!wb.compiled) {
        wb.ui().message(Box::Plain, kSolveInRunOnly);
        return false;
    }
    ReductionResult r = reduceScheme(*wb.compiled, output, entry);
    if (r.status == ReductionStatus::Reduced) {
        w = std::move(r.w);
        return true;
    }
    wb.ui().message(Box::Error, r.status == ReductionStatus::Refused ? r.message.c_str() : noPath);
    return false;
}

SelfOscillation selfOscillation(Workbench& wb, int output, int relay, bool& reduced) {
    TransferFunction w;
    reduced = linearPart(wb, output, relay, w, kHarmonicImpossible);
    if (!reduced) return {};
    const Element& block = wb.scheme.element(relay);
    Host& host = wb.ui();
    return findSelfOscillation(
        w, [&block, &host](Extended x, Extended y) { return block.OscillationAmplitude(x, y, host); });
}

// Escape in the key queue ends a sweep with the points found so far.
bool escapePressed(Host& host) {
    bool escape = false;
    while (host.keyWaiting())
        if (host.readKey() == kEscapeKey) escape = true;
    return escape;
}

// Gives a swept parameter its own value back however the sweep ends.
struct KeepValue {
    ParamRec& param;
    Real48 value;
    ~KeepValue() { param.Value = value; }
};

void sweep(Workbench& wb, int output, int relay, ParamRec& param) {
    Host& host = wb.ui();
    const std::string name = param.Name;
    const KeepValue keep{param, param.Value};
    const Extended v = param.Value;
    const Extended span = std::max<Extended>(std::fabs(v), 1);
    SweepRange range{v, v + span, span / 10};
    if (!askSweepRange(host, name, range)) return;
    const long steps = range.steps();
    std::vector<SweepPoint> points;
    for (long h = 0; h <= steps; ++h) {
        param.Value = range.begin + range.step * h;
        host.progress({static_cast<int>((h + 1) * kProgressStripWidth / (steps + 1)),
                       kProgressStripWidth,
                       false,
                       {},
                       {}});
        bool reduced = false;
        const SelfOscillation s = selfOscillation(wb, output, relay, reduced);
        if (!reduced) break;
        if (s.status != OscillationStatus::Found) {
            showSelfOscillation(host, s);
            break;
        }
        points.push_back({param.Value, s.frequency, s.amplitude});
        if (escapePressed(host)) break;
    }
    host.progress({0, kProgressStripWidth, false, {}, {}});
    if (!points.empty()) offerSweep(host, name, points);
}

void scan(Workbench& wb, int output) {
    Host& host = wb.ui();
    const int nonlinear = lastWhere(wb, [](const BlockInfo& b) { return b.balanceScanned; });
    if (!nonlinear) {
        host.message(Box::Error, kWhereIsNonlinear);
        return;
    }
    TransferFunction w;
    if (!linearPart(wb, output, nonlinear, w, kHarmonicImpossible)) return;
    if (!linearPartStable(w.B)) {
        host.message(Box::Error, kNotStabil);
        return;
    }
    ScanGrid omega{0.1L, 10, 0.01L}, amplitude{0.1L, 10, 0.01L};
    if (!askScanGrids(host, omega, amplitude)) return;
    const Element& block = wb.scheme.element(nonlinear);
    showBalance(host, scanBalance(
                          w, [&block](Extended A) { return block.DescribingGain(A); }, omega, amplitude));
}

}  // namespace

void harmonicCommand(Workbench& wb) {
    Host& host = wb.ui();
    const int output = analysisBlock(wb);
    if (!output) {
        host.message(Box::Error, kHarmonicImpossible);
        return;
    }
    const int relay = lastWhere(wb, [](const BlockInfo& b) { return b.selfOscillating; });
    if (!relay) {
        scan(wb, output);
        return;
    }
    TunedParameters marked;
    marked.limit = 1;
    for (const auto& e : wb.scheme.ElementList()) e->RegisterParameters(marked);
    if (!marked.list.empty()) {
        sweep(wb, output, relay, *marked.list.front().param);
        return;
    }
    bool reduced = false;
    const SelfOscillation s = selfOscillation(wb, output, relay, reduced);
    if (reduced) showSelfOscillation(host, s);
}

void popovCommand(Workbench& wb) {
    Host& host = wb.ui();
    const int nonlinear = lastWhere(wb, [](const BlockInfo& b) { return b.popovSector; });
    if (!nonlinear) {
        host.message(Box::Error, kWhereIsNonlinear);
        return;
    }
    const int output = analysisBlock(wb);
    if (!output) {
        host.message(Box::Error, kNoAnalysisBlockForPopov);
        return;
    }
    TransferFunction w;
    if (!linearPart(wb, output, nonlinear, w, kWhereIsNonlinear)) return;
    w.A.Negate();
    if (w.B.order() <= 2) {
        host.message(Box::Error, kOnlyAboveSecondOrder);
        return;
    }
    if (!linearPartStable(w.B)) {
        host.message(Box::Error, kNotStabil);
        return;
    }
    showPopov(host, popovBound(w));
}

}  // namespace velmar
