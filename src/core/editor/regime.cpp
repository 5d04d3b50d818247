#include "core/editor/regime.h"

namespace velmar::editor {

std::string_view regimeName(Regime regime) {
    switch (regime) {
        case Regime::New: return "New";
        case Regime::Edit: return "Edit";
        case Regime::Bank: return "Bank";
        case Regime::Run: return "Run";
        case Regime::AdvRed: return "AdvRed";
        case Regime::File: return "File";
        case Regime::ToEdit: return "ToEdit";
    }
    return {};
}

std::string regimeCaption(Regime regime) {
    switch (regime) {
        case Regime::AdvRed: return "Editor";
        case Regime::New:
        case Regime::File:
        case Regime::ToEdit: return {};
        default: return std::string(regimeName(regime));
    }
}

}  // namespace velmar::editor
