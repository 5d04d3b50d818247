#include "gui/shell/window_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include "core/editor/canvas_mouse.h"
#include "gui/editor/bank_palettes.h"
#include "gui/shell/form_main.h"
#include "gui/shell/mouse_editor_window.h"
#include "gui/shell/shell_commands.h"

namespace velmar::gui {

using namespace velmar::editor;

namespace {

Cell cellAt(QPoint at) { return cellAtPixel(at.x(), at.y()); }

PixelPoint pixelOf(QPoint at) { return {at.x(), at.y()}; }

MouseButton buttonOf(Qt::MouseButton button) {
    return button == Qt::LeftButton    ? MouseButton::Left
           : button == Qt::RightButton ? MouseButton::Right
                                       : MouseButton::Other;
}

}  // namespace

WindowInput::WindowInput(TFormMain& form) : QObject(&form), form_(form), state_(form.editorState()) {
    ImageWidget* canvas = form.canvas().widget();
    connect(canvas, &ImageWidget::mouseDown, this, &WindowInput::canvasMouseDown);
    connect(canvas, &ImageWidget::mouseMove, this, &WindowInput::canvasMouseMove);
    connect(canvas, &ImageWidget::mouseUp, this, &WindowInput::canvasMouseUp);
    connect(canvas, &ImageWidget::doubleClick, this, &WindowInput::canvasDoubleClick);
    connect(form.bank().smallImage(), &ImageWidget::mouseDown, this, &WindowInput::smallPaletteMouseDown);
    connect(form.bank().bigImage(), &ImageWidget::mouseDown, this, &WindowInput::bigPaletteMouseDown);
    connect(form.bank().bigImage(), &ImageWidget::mouseMove, this, &WindowInput::bigPaletteMouseMove);
    qApp->installEventFilter(this);
}

WindowInput::~WindowInput() { qApp->removeEventFilter(this); }

bool WindowInput::formKey(int key, Qt::KeyboardModifiers mods) {
    const bool ctrl = mods & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_T) {
        (form_.statusLine().clockShowsWork() ? form_.action("CurrentTime1") : form_.action("TimeOfWork1"))
            ->trigger();
        return true;
    }
    if (key == Qt::Key_F5 && !ctrl) {
        if (form_.isMaximized()) form_.showNormal();
        else form_.showMaximized();
        return true;
    }
    if (ctrl && key == Qt::Key_Delete && !form_.busy()) {
        // Clearing the scheme would destroy elements the compiled form refers to.
        if (state_.regime == Regime::Run) form_.editScheme();
        if (state_.regime == Regime::AdvRed) form_.mouseEditorWindow().clear();
        if (state_.regime == Regime::Edit) form_.clearScreen();
        return true;
    }
    return ctrl && form_.mouseEditorWindow().key(key);
}

bool WindowInput::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &form_) {
        auto* k = static_cast<QKeyEvent*>(event);
        const bool ctrl = k->modifiers() & Qt::ControlModifier;
        const bool mouseKey = state_.regime == Regime::AdvRed &&
                              (k->key() == Qt::Key_X || k->key() == Qt::Key_C || k->key() == Qt::Key_V);
        const bool ours = (ctrl && (k->key() == Qt::Key_T || k->key() == Qt::Key_Delete || mouseKey)) ||
                          k->key() == Qt::Key_F5;
        if (ours) {
            if (event->type() == QEvent::KeyPress) formKey(k->key(), k->modifiers());
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowInput::canvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at) {
    if (form_.busy()) return;
    const MouseButton b = buttonOf(button);
    if (state_.regime == Regime::AdvRed) {
        form_.mouseEditor().press(b, pixelOf(at));
        return;
    }
    const Cell cell = cellAt(at);
    const std::uint8_t code = form_.workbench().scheme.cell(cell.col, cell.row);
    const CanvasPress press =
        canvasPress(state_.regime, b, mods & Qt::ControlModifier, mods & Qt::ShiftModifier, code);
    if (press == CanvasPress::None) return;
    if (press == CanvasPress::Follow) leftHeld_ = true;
    form_.moveCursorTo(cell);
    switch (press) {
        case CanvasPress::CtrlDrag:
            ctrlDrag_ = button;
            ctrlFrom_ = cell;
            form_.editProcessor().pickUp();
            break;
        case CanvasPress::PickUp:
            if (state_.regime == Regime::Edit) form_.editProcessor().pickUp();
            break;
        case CanvasPress::BlockPopup:
            form_.shellCommands().showBlockPopup(code, form_.canvas().widget()->mapToGlobal(at));
            break;
        case CanvasPress::Follow:
        case CanvasPress::None: break;
    }
}

void WindowInput::canvasMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint at) {
    if (form_.busy()) return;
    if (state_.regime == Regime::AdvRed) {
        form_.mouseEditor().move(pixelOf(at));
        return;
    }
    if (!leftHeld_ || !(buttons & Qt::LeftButton)) return;
    const Cell cell = cellAt(at);
    if (!(cell == state_.cursor)) form_.moveCursorTo(cell);
}

