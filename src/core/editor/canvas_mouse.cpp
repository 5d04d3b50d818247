#include "core/editor/canvas_mouse.h"

#include "core/model/catalogue.h"

namespace velmar::editor {

CanvasPress canvasPress(Regime regime, MouseButton button, bool ctrl, bool shift, std::uint8_t codeUnder) {
    const bool edit = regime == Regime::Edit, run = regime == Regime::Run;
    if (!edit && !run) return CanvasPress::None;
    if (ctrl) return edit && button != MouseButton::Other ? CanvasPress::CtrlDrag : CanvasPress::None;
    if (button == MouseButton::Left) return CanvasPress::Follow;
    if (button != MouseButton::Right) return CanvasPress::None;
    if (shift) return CanvasPress::PickUp;
    return run && isBlockCode(codeUnder) ? CanvasPress::BlockPopup : CanvasPress::None;
}

}  // namespace velmar::editor
