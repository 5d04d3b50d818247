// Connecting the main window's actions to the members that carry them out, from
// tables of {component name, member function}. A handler that does not exist does not
// compile; a row naming an action the window does not have stops the program at once,
// at the first start of any test.
#pragma once

#include <QAction>
#include <QHash>
#include <QString>
#include <QtGlobal>

namespace velmar::gui {

template <class Receiver>
struct ActionHandler {
    const char* action;
    void (Receiver::*run)();
};

template <class Receiver, std::size_t N>
void connectHandlers(const QHash<QString, QAction*>& actions, Receiver& receiver,
                     const ActionHandler<Receiver> (&table)[N]) {
    for (const ActionHandler<Receiver>& row : table) {
        QAction* a = actions.value(QString::fromLatin1(row.action));
        if (a == nullptr) qFatal("The main window has no action %s", row.action);
        QObject::connect(a, &QAction::triggered, &receiver,
                         [&receiver, run = row.run] { (receiver.*run)(); });
    }
}

}  // namespace velmar::gui
