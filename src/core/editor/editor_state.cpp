#include "core/editor/editor_state.h"

namespace velmar::editor {

std::string regimeCaption(const std::string& regime) {
    if (regime == kRegimeAdvRed) return "Editor";
    if (regime == kRegimeToEdit || regime == kRegimeNew) return {};
    return regime;
}

}  // namespace velmar::editor
