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

// X(begin), X(end), Y(begin), Y(end), each end above its begin as stored values;
// false when cancelled.
bool askRanges(Host& host, const std::string& xName, const std::string& yName, PlaneRanges& kept) {
    std::vector<DialogValue> rows = {
        valueRow(xName + "(begin)", kept.xBegin),
        valueRow(xName + "(end)", kept.xEnd),
        valueRow(yName + "(begin)", kept.yBegin),
        valueRow(yName + "(end)", kept.yEnd),
    };
    const ValueCheck ordered = [&](const std::vector<Extended>& v) -> std::string {
        for (std::size_t axis = 0; axis < 2; ++axis)
            if (!(Real48(v[2 * axis + 1]) > Real48(v[2 * axis])))
                return rows[2 * axis + 1].key + " must lie above " + rows[2 * axis].key;
        return {};
    };
    if (!AskValues(host, rows, {}, ordered)) return false;
    kept.xBegin = rows[0].value, kept.xEnd = rows[1].value, kept.yBegin = rows[2].value,
    kept.yEnd = rows[3].value;
    return true;
}

// "Num. of X", "Num. of Y", whole numbers above 0 whose grid is not too large; false
// when cancelled.
bool askSizes(Host& host, PlaneRanges& kept) {
    std::vector<DialogValue> rows = {valueRow("Num. of X", kept.nx), valueRow("Num. of Y", kept.ny)};
    for (DialogValue& row : rows) row.whole = true;
    const ValueCheck sizes = [](const std::vector<Extended>& v) -> std::string {
        if (v[0] <= 0 || v[1] <= 0) return "Num. of X and Num. of Y must be above 0";
        if ((v[0] + 1) * (v[1] + 1) > kMaxPlanePoints) return kTooManyPoints;
        return {};
    };
    if (!AskValues(host, rows, {}, sizes)) return false;
    kept.nx = static_cast<int>(rows[0].value), kept.ny = static_cast<int>(rows[1].value);
    return true;
}

AnalysisBlock* lastAnalysisBlock(const Scheme& scheme) {
    for (int i = scheme.ElementCount(); i >= 1; --i)
        if (isAnalysisBlock(scheme.element(i).TypeCode())) return dynamic_cast<AnalysisBlock*>(&scheme.element(i));
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
    if (const auto refused = scanPlane(host, scan, map)) {
        host.message(Box::Error, *refused);
        return;
    }
    host.showDDecomposition(map);
}

}  // namespace velmar
