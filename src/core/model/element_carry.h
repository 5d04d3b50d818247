// What an element takes along when the editor moves or copies it, or a block file or
// the clipboard brings it back: its record (the parameter values exactly as a scheme
// file holds them), the marks of its parameters and its label. The editor puts a
// block down as a new element of its type and then lands what the old one carried.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/scheme.h"

namespace velmar {

struct ElementCarry {
    std::uint8_t code = 0;
    std::vector<std::uint8_t> record;
    std::vector<bool> marks;  // one per parameter; empty when only the record is known
    std::string label;
};

ElementCarry carryOf(const Scheme& scheme, const Element& e);

// Gives the element of the carry's code whose top-left cell is (col, row) what was
// carried (an empty record keeps its defaults); nothing when there is no such element (its placement was refused). A
// record the element cannot read raises FileError or MathError, as a file would.
void landCarry(Scheme& scheme, int col, int row, const ElementCarry& carry);

}  // namespace velmar
