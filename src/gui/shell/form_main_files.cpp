// The file commands of the main window: the file session runs them; the window
// supplies the file dialogs, the picture background and its regime switches.
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>

#include "core/model/scheme_file.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

using namespace velmar::editor;

std::string TFormMain::pickFile(FileDialogKind kind, const std::string& suggested) {
    const QString proposal = QString::fromStdString(suggested);
    if (chooseFile) return chooseFile(kind, proposal).toStdString();
    const QFileInfo current(fileName());
    const QString folder = current.isAbsolute() ? current.absolutePath() : schemesFolder();
    if (kind == FileDialogKind::OpenScheme)
        return QFileDialog::getOpenFileName(
                   this, "Open", folder,
                   "scheme (*.shm);;test scheme (*.sht);;picture (*.bmp *.ico *.wmf);;all files (*)")
            .toStdString();
    QString name = QFileDialog::getSaveFileName(this, "Save As", QDir(folder).filePath(proposal),
                                                "scheme (*.shm);;all files (*)");
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += ".shm";
    return name.toStdString();
}

void TFormMain::leaveAdvRed() {
    if (action("editor")->isChecked()) {
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
    const std::string name = files_.chooseBlockFile(FileDialogKind::OpenScheme);
    if (name.empty()) return;
    canvas_->restorePatch();
    files_.tryFile([&] { ReadBlock(wb_.scheme, state_.cursor.col, state_.cursor.row, name); });
    state_.held = 0;
    redrawAll();
    statusMessage("Opened.");
}

void TFormMain::WriteBlockTo1Click() {
    if (busy_ || state_.regime != Regime::Edit) return;
    const std::string name = files_.chooseBlockFile(FileDialogKind::SaveScheme);
    if (name.empty()) return;
    const Mark& m = wb_.scheme.mark;
    bool written = false;
    if (files_.tryFile([&] { written = WriteBlock(wb_.scheme, m.left, m.top, m.right, m.bottom, name); }) &&
        written)
        statusMessage("Saved.");
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
