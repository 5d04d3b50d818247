// The main window's menu bar, speed bar, hidden key menu and popups, built from tables.
// Every item is a QAction whose objectName is its component name and whose texts are
// the window's own (core/shell/own_texts.h). The window's handlers are connected from a
// table of member functions; the analysis items hand their command code to
// `runAnalysis`, the optimisation methods their index to `chooseOptimMethod`, the key
// items their key code to `typeKey`. The mouse editor's popups and the shell's items
// are connected by the objects that carry them out.
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
