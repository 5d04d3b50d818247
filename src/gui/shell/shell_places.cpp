#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "gui/shell/shell_state.h"

namespace velmar::gui {

namespace {

std::filesystem::path userFolder(QStandardPaths::StandardLocation location) {
    return std::filesystem::path(QStandardPaths::writableLocation(location).toStdString()) / "velmar";
}

// $XDG_STATE_HOME, by default ~/.local/state (this Qt has no name for it).
std::filesystem::path userStateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(state) ? state : QDir::homePath() + "/.local/state";
    return std::filesystem::path(base.toStdString()) / "velmar";
}

}  // namespace

ShellPlaces programPlaces() {
    const QString folder = QCoreApplication::applicationDirPath();
    return {folder.toStdString(),
            QFileInfo(folder).isWritable(),
            userFolder(QStandardPaths::GenericConfigLocation),
            userFolder(QStandardPaths::GenericDataLocation),
            VELMAR_DATA_DIR,
            userStateFolder()};
}

}  // namespace velmar::gui
