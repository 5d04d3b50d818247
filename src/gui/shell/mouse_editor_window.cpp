#include "gui/shell/mouse_editor_window.h"

#include <QMenu>
#include <QTimer>

#include "gui/shell/action_handlers.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

using namespace velmar::editor;

namespace {

QPoint pointOf(PixelPoint p) { return {p.x, p.y}; }

// clang-format off
constexpr ActionHandler<MouseEditorWindow> kHandlers[] = {
    {"G05", &MouseEditorWindow::cut}, {"CutBtn", &MouseEditorWindow::cut},
    {"G", &MouseEditorWindow::copy}, {"CopyBtn", &MouseEditorWindow::copy},
    {"N10", &MouseEditorWindow::paste}, {"PasteBtn", &MouseEditorWindow::paste},
    {"G03", &MouseEditorWindow::remove}, {"DelBtn", &MouseEditorWindow::remove},
    {"N16", &MouseEditorWindow::writeBlock}, {"N17", &MouseEditorWindow::readBlock},
    {"N19", &MouseEditorWindow::clear},
    {"N11", &MouseEditorWindow::dragCopies}, {"N12", &MouseEditorWindow::dragMoves},
    {"N14", &MouseEditorWindow::dragCancelled},
};
// clang-format on

}  // namespace

MouseEditorWindow::MouseEditorWindow(TFormMain& form) : QObject(&form), form_(form) {}

void MouseEditorWindow::connectActions(QMenu* commands, QMenu* dragChoice) {
    commands_ = commands;
    dragChoice_ = dragChoice;
    connectHandlers(form_.actions(), *this, kHandlers);
    // The drag popup closed without a choice cancels the drag; a choice is handled
    // first, the popup hiding before its item triggers.
    connect(dragChoice_, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (form_.mouseEditor().dragChoicePending()) form_.mouseEditor().dragChosen(DragChoice::Cancel);
        });
    });
}

bool MouseEditorWindow::active() const {
    return form_.editorState().regime == Regime::AdvRed && !form_.busy();
}

void MouseEditorWindow::redraw() { form_.canvas().redraw(); }

void MouseEditorWindow::takeSnapshot() { form_.takeSnapshot(); }

void MouseEditorWindow::showFocus(const std::vector<PixelRect>& rects) {
    QList<QRect> shown;
    for (const PixelRect& r : rects) shown.append(QRect(r.x, r.y, r.width, r.height));
    form_.canvas().widget()->setFocusRects(shown);
}

void MouseEditorWindow::offerDragChoice(PixelPoint at) {
    dragChoice_->popup(form_.canvas().widget()->mapToGlobal(pointOf(at)));
}

void MouseEditorWindow::offerCommands(PixelPoint at, const MouseCommands& enabled) {
    const std::pair<const char*, bool> items[] = {
        {"G05", enabled.cut},   {"G", enabled.copy},   {"N10", enabled.paste}, {"G03", enabled.del},
        {"N16", enabled.write}, {"N17", enabled.read}, {"N19", enabled.clear}};
    for (const auto& [name, on] : items) form_.action(name)->setEnabled(on);
    buttonsChanged(enabled);
    commands_->popup(form_.canvas().widget()->mapToGlobal(pointOf(at)));
}

void MouseEditorWindow::buttonsChanged(const MouseCommands& enabled) {
    if (form_.editorState().regime == Regime::AdvRed) {
        form_.action("CutBtn")->setEnabled(enabled.cut);
        form_.action("CopyBtn")->setEnabled(enabled.copy);
        form_.action("PasteBtn")->setEnabled(enabled.paste);
        form_.action("DelBtn")->setEnabled(enabled.del);
    }
    form_.refreshUndoButtons();
}

// Cut and copy need a selection; the mouse editor itself refuses them without one.
bool MouseEditorWindow::key(int key) {
    if (!active()) return false;
    switch (key) {
        case Qt::Key_X: cut(); return true;
        case Qt::Key_C: copy(); return true;
        case Qt::Key_V: paste(); return true;
        default: return false;
    }
}

void MouseEditorWindow::command(void (MouseEditor::*run)()) {
    if (active()) (form_.mouseEditor().*run)();
}

void MouseEditorWindow::dragChosen(DragChoice choice) {
    form_.mouseEditor().dragChosen(choice);
    dragChoice_->hide();
}

}  // namespace velmar::gui
