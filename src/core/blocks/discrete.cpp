#include "families.h"

namespace velmar {

std::unique_ptr<Element> createDiscrete(std::uint8_t code) { return std::make_unique<Element>(code); }

}  // namespace velmar
