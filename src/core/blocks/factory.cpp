#include "core/blocks/families.h"

namespace velmar {

std::unique_ptr<Element> CreateElement(std::uint8_t code) {
    if (!blockInfo(code).hasElement()) return nullptr;
    std::unique_ptr<Element> e;
    switch (blockInfo(code).family) {
        case Family::Structural: e = createStructural(code); break;
        case Family::Linear: e = createLinear(code); break;
        case Family::Source: e = createSource(code); break;
        case Family::Nonlinear: e = createNonlinear(code); break;
        case Family::Discrete: e = createDiscrete(code); break;
        case Family::Recorder: e = createRecorder(code); break;
        case Family::Analysis: e = createAnalysis(code); break;
        case Family::Piece: return nullptr;
    }
    if (e) e->SetDefaults();
    return e;
}

}  // namespace velmar
