#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "gui/shell/shell_state.h"

namespace velmar::gui {

namespace {

std::filesystem::path userFolder(QStandardPaths::StandardLocation location) {
    return std::filesystem::path(QStandardPaths::writableLocation(location).toStdString()) / "velmar";
}

}  // namespace

ShellPlaces programPlaces() {
    const QString folder = QCoreApplication::applicationDirPath();
    return {folder.toStdString(), QFileInfo(folder).isWritable(),
            userFolder(QStandardPaths::GenericConfigLocation),
            userFolder(QStandardPaths::GenericDataLocation), VELMAR_DATA_DIR};
}

}  // namespace velmar::gui
