#include "families.h"

namespace velmar {

std::unique_ptr<Element> createRecorder(std::uint8_t code) { return std::make_unique<Element>(code); }

}  // namespace velmar
