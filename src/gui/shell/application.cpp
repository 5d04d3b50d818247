#include "gui/shell/application.h"

#include <QApplication>
#include <QScreen>
#include <QStringList>

#include "gui/shell/form_main.h"

namespace velmar::gui {

int runWorkbench(QApplication& app) {
    TFormMain form;
    // All parameters form one file name, so that a path with blanks arrives whole.
    const QStringList args = app.arguments().mid(1);
    if (!args.isEmpty()) form.openAtStart(args.join(' '));
    // Without a window manager a maximised window keeps its default size: take the
    // screen first.
    if (const QScreen* screen = app.primaryScreen()) form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return app.exec();
}

}  // namespace velmar::gui
