#include "gui/viewer_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>

#include "gui/message_box.h"

namespace velmar::gui {

namespace {

const char* kPointFilter = "pnt files (*.pnt);;all files (*.*)";

void showMessage(QWidget* parent, velmar::Box box, const QString& text) {
    const bool error = box == velmar::Box::Error;
    QMessageBox m(error ? QMessageBox::Critical : QMessageBox::Information,
                  error ? QStringLiteral("Ошибка") : QStringLiteral("Сообщение"), text, QMessageBox::Ok,
                  parent);
    fitTitle(m);
    m.exec();
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

QString askExportFileName(QWidget* parent, const QStringList& formats, const QString& current) {
    QStringList filters;
    for (const QString& f : formats) filters << QString("%1 files (*.%2)").arg(f.toUpper(), f);
    QFileDialog dialog(parent);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(formats.value(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &formats](const QString& f) {
                         dialog.setDefaultSuffix(formats.value(static_cast<int>(filters.indexOf(f))));
                     });
    if (!current.isEmpty()) dialog.selectFile(current);
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
    static ViewerDialogs dialogs{showMessage, askPointFileName, askExportFileName, askFont};
    return dialogs;
}

}  // namespace velmar::gui
