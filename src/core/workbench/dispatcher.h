// The Solve dispatcher: the Run regime's analysis commands, the Solve operation of the
// analysis blocks and the methods run on what it solves.
//
// A group command (71..77) sets the method group and calls the Solve operation of
// every analysis block in element order. The Solve operation asks the block's "Entry"
// (and, with Entry 0, the hand-typed polynomials), reduces the scheme to W(s), shows
// W(s) in the chooser's coefficient memos, writes the coefficient file and offers the
// group's list of methods; every code picked is run on that W(s), and the list is
// offered again after each method until it is left. The command-line tool and the
// scripts name their one method instead of the chooser. The methods themselves are
// the analysis layer's (analysis/methods.h); the dispatcher drives them over the
// workbench's scheme. The D-decomposition, which reduces the scheme at every grid
// point, is served here (d_decomposition_command.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

class AnalysisBlock;
class Workbench;

// Run-regime command codes of the analysis menu.
enum RunCommand : int {
    kCommandSolve = 62,
    kCommandChangeParameters = 63,
    kCommandHarmonic = 64,
    kCommandPopov = 69,
    kCommandCharacteristics = 71,
    kCommandStability = 72,
    kCommandQuality = 73,
    kCommandRoots = 74,
    kCommandOptimMaxAw = 75,
    kCommandOther = 76,
    kCommandSynthesis = 77,
};

// How a method run on a solved block ended: it ran (what it found, and any refusal of
// its values, went to the host), or a fault (MathError, FileError) stopped it, shown in
// the error box; `fault` is that text.
struct MethodOutcome {
    enum class Status { Ran, Faulted };
    Status status = Status::Ran;
    std::string fault;
};

// What a Solve operation for a chosen method gave: whether W(s) was found and shown,
// that W(s) (the block's, after the method), why it was not (the error box's text; empty
// when a dialog was cancelled) and the method's outcome when it ran.
struct SolveResult {
    bool solved = false;
    TransferFunction w;
    std::string refusal;
    std::optional<MethodOutcome> method;
};

// The Solve operation of `block` for a chosen method, without the chooser: the block
// solved, then `code` run on its W(s); without a code only the block solved.
SolveResult solveOperation(Workbench& wb, AnalysisBlock& block, std::optional<MethodCode> code);

// The Solve operation as the Run regime calls it (the analysis block's EditParameters,
// the workbench's SolveAnalysis): the block solved, then the group's list offered, each
// code picked run as above, until the list is left.
void solveOperation(Workbench& wb, AnalysisBlock& block);

// W(s) as the first phase hands it over: shown in the chooser's memos and written to
// the coefficient file (a file that cannot be written is reported; the work goes on).
void publishTransferFunction(Workbench& wb, const TransferFunction& w);

// A group command 71..77 (77 first raises the synthesis flag). False for other codes.
bool groupCommand(Workbench& wb, int command);

// Enter and command 63 at a cell: ignored while the parameter grid is being filled;
// an element of code 22 or more under the cell becomes the remembered block and has
// its EditParameters called (an analysis block with the group "character").
void ChangeParameters(Workbench& wb, int col, int row, bool gridFilling);

// The menu items without a method list: harmonic linearisation (64) and Popov (69).
void analysisMenuCommand(Workbench& wb, int command);

// Solve is accepted only in the Run regime; otherwise "Solve in Run Regime only !" is
// shown and false returned.
bool solveAllowed(Host& host, bool inRun);

}  // namespace velmar
