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

// The block solved: W(s), the memos and the coefficient file. Unsolved when a dialog is
// cancelled or the reduction refused (no method may follow then).
SolveResult solveBlock(Workbench& wb, AnalysisBlock& block) {
    Host& host = wb.ui();
    SolveResult result;
    const auto refuse = [&](std::string text) {
        host.message(Box::Error, text);
        result.refusal = std::move(text);
        return result;
    };
    if (!askEntry(wb, block)) return result;
    if (block.Entry == 0) {
        if (!block.hand.edit(host)) return result;
        block.W = {block.hand.A, block.hand.B};
    } else {
        if (!wb.compiled) return refuse(std::string(kSolveInRunOnly));
        ReductionResult r = reduceScheme(*wb.compiled, block.Number, block.Entry);
        if (r.status == ReductionStatus::Refused) return refuse(std::move(r.message));
        if (r.status == ReductionStatus::Reduced) block.W = std::move(r.w);
    }
    publishTransferFunction(wb, block.W);
    result.solved = true;
    result.w = block.W;
    return result;
}

// Coefficients by roots: the polynomial taken into the hand entry makes the hand entry
// W(s), as Entry 0 does, so that the next methods work on it.
void takeCoefficientsByRoots(Workbench& wb, AnalysisBlock& block) {
    if (!coefficientsByRoots(wb.ui(), block.hand)) return;
    block.Entry = 0;
    block.W = {block.hand.A, block.hand.B};
    publishTransferFunction(wb, block.W);
}

// One method on the solved block. These need the scheme or the block itself, not only
// W(s): the D-decomposition, the roots animation, the coefficients by roots.
void runMethod(Workbench& wb, AnalysisBlock& block, MethodCode code) {
    AnalysisState& state = wb.analysis;
    if (code == MethodCode::Hodograph) state.nyquist = false;
    if (code == MethodCode::DDecomposition) return DDecomposition(wb);
    if (code == MethodCode::rootsAnimation) return rootsAnimation(wb, block);
    if (code == MethodCode::coefficientsByRoots) return takeCoefficientsByRoots(wb, block);
    RunMethod(wb.ui(), state, block.W, code);
}

// A fault ends the method it stopped, never the Solve operation.
MethodOutcome runGuarded(Workbench& wb, AnalysisBlock& block, MethodCode code) {
    MethodOutcome outcome;
    wb.analysis.running = code;
    try {
        runMethod(wb, block, code);
    } catch (const std::runtime_error& e) {  // MathError, FileError
        wb.ui().message(Box::Error, e.what());
        outcome = {MethodOutcome::Status::Faulted, e.what()};
    }
    wb.analysis.running.reset();
    return outcome;
}

}  // namespace

void publishTransferFunction(Workbench& wb, const TransferFunction& w) {
    Host& host = wb.ui();
    host.showTransferFunction(coefficientLines('a', w.A), coefficientLines('b', w.B));
    writeCoefficientFile(host, wb.analysis.workingFolder, w);
}

SolveResult solveOperation(Workbench& wb, AnalysisBlock& block, std::optional<MethodCode> code) {
    wb.analysis.lastBlock = block.Number;
    SolveResult result = solveBlock(wb, block);
    if (!result.solved || !code) return result;
    result.method = runGuarded(wb, block, *code);
    result.w = block.W;
    return result;
}

void solveOperation(Workbench& wb, AnalysisBlock& block) {
    wb.analysis.lastBlock = block.Number;
    if (!solveBlock(wb, block).solved) return;
    MethodList list;
    while (listForGroup(wb.analysis.methodGroup, list)) {
        const MethodCode code = wb.ui().chooseMethod(list);
        if (code == MethodCode::Leave) break;
        runGuarded(wb, block, code);
    }
}

bool groupCommand(Workbench& wb, int command) {
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
        if (!isAnalysisBlock(e.TypeCode())) continue;
        wb.analysis.lastBlock = i;
        e.EditParameters(wb);
    }
    return true;
}

void ChangeParameters(Workbench& wb, int col, int row, bool gridFilling) {
    if (gridFilling || !isBlockCode(wb.scheme.cell(col, row))) return;
    Element* e = wb.scheme.ElementAt(col, row);
    if (!e) return;
    if (isAnalysisBlock(e->TypeCode())) {
        wb.analysis.methodGroup = MethodGroup::Character;
        wb.analysis.lastBlock = e->Number;
    }
    e->EditParameters(wb);
}

void analysisMenuCommand(Workbench& wb, int command) {
    if (command == kCommandHarmonic) harmonicCommand(wb);
    if (command == kCommandPopov) popovCommand(wb);
}

bool solveAllowed(Host& host, bool inRun) {
    if (inRun) return true;
    host.message(Box::Plain, kSolveInRunOnly);
    return false;
}

void Workbench::SolveAnalysis(Element& block) {
    if (auto* analysis = dynamic_cast<AnalysisBlock*>(&block)) solveOperation(*this, *analysis);
}

}  // namespace velmar
