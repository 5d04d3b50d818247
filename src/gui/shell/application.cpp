#include "gui/shell/application.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QStringList>

#include "core/shell/configuration.h"
#include "gui/graphs/show_graph.h"
#include "gui/shell/form_main.h"
#include "gui/shell/recovery_keeper.h"
#include "gui/shell/shell_state.h"

namespace velmar::gui {

namespace {

QPixmap splashPicture() {
    QPixmap picture(460, 220);
    picture.fill(QColor(0, 128, 0));
    QPainter p(&picture);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPixelSize(48);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 30, 460, 70), Qt::AlignCenter, "VELMAR");
    QFont line = title;
    line.setPixelSize(15);
    line.setBold(false);
    p.setFont(line);
    p.drawText(QRect(0, 105, 460, 30), Qt::AlignCenter,
               "A workbench for the study of automatic control systems");
    p.setPen(QColor(0, 255, 255));
    p.drawText(QRect(0, 170, 460, 30), Qt::AlignCenter, "Loading...");
    p.setPen(Qt::white);
    p.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

}  // namespace

int runWorkbench(QApplication& app) {
    // The splash window lives until the main window has been shown.
    QSplashScreen splash(splashPicture());
    splash.setObjectName("SplashForm");
    splash.show();
    app.processEvents();

    const ShellPlaces places = programPlaces();
    TFormMain form(nullptr, nullptr, &places);
    graphViewer(&form);  // the windows that live for the whole run, in their order
    std::vector<std::string> parameters;
    for (const QString& a : app.arguments().mid(1)) parameters.push_back(a.toStdString());
    // A recovered scheme holds work that exists nowhere else: it comes before the file
    // named on the command line, which can be opened again.
    if (!form.recovery().offer() && !parameters.empty())
        form.openAtStart(QString::fromStdString(commandLineFile(parameters)));
    // Without a window manager a maximised window keeps its default size: take the
    // screen first.
    if (const QScreen* screen = app.primaryScreen()) form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    splash.finish(&form);
    return app.exec();
}

}  // namespace velmar::gui
