#include "core/editor/canvas_mouse.h"

#include <gtest/gtest.h>

namespace velmar::editor {
namespace {

struct Press {
    Regime regime;
    MouseButton button;
    bool ctrl, shift;
    std::uint8_t under;
    CanvasPress does;
};

const Press kPresses[] = {
    {Regime::Edit, MouseButton::Left, true, false, 0, CanvasPress::CtrlDrag},
    {Regime::Edit, MouseButton::Right, true, true, 22, CanvasPress::CtrlDrag},
    {Regime::Edit, MouseButton::Other, true, false, 0, CanvasPress::None},
    {Regime::Run, MouseButton::Left, true, false, 22, CanvasPress::None},  // no drag over the compiled scheme
    {Regime::Run, MouseButton::Left, false, false, 22, CanvasPress::Follow},
    {Regime::Edit, MouseButton::Right, false, true, 0, CanvasPress::PickUp},
    {Regime::Run, MouseButton::Right, false, true, 22, CanvasPress::PickUp},
    {Regime::Run, MouseButton::Right, false, false, 22, CanvasPress::BlockPopup},
    {Regime::Run, MouseButton::Right, false, false, 21, CanvasPress::None},  // a node has no popup
    {Regime::Edit, MouseButton::Right, false, false, 22, CanvasPress::None},
    {Regime::Bank, MouseButton::Left, false, false, 0, CanvasPress::None},
    {Regime::AdvRed, MouseButton::Left, true, false, 0, CanvasPress::None},
};

TEST(CanvasPress, FollowsRegimeButtonAndModifiers) {
    for (const Press& p : kPresses)
        EXPECT_EQ(canvasPress(p.regime, p.button, p.ctrl, p.shift, p.under), p.does)
            << regimeName(p.regime) << " button " << int(p.button) << " ctrl " << p.ctrl << " shift "
            << p.shift << " code " << int(p.under);
}

}  // namespace
}  // namespace velmar::editor
