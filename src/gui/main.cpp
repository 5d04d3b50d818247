#include <QApplication>

#include "gui/shell/application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return velmar::gui::runWorkbench(app);
}