void WindowInput::canvasMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (button == Qt::LeftButton) leftHeld_ = false;
    if (state_.regime == Regime::AdvRed && !form_.busy()) {
        form_.mouseEditor().release(buttonOf(button), pixelOf(at));
        return;
    }
    if (form_.busy() || ctrlDrag_ == Qt::NoButton || button != ctrlDrag_) return;
    const Qt::MouseButton drag = ctrlDrag_;
    ctrlDrag_ = Qt::NoButton;
    if (state_.regime != Regime::Edit) return;
    const Cell to = cellAt(at);
    if (to == ctrlFrom_) return;
    form_.takeSnapshot();
    form_.guarded([&] { form_.editProcessor().dropDragged(ctrlFrom_, to, drag == Qt::RightButton); });
}

void WindowInput::canvasDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at) {
    if (form_.busy() || button != Qt::LeftButton || (mods & Qt::ControlModifier)) return;
    if (state_.regime == Regime::Edit) form_.takeSnapshot();
    form_.moveCursorTo(cellAt(at));
    if (state_.regime == Regime::Edit) {
        form_.shellCommands().testSchemeEdited();
        form_.guarded([&] { form_.editProcessor().putDown(); });
    } else if (state_.regime == Regime::Run) {
        form_.changeParameters();
    }
}

void WindowInput::smallPaletteMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (form_.busy() || button != Qt::LeftButton) return;
    if (state_.regime != Regime::Edit && state_.regime != Regime::Bank) return;
    const auto code = paletteCodeAt(Palette::Small, at);
    if (!code) return;
    state_.bank.small = smallPaletteCell(*code);
    form_.chooseHeld(static_cast<std::uint8_t>(*code));
}

void WindowInput::bigPaletteMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (form_.busy() || (state_.regime != Regime::Edit && state_.regime != Regime::Bank)) return;
    const auto code = paletteCodeAt(Palette::Big, at);
    if (!code) return;
    if (button == Qt::RightButton) {
        form_.shellCommands().showBlockPopup(*code, form_.bank().bigImage()->mapToGlobal(at));
        return;
    }
    if (button != Qt::LeftButton) return;
    form_.shellCommands().testBlockChosen();
    state_.bank.big = bigPaletteCell(*code);
    form_.chooseHeld(static_cast<std::uint8_t>(*code));
    if (state_.centreChosen) {
        const int visible = form_.scrollBox().viewport()->width();
        QScrollBar* h = form_.scrollBox().horizontalScrollBar();
        if (form_.canvas().cursorScreenX() > visible)
            h->setValue(
                std::min(form_.canvas().cursorScreenX() + visible / 2 + h->value() - visible, h->maximum()));
    }
}

void WindowInput::bigPaletteMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) {
    const auto code = paletteCodeAt(Palette::Big, at);
    if (!code) return;
    form_.statusLine().blockName(QString::fromStdString(blockName(*code, form_.workbench().names)));
}

}  // namespace velmar::gui
