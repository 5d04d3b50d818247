#include "gui/shell/scheme_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace velmar::gui {

QString askSchemeFile(QWidget* parent, editor::FileDialogKind kind, QString& folder, const QString& proposal,
                      const FileChooser& chooser) {
    QString name;
    if (chooser) {
        name = chooser(kind, QDir(folder).filePath(proposal));
    } else {
        QDir().mkpath(folder);
        if (kind == editor::FileDialogKind::OpenScheme) {
            name = QFileDialog::getOpenFileName(
                parent, "Open", folder,
                "scheme (*.shm);;test scheme (*.sht);;picture (*.bmp *.ico *.wmf);;all files (*)");
        } else {
            name = QFileDialog::getSaveFileName(parent, "Save As", QDir(folder).filePath(proposal),
                                                "scheme (*.shm);;all files (*)");
            if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += ".shm";
        }
    }
    if (!name.isEmpty()) folder = QFileInfo(name).absolutePath();
    return name;
}

}  // namespace velmar::gui
