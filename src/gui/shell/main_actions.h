// The main window's menu bar, speed bar, hidden key menu and block popup, built from
// tables. Every item is a QAction whose objectName is its component name. A menu item
// calls the window's slot named after it ("Run2" calls `Run2Click`), a speed button the
// handler its row names; the analysis items hand their command code to
// `analysisItemClick`, the key items their key code to `UpTmpClick`, a popup item the
// slot its row names.
#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QToolBar;

namespace velmar::gui {

class TFormMain;

struct MainActions {
    QHash<QString, QAction*> byName;
    QToolBar* speedBar = nullptr;
    QMenu* popupMenuHelp = nullptr;  // a block's name, shown on a right click
    QMenu* popupMenu2 = nullptr;     // the mouse editor's commands
    QMenu* popupMenu3 = nullptr;     // the mouse editor's drag choice
};

MainActions buildMainActions(TFormMain& form);

// The Run menu's item of an optimisation method ("Poisk21" for 0), or null for a method
// without one.
const char* optimMethodItem(int method);

}  // namespace velmar::gui
