// The block catalogue: one row per cell code 1..144 holding everything the factory,
// the parameter dialogs, the scheme file code, the parameter grid and the pictures
// need to know about a code. Behaviour lives in the family files; this is data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/real48.h"

namespace velmar {

// How BindInputs fills the input slots from the link matrix.
enum class InputKind : std::uint8_t {
    None,               // drawing pieces and faces without an element
    Single,             // Input := the highest-numbered feeder
    Three,              // Inputs[1..3] := feeders in increasing number
    SubtractMinusFirst, // 18, 19: the link-value-2 feeder first, then the value-1 feeders
    SubtractPlusFirst,  // 20: the link-value-1 feeder first, then the value-2 feeders
    Seven,              // 136: Inputs[1..7] := feeders in increasing number
};

// The family that implements a code's behaviour.
enum class Family : std::uint8_t {
    Piece,        // 1..16: arrows and line pieces, no element
    Structural,   // nodes, inverter, selectors, contacts, commutators, multiplexer, 47, 78
    Linear,
    Source,
    Nonlinear,
    Discrete,
    Recorder,
    Analysis,     // 60
    Face,         // 144: a named face without an element type
};

struct ParamInfo {
    std::string label;       // dialog row label, e.g. "H y"
    std::string storedName;  // ParamRec Name set by SetDefaults, e.g. "Nu"
    Extended defaultValue = 0;
    bool hidden = false;     // an internal value kept in the file but not in the dialog
    bool markEnabled = true; // the row's "Mark" check box can be ticked
};

struct BlockInfo {
    std::uint8_t code = 0;
    std::string russianName;
    std::string romanianName;
    InputKind inputs = InputKind::None;
    Family family = Family::Piece;
    std::vector<ParamInfo> params;    // dialog row order (hidden values last)
    std::vector<std::string> faces;   // texts drawn on the face, in drawing order
    // Indices into params, in the order the scheme file holds their values. Codes
    // whose records have counts (28, 46, 118) write their own layout.
    std::vector<int> fileOrder;
    // A read-only row shown in the dialog after the parameters (the controlled delay's
    // " OperEntr must be down  "); it edits nothing.
    std::string noteRow;

    bool hasElement() const { return family != Family::Piece && family != Family::Face; }
};

inline constexpr int kCodeCount = 145;  // codes 0..144

// The row of a code; codes without a row (0, and above 144) give an empty row.
const BlockInfo& blockInfo(int code);

enum class NameSet { Russian, Romanian };

// The block name in the chosen name set; empty when the code has none.
const std::string& blockName(int code, NameSet names);

}  // namespace velmar
