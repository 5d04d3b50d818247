// The mouse editor ("Editor", the regime "AdvRed") in the main window: its focus
// rectangles over the canvas, its two popups, its speed buttons and keys. What each
// action does is the mouse editor's.
#include <QMenu>

#include "core/editor/block_clipboard.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

using namespace velmar::editor;

namespace {

QPoint pointOf(PixelPoint p) { return {p.x, p.y}; }

}  // namespace

void TFormMain::showFocus(const std::vector<PixelRect>& rects) {
    QList<QRect> shown;
    for (const PixelRect& r : rects) shown.append(QRect(r.x, r.y, r.width, r.height));
    canvas_->widget()->setFocusRects(shown);
}

void TFormMain::offerDragChoice(PixelPoint at) {
    popupMenu3_->popup(canvas_->widget()->mapToGlobal(pointOf(at)));
}

void TFormMain::offerCommands(PixelPoint at, const MouseCommands& enabled) {
    const std::pair<const char*, bool> items[] = {
        {"G05", enabled.cut},   {"G", enabled.copy},   {"N10", enabled.paste}, {"G03", enabled.del},
        {"N16", enabled.write}, {"N17", enabled.read}, {"N19", enabled.clear}};
    for (const auto& [name, on] : items) action(name)->setEnabled(on);
    buttonsChanged(enabled);
    popupMenu2_->popup(canvas_->widget()->mapToGlobal(pointOf(at)));
}

void TFormMain::buttonsChanged(const MouseCommands& enabled) {
    if (state_.regime == Regime::AdvRed) {
        action("CutBtn")->setEnabled(enabled.cut);
        action("CopyBtn")->setEnabled(enabled.copy);
        action("PasteBtn")->setEnabled(enabled.paste);
        action("DelBtn")->setEnabled(enabled.del);
    }
    refreshUndoButtons();
}

// Ctrl+X, Ctrl+C and Ctrl+V of the mouse editor; cut and copy need a selection.
bool TFormMain::mouseEditorKey(int key) {
    if (state_.regime != Regime::AdvRed || busy_) return false;
    switch (key) {
        case Qt::Key_X: G05Click(); return true;
        case Qt::Key_C: GClick(); return true;
        case Qt::Key_V: N10Click(); return true;
        default: return false;
    }
}

void TFormMain::mouseCommand(void (MouseEditor::*command)()) {
    if (state_.regime == Regime::AdvRed && !busy_) (mouse_.*command)();
}

void TFormMain::G05Click() { mouseCommand(&MouseEditor::cut); }
void TFormMain::GClick() { mouseCommand(&MouseEditor::copy); }
void TFormMain::N10Click() { mouseCommand(&MouseEditor::paste); }
void TFormMain::G03Click() { mouseCommand(&MouseEditor::remove); }
void TFormMain::N16Click() { mouseCommand(&MouseEditor::writeBlock); }
void TFormMain::N17Click() { mouseCommand(&MouseEditor::readBlock); }
void TFormMain::N19Click() { mouseCommand(&MouseEditor::clear); }

void TFormMain::dragChoice(DragChoice choice) {
    mouse_.dragChosen(choice);
    popupMenu3_->hide();
}

void TFormMain::N11Click() { dragChoice(DragChoice::Copy); }
void TFormMain::N12Click() { dragChoice(DragChoice::Move); }
void TFormMain::N14Click() { dragChoice(DragChoice::Cancel); }

}  // namespace velmar::gui
