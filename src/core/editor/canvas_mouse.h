// What a mouse press on the canvas does. The mouse drives the cursor of "Edit" and
// "Run" only; in the other regimes the canvas ignores it.
#pragma once

#include <cstdint>

#include "core/editor/regime.h"

namespace velmar::editor {

enum class MouseButton { Left, Right, Other };

enum class CanvasPress {
    None,
    // Ctrl in "Edit" (left or right button): the cursor jumps to the cell and picks up
    // its code; releasing the same button elsewhere puts it down there, the right
    // button moving it rather than copying it.
    CtrlDrag,
    // The left button: the cursor jumps to the cell and follows the mouse while held.
    Follow,
    // Shift + the right button: the cursor jumps to the cell; in "Edit" it picks up the
    // code there.
    PickUp,
    // The right button on a block in "Run": the cursor jumps to it and the block's
    // popup menu opens.
    BlockPopup,
};

CanvasPress canvasPress(Regime regime, MouseButton button, bool ctrl, bool shift, std::uint8_t codeUnder);

}  // namespace velmar::editor
