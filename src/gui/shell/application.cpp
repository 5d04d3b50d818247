#include "application.h"

#include <QApplication>
#include <QMainWindow>

namespace velmar::gui {

int runWorkbench(QApplication& app) {
    QMainWindow window;
    window.setWindowTitle("VELMAR For Windows : NoName.shm");
    window.showMaximized();
    return app.exec();
}

}  // namespace velmar::gui
