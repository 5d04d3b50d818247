// The file commands of the main window and its undo and redo: the file session and the
// undo history run them; the window supplies the file dialogs, the picture background
// and its regime switches.
#include <QCloseEvent>

#include "core/editor/marked_block.h"
#include "gui/grid/grid_form.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/shell/scheme_file_dialog.h"
#include "gui/shell/shell_commands.h"
#include "gui/shell/shell_state.h"

namespace velmar::gui {

using namespace velmar::editor;

std::string TFormMain::pickFile(FileDialogKind kind, const std::string& suggested) {
    QString& folder = shell_->schemeDialogFolder;
    if (folder.isEmpty()) folder = QString::fromStdString(shell_->folders.schemes);
    return askSchemeFile(this, kind, folder, QString::fromStdString(suggested), chooseFile).toStdString();
}

void TFormMain::leaveAdvRed() {
    if (state_.regime == Regime::AdvRed) {
        action("editor")->setChecked(false);
        switchMouseEditor();
    }
}

void TFormMain::enterFile() { switchRegime(RegimeEvent::File); }

void TFormMain::schemeReplaced() {
    commands_->clearTestFlags();
    canvas_->clearThumbnails();
    canvas_->setBackground(QImage());
    discrip_->refresh();
    canvas_->redraw();
}

bool TFormMain::showBackground(const std::string& path) {
    const QImage picture(QString::fromStdString(path));
    if (picture.isNull()) return false;
    canvas_->setBackground(picture);
    return true;
}

void TFormMain::newScheme() {
    if (!busy_) files_.newScheme();
}

void TFormMain::openScheme() {
    if (!busy_) files_.open();
}

void TFormMain::saveScheme() {
    if (!busy_) files_.save();
}

void TFormMain::saveSchemeAs() {
    if (!busy_) files_.saveAs();
}

void TFormMain::readBlock() {
    if (busy_ || state_.regime != Regime::Edit) return;
    canvas_->restorePatch();
    if (readBlockFile(files_, wb_, state_.cursor)) state_.held = 0;
    redrawAll();
}

void TFormMain::writeBlock() {
    if (!busy_ && state_.regime == Regime::Edit) writeBlockFile(files_, wb_);
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (busy_ || !files_.mayClose()) {
        event->ignore();
        return;
    }
    switchRegime(RegimeEvent::Close);
    status_->stopClock();
    cleanUpAtExit();
    discrip_->close();
    event->accept();
}

// Undo and redo. Outside the mouse editor a step goes through the regime "File" into
// "Edit", as Open does; in the mouse editor it only redraws.

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
            editScheme();
        }
    }
    refreshUndoButtons();
}

}  // namespace velmar::gui
