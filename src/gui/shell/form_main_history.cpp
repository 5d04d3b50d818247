// Undo and redo of the main window: the snapshot before every change known in advance,
// the record of every other edit that changed the scheme, and the steps through them. Outside the mouse editor a step goes through the regime "File"
// into "Edit", as Open does; in the mouse editor it only redraws.
#include "gui/grid/grid_form.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

using namespace velmar::editor;

void TFormMain::takeSnapshot() {
    files_.tryFile([&] { history_.take(wb_.scheme, files_.fileName()); });
    refreshUndoButtons();
}

void TFormMain::recordedEdit(const std::function<void()>& edit) {
    const UndoHistory::State before = UndoHistory::stateOf(wb_.scheme);
    guarded(edit);
    recordChange(before);
}

void TFormMain::recordChange(const UndoHistory::State& before) {
    files_.tryFile([&] { history_.recordEdit(before, wb_.scheme, files_.fileName()); });
    refreshUndoButtons();
}

void TFormMain::refreshUndoButtons() {
    action("UndoBtn")->setEnabled(history_.canUndo(wb_.scheme));
    action("RedoBtn")->setEnabled(history_.canRedo(wb_.scheme));
}

void TFormMain::stepHistory(bool forward) {
    if (busy_) return;
    Scheme restored;
    std::optional<std::string> name;
    files_.tryFile([&] {
        name = forward ? history_.redo(wb_.scheme, restored)
                       : history_.undo(wb_.scheme, files_.fileName(), restored);
    });
    if (name) {
        const bool mouseEditor = state_.regime == Regime::AdvRed;
        // The compiled form refers to the elements the step replaces.
        if (!mouseEditor) enterFile();
        wb_.scheme.swap(restored);
        wb_.run.ResultsAllocated = false;
        files_.restoreFileName(*name);
        canvas_->clearThumbnails();
        discrip_->refresh();
        // An open parameter grid shows the values given back, not the ones undone.
        if (gridForm_ != nullptr && gridForm_->isVisible()) gridForm_->RefreshGrid();
        if (mouseEditor) {
            mouse_.reset();
            redrawAll();
        } else {
            Edit2Click();
        }
    }
    refreshUndoButtons();
}

void TFormMain::UndoBtnClick() { stepHistory(false); }

void TFormMain::RedoBtnClick() { stepHistory(true); }

}  // namespace velmar::gui
