#include "core/workbench/d_decomposition_command.h"

#include <cmath>

#include "core/analysis/d_decomposition.h"
#include "core/analysis/d_decomposition_scan.h"
#include "core/blocks/analysis_block.h"
#include "core/errors.h"
#include "core/model/value_dialog.h"
#include "core/workbench/workbench.h"

namespace velmar {

namespace {

const char* const kNotTwoParameters = "The number of the checked coefficients must be 2";
const char* const kTooManyPoints = " Too many grid points: take smaller numbers ";

DialogValue valueRow(const std::string& label, Extended value) {
    return {cutLabel(label), value, false, false, true, label};
}

// X(begin), X(end), Y(begin), Y(end); false when cancelled.
bool askRanges(Host& host, const std::string& xName, const std::string& yName, PlaneRanges& kept) {
    std::vector<DialogValue> rows = {
        valueRow(xName + "(begin)", kept.xBegin),
        valueRow(xName + "(end)", kept.xEnd),
        valueRow(yName + "(begin)", kept.yBegin),
        valueRow(yName + "(end)", kept.yEnd),
    };
    for (;;) {
        if (!AskValues(host, rows)) return false;
        const Real48 xBegin = rows[0].value, xEnd = rows[1].value, yBegin = rows[2].value,
                     yEnd = rows[3].value;
        if (xEnd > xBegin && yEnd > yBegin) {
            kept.xBegin = xBegin, kept.xEnd = xEnd, kept.yBegin = yBegin, kept.yEnd = yEnd;
            return true;
        }
    }
}

// "Num. of X", "Num. of Y"; false when cancelled.
bool askSizes(Host& host, PlaneRanges& kept) {
    std::vector<DialogValue> rows = {valueRow("Num. of X", kept.nx), valueRow("Num. of Y", kept.ny)};
    for (;;) {
        if (!AskValues(host, rows)) return false;
        const Extended nx = std::nearbyint(rows[0].value), ny = std::nearbyint(rows[1].value);
        if (nx <= 0 || ny <= 0) continue;
        if ((nx + 1) * (ny + 1) > kMaxPlanePoints) {
            host.message(Box::Error, kTooManyPoints);
            continue;
        }
        kept.nx = static_cast<int>(nx), kept.ny = static_cast<int>(ny);
        return true;
    }
}

AnalysisBlock* lastAnalysisBlock(const Scheme& scheme) {
    for (int i = scheme.ElementCount(); i >= 1; --i)
        if (scheme.element(i).TypeCode() == 60) return dynamic_cast<AnalysisBlock*>(&scheme.element(i));
    return nullptr;
}

ParameterAddress addressOf(const TunedParameter& t) {
    return {t.element->Number, static_cast<std::size_t>(t.param - t.element->Params.data())};
}

}  // namespace

void DDecomposition(Workbench& wb, int threads) {
    Host& host = wb.ui();
    TunedParameters tuned;
    tuned.limit = 2;
    for (const auto& e : wb.scheme.ElementList()) e->RegisterParameters(tuned);
    if (tuned.list.size() != 2) {
        host.message(Box::Information, kNotTwoParameters);
        return;
    }
    AnalysisBlock* block = lastAnalysisBlock(wb.scheme);
    if (!block) return;
    if (!wb.compiled) {
        host.message(Box::Error, kSolveInRunOnly);
        return;
    }
    const std::string& xName = tuned.list[0].param->Name;
    const std::string& yName = tuned.list[1].param->Name;
    PlaneRanges& kept = wb.analysis.plane;
    if (!askRanges(host, xName, yName, kept) || !askSizes(host, kept)) return;

    DDecompositionMap map{xName,     yName,   kept.xBegin, kept.xEnd, kept.yBegin,
                          kept.yEnd, kept.nx, kept.ny,     {},        false};
    const PlaneScan scan{&wb.scheme,
                         wb.compiled.get(),
                         block->Number,
                         block->Entry,
                         block->W.B,
                         addressOf(tuned.list[0]),
                         addressOf(tuned.list[1]),
                         threads};
    if (const auto refused = ScanPlane(host, scan, map)) {
        host.message(Box::Error, *refused);
        return;
    }
    host.showDDecomposition(map);
}

}  // namespace velmar
