// The file dialogs of the file commands: "Open" for schemes, test schemes and pictures,
// "Save As" for schemes, each opening in the folder the last one left.
#pragma once

#include <QString>
#include <functional>

#include "core/editor/file_session.h"

class QWidget;

namespace velmar::gui {

// Tests answer the dialogs instead of a person; an empty answer cancels.
using FileChooser = std::function<QString(editor::FileDialogKind, const QString& suggested)>;

// Asks for a file in `folder` (made when a dialog first opens in it), proposing
// `proposal`; `folder` then becomes the chosen file's. A saved scheme without an
// extension gets ".shm". Empty when cancelled.
QString askSchemeFile(QWidget* parent, editor::FileDialogKind kind, QString& folder, const QString& proposal,
                      const FileChooser& chooser);

}  // namespace velmar::gui
