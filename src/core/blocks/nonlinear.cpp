#include <stdexcept>
#include <string>

#include "core/blocks/families.h"
#include "core/blocks/nonlinear_kinds.h"

namespace velmar {

std::unique_ptr<Element> createNonlinear(std::uint8_t code) {
    for (auto create : {createStaticFunction, createRelay, createOperandBlock, createClockedNonlinear,
                        createUserFunction})
        if (auto e = create(code)) return e;
    throw std::logic_error("no nonlinear element type for code " + std::to_string(code));
}

}  // namespace velmar
