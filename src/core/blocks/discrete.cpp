#include <stdexcept>
#include <string>

#include "core/blocks/discrete_kinds.h"
#include "core/blocks/families.h"

namespace velmar {

std::unique_ptr<Element> createDiscrete(std::uint8_t code) {
    for (auto create : {createSamplingBlock, createGate, createFlipFlop})
        if (auto e = create(code)) return e;
    throw std::logic_error("no discrete element type for code " + std::to_string(code));
}

}  // namespace velmar
