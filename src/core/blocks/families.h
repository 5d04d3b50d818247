// One creation function per block family; the factory picks the family from the
// catalogue. Each returns the element type of a code of its family.
#pragma once

#include <cstdint>
#include <memory>

#include "core/model/element.h"

namespace velmar {

std::unique_ptr<Element> createStructural(std::uint8_t code);
std::unique_ptr<Element> createLinear(std::uint8_t code);
std::unique_ptr<Element> createSource(std::uint8_t code);
std::unique_ptr<Element> createNonlinear(std::uint8_t code);
std::unique_ptr<Element> createDiscrete(std::uint8_t code);
std::unique_ptr<Element> createRecorder(std::uint8_t code);
std::unique_ptr<Element> createAnalysis(std::uint8_t code);

}  // namespace velmar
