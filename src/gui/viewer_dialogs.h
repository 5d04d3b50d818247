// The questions the graph viewer and its small windows put to a person: message
// boxes, point-file names and fonts. The defaults show Qt's dialogs; tests replace the
// members to answer without a person.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/host.h"

class QWidget;

namespace velmar::gui {

struct ViewerDialogs {
    // An error box "Ошибка" or an information box "Сообщение".
    std::function<void(QWidget* parent, velmar::Box box, const QString& text)> message;
    // A point file to open (save = false) or to save into, starting from `current`;
    // empty when cancelled. Saving adds the extension ".pnt" to a name without one.
    std::function<QString(QWidget* parent, bool save, const QString& current)> pointFileName;
    // A file to export the graph into, starting from `current`; the filters offer the
    // extensions in `formats` ("png", "svg", "csv"), and a name without an extension
    // gets the chosen filter's. Empty when cancelled.
    std::function<QString(QWidget* parent, const QStringList& formats, const QString& current)>
        exportFileName;
    // Lets the user change `font`; false when cancelled.
    std::function<bool(QWidget* parent, QFont& font)> chooseFont;
    // The folder the point-file dialogs start in while no point file is current; made
    // when first used.
    QString pointsFolder;
};

// The process-wide set, filled with the Qt dialogs.
ViewerDialogs& viewerDialogs();

}  // namespace velmar::gui
