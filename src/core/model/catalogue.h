// The block catalogue: one row per cell code 0..144 holding everything the factory,
// the parameter dialogs, the scheme file code, the parameter grid, the compilation, the
// reduction, the bank and the pictures need to know about a code: its names, its
// parameters and faces, and its classes (size, node, source, selector, ...). Code that
// needs to know what kind of code it holds asks the row, never a range of codes.
// Behaviour lives in the block family files; this is data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/real48.h"

namespace velmar {

// How BindInputs fills the input slots from the link matrix.
enum class InputKind : std::uint8_t {
    None,                // drawing pieces and faces without an element
    Single,              // Input := the highest-numbered feeder
    Three,               // Inputs[1..3] := feeders in increasing number
    SubtractMinusFirst,  // 18, 19: the link-value-2 feeder first, then the value-1 feeders
    SubtractPlusFirst,   // 20: the link-value-1 feeder first, then the value-2 feeders
    Seven,               // 136: Inputs[1..7] := feeders in increasing number
};

// The family that implements a code's behaviour.
enum class Family : std::uint8_t {
    Piece,       // 0..16: the empty cell, arrows and line pieces, no element
    Structural,  // nodes, inverter, selectors, contacts, commutators, multiplexer, 47, 78
    Linear,
    Source,
    Nonlinear,
    Discrete,
    Recorder,
    Analysis,  // 60
};

// The group a block belongs to in the big palette of the Bank of Blocks, which shows
// each group on a colour of its own.
enum class BankGroup : std::uint8_t {
    General,     // the linear links, contacts, typical structures, elementary functions
    Signals,     // test inputs and generators
    Nonlinear,   // static characteristics, relays, sampling, the filters
    Logic,       // logic elements, flip-flops, counter, multiplexer, 46..48
    Selectors,   // the additional-input selectors
    Viewers,     // the frequency block and the recorders
    Converters,  // power and exponential functions, quantisers, the digital regulator
    Regime,      // the regime-parameters block
    Comparison,  // comparator, maximum and minimum, commutators 125, 126
};

// Which contraction pass of the computation ordering may contract an element
// (model/ordering.h): the instantaneous elements first, then those with dynamics.
enum class Contraction : std::uint8_t { None, Instantaneous, Dynamic };

struct ParamInfo {
    std::string label;       // dialog row label, e.g. "H y"
    std::string storedName;  // ParamRec Name set by SetDefaults, e.g. "Nu"
    Extended defaultValue = 0;
    bool hidden = false;      // an internal value kept in the file but not in the dialog
    bool markEnabled = true;  // the row's "Mark" check box can be ticked
};

struct BlockInfo {
    std::uint8_t code = 0;
    std::string russianName;
    std::string romanianName;
    InputKind inputs = InputKind::None;
    Family family = Family::Piece;

    // --- classes ---
    std::uint8_t cells = 3;  // the side of its square in grid cells: 1 (pieces, nodes) or 3
    bool summing = false;    // a summing or subtracting node (17..20): reductions cut loops there
    // The subtracting nodes' subtracted ports: a wire reaching the node from below (18,
    // 20) or from above (19, 20).
    bool subtractsBelow = false;
    bool subtractsAbove = false;
    bool source = false;        // a test input (33..37): no feeder, computed first, left out of W(s)
    std::uint8_t selector = 0;  // an additional-input selector's number 1..6 (54..59); 0: none
    bool oneFeeder = false;     // takes one feeder only: a second is a wiring fault
    bool reducible = false;     // permitted on the paths a reduction to W(s) walks
    bool inverts = false;       // the inverter (32): a factor -1 on a reduction's path
    Contraction contraction = Contraction::None;
    // What the Run menu's nonlinear studies (workbench/harmonic_commands.h) take the block
    // for: a relay whose self-oscillation the harmonic linearisation finds (66..70), a
    // nonlinearity whose harmonic balance it scans (45, 71, 72), a sector nonlinearity of
    // the Popov criterion (67..70, 72).
    bool selfOscillating = false;
    bool balanceScanned = false;
    bool popovSector = false;
    // Kept beside the scheme file rather than in it (the user function 144, whose
    // expression is text): numbered after every other element and given no record, so
    // that the scheme file reads the same where the block is a face without an element.
    bool keptBeside = false;
    bool inBank = true;  // has a slot in the Bank of Blocks
    BankGroup group = BankGroup::General;

    std::vector<ParamInfo> params;   // dialog row order (hidden values last)
    std::vector<std::string> faces;  // texts drawn on the face, in drawing order
    // Indices into params, in the order the scheme file holds their values. Codes
    // whose records have counts (28, 46, 118) write their own layout.
    std::vector<int> fileOrder;
    // A read-only row shown in the dialog after the parameters (the controlled delay's
    // " OperEntr must be down  "); it edits nothing.
    std::string noteRow;

    bool hasElement() const { return family != Family::Piece; }
    bool isPiece() const { return family == Family::Piece; }    // the empty cell included
    bool isNode() const { return hasElement() && cells == 1; }  // 17..21
    bool isBlock() const { return cells == 3; }                 // 22..144
    bool isSelector() const { return selector != 0; }
    bool isRecorder() const { return family == Family::Recorder; }
    bool isAnalysis() const { return family == Family::Analysis; }  // 60
    bool isMultiplier() const { return isNode() && !summing; }      // 21
};

inline constexpr int kCodeCount = 145;  // codes 0..144

// The row of a code; codes above 144 give an empty row (a block without an element).
const BlockInfo& blockInfo(int code);

// A code whose square is a 3 x 3 block.
inline bool isBlockCode(int code) { return blockInfo(code).isBlock(); }
// The analysis block, whose Solve operation reduces the scheme to W(s).
inline bool isAnalysisBlock(int code) { return blockInfo(code).isAnalysis(); }
// The inverter, whose output is its input negated.
inline bool inverts(int code) { return blockInfo(code).inverts; }

// The codes of one palette of the Bank of Blocks in the order of its cells: the one-cell
// codes (cells 1, the small palette) or the blocks (cells 3, the big one) that have a
// slot, by code. A code's slot is its place in the list; other sizes have none.
const std::vector<int>& bankCodes(int cells);
// A code's slot in its palette; -1 for a code without one.
int bankSlot(int code);

enum class NameSet { Russian, Romanian };

// The block name in the chosen name set; empty when the code has none.
const std::string& blockName(int code, NameSet names);

}  // namespace velmar
