#include "gui/graphs/viewer_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace velmar::gui {

namespace {

const char* kPointFilter = "pnt files (*.pnt);;all files (*.*)";

void showMessage(QWidget* parent, velmar::Box box, const QString& text) {
    if (box == velmar::Box::Error) QMessageBox::critical(parent, QStringLiteral("Ошибка"), text);
    else QMessageBox::information(parent, QStringLiteral("Сообщение"), text);
}

QString askPointFileName(QWidget* parent, bool save, const QString& current) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(kPointFilter);
    dialog.setDefaultSuffix("pnt");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!current.isEmpty()) {
        dialog.selectFile(current);
    } else if (const QString& folder = viewerDialogs().pointsFolder; !folder.isEmpty()) {
        QDir().mkpath(folder);
        dialog.setDirectory(folder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool askFont(QWidget* parent, QFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok) font = chosen;
    return ok;
}

}  // namespace

ViewerDialogs& viewerDialogs() {
    static ViewerDialogs dialogs{showMessage, askPointFileName, askFont};
    return dialogs;
}

}  // namespace velmar::gui
