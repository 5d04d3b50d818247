// What the main window hears besides its menu items: the mouse on the canvas and on the
// bank's two palettes, and the keys the form takes before any control (Ctrl+T, F5,
// Ctrl+Del and, in the mouse editor, Ctrl+X, Ctrl+C, Ctrl+V).
#pragma once

#include <QObject>
#include <QPoint>

#include "core/editor/editor_state.h"

namespace velmar::gui {

class TFormMain;

class WindowInput : public QObject {
public:
    // Listens to the form's canvas and palettes, and to every key of the application.
    explicit WindowInput(TFormMain& form);
    ~WindowInput() override;

    void canvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void canvasMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint at);
    void canvasMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void canvasDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void smallPaletteMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void bigPaletteMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void bigPaletteMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool formKey(int key, Qt::KeyboardModifiers mods);

    TFormMain& form_;
    editor::EditorState& state_;
    // Mouse drags on the canvas.
    bool leftHeld_ = false;
    Qt::MouseButton ctrlDrag_ = Qt::NoButton;
    Cell ctrlFrom_{editor::kCursorMin, editor::kCursorMin};
};

}  // namespace velmar::gui
