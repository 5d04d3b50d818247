// The Solve dispatcher: the Run regime's analysis commands, the Solve operation of the
// analysis blocks and the hand-over from the method chooser to the methods.
//
// A group command (71..77) sets the method group and calls the Solve operation of
// every analysis block in element order. The Solve operation's first phase asks the
// block's "Entry" (and, with Entry 0, the hand-typed polynomials), reduces the scheme
// to W(s), shows W(s) in the chooser's coefficient memos, writes the coefficient file
// and offers the group's list of methods; every code picked raises the method-chosen
// flag and calls the Solve operation of the remembered block again, whose second phase
// runs the method without asking anything. The list is offered again after each method
// until it is left with 27. The methods themselves are the analysis layer's
// (analysis/methods.h); the dispatcher drives them over the workbench's scheme. The
// D-decomposition, which reduces the scheme at every grid point, is served here
// (d_decomposition_command.h).
#pragma once

#include <string_view>

namespace velmar {

class AnalysisBlock;
class Workbench;
class Host;

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

// The analysis block's EditParameters (the workbench's SolveAnalysis).
void SolveOperation(Workbench& wb, AnalysisBlock& block);

// A group command 71..77 (77 first raises the synthesis flag). False for other codes.
bool GroupCommand(Workbench& wb, int command);

// Enter and command 63 at a cell: ignored while the parameter grid is being filled;
// an element of code 22 or more under the cell becomes the remembered block and has
// its EditParameters called (an analysis block with the group "character").
void ChangeParameters(Workbench& wb, int col, int row, bool gridFilling);

// The menu items without a method list: harmonic linearisation (64) and Popov (69).
void AnalysisMenuCommand(Workbench& wb, int command);

// Solve is accepted only in the Run regime; otherwise "Solve in Run Regime only !" is
// shown and false returned.
bool SolveAllowed(Host& host, bool inRun);

}  // namespace velmar
