#include "core/workbench/dispatcher.h"

#include <cmath>

#include "core/analysis/coefficient_file.h"
#include "core/analysis/coefficients_by_roots.h"
#include "core/analysis/method_lists.h"
#include "core/analysis/methods.h"
#include "core/analysis/reduction.h"
#include "core/blocks/analysis_block.h"
#include "core/errors.h"
#include "core/model/value_dialog.h"
#include "core/workbench/d_decomposition_command.h"
#include "core/workbench/harmonic_commands.h"
#include "core/workbench/roots_animation.h"
#include "core/workbench/workbench.h"

namespace velmar {

namespace {

AnalysisBlock* analysisBlock(Workbench& wb, int number) {
    if (number < 1 || number > wb.scheme.ElementCount()) return nullptr;
    return dynamic_cast<AnalysisBlock*>(&wb.scheme.element(number));
}

// Asks "Entry"; false when cancelled.
bool askEntry(Workbench& wb, AnalysisBlock& block) {
    const int count = wb.scheme.ElementCount();
    std::vector<DialogValue> rows = {
        {"Entry", static_cast<Extended>(block.Entry), false, false, true, {}, true}};
    const ValueCheck check = [count](const std::vector<Extended>& v) -> std::string {
        const Extended e = std::trunc(v[0]);
        if (e < 0 || e > count)
            return "Entry must be 0 or an element number from 1 to " + std::to_string(count);
        return {};
    };
    if (!AskValues(wb.ui(), rows, {}, check)) return false;
    block.Entry = static_cast<std::uint8_t>(std::trunc(rows[0].value));
    return true;
}

// First phase: W(s), the memos and the coefficient file; false when no method may
// follow (a dialog cancelled or the reduction refused).
bool prepare(Workbench& wb, AnalysisBlock& block) {
    Host& host = wb.ui();
    if (!askEntry(wb, block)) return false;
    if (block.Entry == 0) {
        if (!block.hand.edit(host)) return false;
        block.W = {block.hand.A, block.hand.B};
    } else {
        if (!wb.compiled) {
            host.message(Box::Error, kSolveInRunOnly);
            return false;
        }
        ReductionResult r = ReduceScheme(*wb.compiled, block.Number, block.Entry);
        if (r.status == ReductionStatus::Refused) {
            host.message(Box::Error, r.message);
            return false;
        }
        if (r.status == ReductionStatus::Reduced) block.W = std::move(r.w);
    }
    PublishTransferFunction(wb, block.W);
    return true;
}

// Coefficients by roots: the polynomial taken into the hand entry makes the hand entry
// W(s), as Entry 0 does, so that the next methods work on it.
void takeCoefficientsByRoots(Workbench& wb, AnalysisBlock& block) {
    if (!CoefficientsByRoots(wb.ui(), block.hand)) return;
    block.Entry = 0;
    block.W = {block.hand.A, block.hand.B};
    PublishTransferFunction(wb, block.W);
}

}  // namespace

void PublishTransferFunction(Workbench& wb, const TransferFunction& w) {
    Host& host = wb.ui();
    host.showTransferFunction(CoefficientLines('a', w.A), CoefficientLines('b', w.B));
    WriteCoefficientFile(host, wb.analysis.workingFolder, w);
}

void SolveOperation(Workbench& wb, AnalysisBlock& block) {
    AnalysisState& state = wb.analysis;
    if (state.methodChosen) {
        // These need the scheme or the block itself, not only W(s).
        if (state.methodCode == kCodeDDecomposition) return DDecomposition(wb);
        if (state.methodCode == kCodeRootsAnimation) return RootsAnimation(wb, block);
        if (state.methodCode == kCodeCoefficientsByRoots) return takeCoefficientsByRoots(wb, block);
        RunMethod(wb.ui(), state, block.W, state.methodCode);
        return;
    }
    state.lastBlock = block.Number;
    if (!prepare(wb, block)) return;
    MethodList list;
    while (ListForGroup(state.methodGroup, list)) {
        const int code = wb.ui().chooseMethod(list);
        if (code == kLeaveCode) break;
        if (code == 51) state.nyquist = false;
        AnalysisBlock* remembered = analysisBlock(wb, state.lastBlock);
        if (!remembered) break;
        state.methodCode = code;
        state.methodChosen = true;
        try {
            remembered->EditParameters(wb);
        } catch (const std::runtime_error& e) {  // MathError, FileError: this method only
            wb.ui().message(Box::Error, e.what());
        }
        state.methodChosen = false;
    }
}

bool GroupCommand(Workbench& wb, int command) {
    static constexpr std::pair<int, MethodGroup> kGroups[] = {
        {kCommandCharacteristics, MethodGroup::Character}, {kCommandStability, MethodGroup::Stability},
        {kCommandQuality, MethodGroup::Quality},           {kCommandRoots, MethodGroup::Root},
        {kCommandOptimMaxAw, MethodGroup::OptMaxAw},       {kCommandOther, MethodGroup::Other},
        {kCommandSynthesis, MethodGroup::Synthesis},
    };
    MethodGroup group = MethodGroup::None;
    for (const auto& [c, g] : kGroups)
        if (c == command) group = g;
    if (group == MethodGroup::None) return false;
    if (command == kCommandSynthesis) wb.analysis.synthesisShown = true;
    wb.analysis.methodGroup = group;
    for (int i = 1; i <= wb.scheme.ElementCount(); ++i) {
        Element& e = wb.scheme.element(i);
        if (e.TypeCode() != 60) continue;
        wb.analysis.lastBlock = i;
        e.EditParameters(wb);
    }
    return true;
}

void ChangeParameters(Workbench& wb, int col, int row, bool gridFilling) {
    if (gridFilling || !isBlockCode(wb.scheme.cell(col, row))) return;
    Element* e = wb.scheme.ElementAt(col, row);
    if (!e) return;
    if (e->TypeCode() == 60) {
        wb.analysis.methodGroup = MethodGroup::Character;
        wb.analysis.lastBlock = e->Number;
    }
    e->EditParameters(wb);
}

void AnalysisMenuCommand(Workbench& wb, int command) {
    if (command == kCommandHarmonic) HarmonicCommand(wb);
    if (command == kCommandPopov) PopovCommand(wb);
}

bool SolveAllowed(Host& host, bool inRun) {
    if (inRun) return true;
    host.message(Box::Plain, kSolveInRunOnly);
    return false;
}

void Workbench::SolveAnalysis(Element& block) {
    if (auto* analysis = dynamic_cast<AnalysisBlock*>(&block)) SolveOperation(*this, *analysis);
}

}  // namespace velmar
