// The file commands of the main window, the saved state and the close query.
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>

#include "gui/shell/caption_editor.h"
#include "core/errors.h"
#include "gui/shell/form_main.h"
#include "core/model/compile.h"
#include "core/model/scheme_file.h"

namespace velmar::gui {

namespace {

const char* const kSaveQuestion = "Схема не была сохранена. Сохранить схему?";
const char* const kNoName = "NoName.shm";

QString extensionOf(const QString& name) {
    const int dot = name.lastIndexOf('.');
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

std::filesystem::path pathOf(const QString& name) { return std::filesystem::path(name.toStdString()); }

}  // namespace

bool TFormMain::isSaved() const {
    return SchemeBytes(wb_.scheme) == savedBytes_ && LabelsText(wb_.scheme) == savedLabels_;
}

void TFormMain::markSaved() {
    savedBytes_ = SchemeBytes(wb_.scheme);
    savedLabels_ = LabelsText(wb_.scheme);
}

void TFormMain::setFileName(const QString& name) {
    fileName_ = name;
    setWindowTitle("VELMAR For Windows : " + QFileInfo(name).fileName());
}

QString TFormMain::pickFile(FileDialogKind kind, const QString& suggested) {
    if (chooseFile) return chooseFile(kind, suggested);
    const QString folder = QFileInfo(fileName_).isAbsolute() ? QFileInfo(fileName_).absolutePath() : QString();
    if (kind == FileDialogKind::OpenScheme)
        return QFileDialog::getOpenFileName(this, "Open", folder,
                                            "scheme (*.shm);;test scheme (*.sht);;picture (*.bmp *.ico *.wmf);;all files (*)");
    QString name = QFileDialog::getSaveFileName(this, "Save As", QDir(folder).filePath(suggested),
                                                "scheme (*.shm);;all files (*)");
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += ".shm";
    return name;
}

// Asks whether to save an unsaved scheme and saves on Yes. Returns true when the
// caller may go on: the scheme was saved, or the person chose not to save it.
bool TFormMain::askToSave(bool withCancel, bool& cancelled) {
    cancelled = false;
    if (isSaved()) return true;
    const Reply r = host_.ask("Предупреждение", kSaveQuestion, withCancel);
    if (r == Reply::Cancel) {
        cancelled = true;
        return false;
    }
    if (r == Reply::No) return true;
    Save1Click();
    return isSaved();
}

bool TFormMain::saveTo(const QString& path) {
    try {
        SaveScheme(wb_.scheme, pathOf(path), LabelsFileFor(pathOf(path)));
    } catch (const FileError& e) {
        host_.message(Box::Error, std::string(e.what()) + ", try again.");
        return false;
    }
    markSaved();
    statusMessage(QString::fromUtf8("Сохранен."));
    return true;
}

void TFormMain::afterSchemeReplaced() {
    wb_.run.ResultsAllocated = false;
    canvas_->clearThumbnails();
    canvas_->setBackground(QImage());
    state_.held = 0;
    discrip_->refresh();
}

void TFormMain::New1Click() {
    if (busy_) return;
    bool cancelled = false;
    if (!askToSave(false, cancelled)) return;
    leaveAdvRed();
    wb_.scheme.ClearLabels();
    wb_.scheme.SchemeComment.clear();
    leaveRunOrBank();
    setRegime(editor::kRegimeFile);
    applyActions(editor::RegimeSwitch::File);
    setFileName(kNoName);
    wb_.scheme.NewScheme();
    state_.cursor = {};
    afterSchemeReplaced();
    setRegime(editor::kRegimeEdit);
    canvas_->redraw();
    markSaved();
    statusMessage(QString::fromUtf8("Создан."));
    Edit2Click();
}

void TFormMain::Open1Click() {
    if (busy_) return;
    bool cancelled = false;
    if (!askToSave(false, cancelled)) return;
    leaveAdvRed();
    leaveRunOrBank();
    setRegime(editor::kRegimeFile);
    applyActions(editor::RegimeSwitch::File);
    countPanel_->clear();
    const QString name = pickFile(FileDialogKind::OpenScheme, QFileInfo(fileName_).fileName());
    const QString ext = extensionOf(name);
    if (name.isEmpty()) {
        Edit2Click();
        return;
    }
    if (ext == "BMP" || ext == "ICO" || ext == "WMF") {
        QImage picture(name);
        if (picture.isNull()) {
            host_.message(Box::Error, QString::fromUtf8("Ошибка при попытке открыть файл %1. Попробуйте снова. Возможно файл поврежден.")
                                          .arg(name).toStdString());
        } else {
            setFileName(name);
            canvas_->setBackground(picture);
            statusMessage(QString::fromUtf8("Открыт."));
        }
        Edit2Click();
        return;
    }
    if (ext == "SHM" || ext == "SHT") {
        // The labels of the old scheme go only once the new one has been read whole.
        Scheme fresh;
        try {
            LoadScheme(fresh, pathOf(name), LabelsFileFor(pathOf(name)));
        } catch (const FileError&) {
            host_.message(Box::Error, QString::fromUtf8("Ошибка при попытке открыть файл %1. Попробуйте снова. Возможно файл поврежден.")
                                          .arg(name).toStdString());
            canvas_->redraw();
            Edit2Click();
            return;
        }
        wb_.scheme.swap(fresh);
        setFileName(name);
        state_.cursor = {};
        afterSchemeReplaced();
            canvas_->redraw();
        markSaved();
        statusMessage(QString::fromUtf8("Открыт."));
    }
    Edit2Click();
}

void TFormMain::openAtStart(const QString& path) {
    const QString ext = extensionOf(path);
    if (ext != "SHM" && ext != "SHT") return;
    Scheme fresh;
    try {
        LoadScheme(fresh, pathOf(path), LabelsFileFor(pathOf(path)));
    } catch (const FileError& e) {
        host_.message(Box::Error, std::string(e.what()) + ", try again.");
        return;
    }
    leaveRunOrBank();
    wb_.scheme.swap(fresh);
    setFileName(path);
    afterSchemeReplaced();
    canvas_->redraw();
    markSaved();
    statusMessage("Opened.");
    Edit2Click();
}

void TFormMain::Save1Click() {
    if (busy_) return;
    leaveAdvRed();
    const QString ext = extensionOf(fileName_);
    if (ext == "SHT") {
        host_.message(Box::Warning, "Это тестовая схема, ее изменять нельзя. Для редактирования запомните ее под другим именем");
        return;
    }
    // A name that is not a scheme's (a picture opened as the background) is asked anew.
    if (ext != "SHM" || QFileInfo(fileName_).fileName() == kNoName) {
        SaveAs1Click();
        return;
    }
    saveTo(fileName_);
}

void TFormMain::SaveAs1Click() {
    if (busy_) return;
    leaveAdvRed();
    const QString name = pickFile(FileDialogKind::SaveScheme, kNoName);
    if (name.isEmpty() || extensionOf(name) != "SHM") return;
    if (saveTo(name)) setFileName(name);
}

void TFormMain::ReadBlockFrom1Click() {
    if (busy_ || state_.Regime != editor::kRegimeEdit) return;
    const QString name = pickFile(FileDialogKind::OpenScheme, QString());
    if (extensionOf(name) != "SHM") return;
    canvas_->restorePatch();
    try {
        ReadBlock(wb_.scheme, state_.cursor.col, state_.cursor.row, pathOf(name));
    } catch (const FileError& e) {
        host_.message(Box::Error, std::string(e.what()) + ", try again.");
    }
    state_.held = 0;
    redrawAll();
    statusMessage("Opened.");
}

void TFormMain::WriteBlockTo1Click() {
    if (busy_ || state_.Regime != editor::kRegimeEdit) return;
    const QString name = pickFile(FileDialogKind::SaveScheme, kNoName);
    if (extensionOf(name) != "SHM") return;
    const Mark& m = wb_.scheme.mark;
    try {
        if (WriteBlock(wb_.scheme, m.left, m.top, m.right, m.bottom, pathOf(name))) statusMessage("Saved.");
    } catch (const FileError& e) {
        host_.message(Box::Error, std::string(e.what()) + ", try again.");
    }
}

void TFormMain::Exit1Click() { close(); }

void TFormMain::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    bool cancelled = false;
    if (!askToSave(true, cancelled)) {
        event->ignore();
        return;
    }
    if (state_.Regime == editor::kRegimeRun) ReleaseCompiled(wb_);
    else if (state_.Regime == editor::kRegimeBank) leaveBank();
    clock_.stop();
    discrip_->close();
    event->accept();
}

}  // namespace velmar::gui
