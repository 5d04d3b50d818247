// The groups of nonlinear element types. Each creation function returns the element for
// a code of its group and null for any other code.
#pragma once

#include <cstdint>
#include <memory>

#include "core/model/element.h"

namespace velmar {

// One-input static functions: 38, 43, 48, 49, 65, 74, 75, 77, 85..90, 98, 99, 123, 124.
std::unique_ptr<Element> createStaticFunction(std::uint8_t code);
// Relay characteristics 66..72 and the backlash 45.
std::unique_ptr<Element> createRelay(std::uint8_t code);
// Blocks with operand inputs: 73, 79, 82, 83, 84, 100, 101.
std::unique_ptr<Element> createOperandBlock(std::uint8_t code);
// Blocks with their own clock: the universal quantiser 76, the sign relay 80.
std::unique_ptr<Element> createClockedNonlinear(std::uint8_t code);

// The user function 144: an expression over the input and the time.
std::unique_ptr<Element> createUserFunction(std::uint8_t code);

}  // namespace velmar
