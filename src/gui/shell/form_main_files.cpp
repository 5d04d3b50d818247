// The file commands of the main window: the file session runs them; the window
// supplies the file dialogs, the picture background and its regime switches.
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>

#include "core/editor/marked_block.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/shell/shell_state.h"

namespace velmar::gui {

using namespace velmar::editor;

std::string TFormMain::pickFile(FileDialogKind kind, const std::string& suggested) {
    const QString proposal = QString::fromStdString(suggested);
    QString& folder = shell_->schemeDialogFolder;
    if (folder.isEmpty()) folder = QString::fromStdString(shell_->folders.schemes);
    QString name;
    if (chooseFile) {
        name = chooseFile(kind, QDir(folder).filePath(proposal));
    } else {
        QDir().mkpath(folder);  // made when a dialog first opens in it
        if (kind == FileDialogKind::OpenScheme) {
            name = QFileDialog::getOpenFileName(
                this, "Open", folder,
                "scheme (*.shm);;test scheme (*.sht);;picture (*.bmp *.ico *.wmf);;all files (*)");
        } else {
            name = QFileDialog::getSaveFileName(this, "Save As", QDir(folder).filePath(proposal),
                                                "scheme (*.shm);;all files (*)");
            if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += ".shm";
        }
    }
    if (!name.isEmpty()) folder = QFileInfo(name).absolutePath();
    return name.toStdString();
}

void TFormMain::leaveAdvRed() {
    if (state_.regime == Regime::AdvRed) {
        action("editor")->setChecked(false);
        editorClick();
    }
}

void TFormMain::enterFile() { switchRegime(RegimeEvent::File); }

void TFormMain::schemeReplaced() {
    clearTestFlags();
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

void TFormMain::redraw() { canvas_->redraw(); }

void TFormMain::New1Click() {
    if (!busy_) files_.newScheme();
}

void TFormMain::Open1Click() {
    if (!busy_) files_.open();
}

void TFormMain::Save1Click() {
    if (!busy_) files_.save();
}

void TFormMain::SaveAs1Click() {
    if (!busy_) files_.saveAs();
}

void TFormMain::ReadBlockFrom1Click() {
    if (busy_ || state_.regime != Regime::Edit) return;
    canvas_->restorePatch();
    if (readBlockFile(files_, wb_, state_.cursor)) state_.held = 0;
    redrawAll();
}

void TFormMain::WriteBlockTo1Click() {
    if (!busy_ && state_.regime == Regime::Edit) writeBlockFile(files_, wb_);
}

void TFormMain::Exit1Click() { close(); }

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

}  // namespace velmar::gui
