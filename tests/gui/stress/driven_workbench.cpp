// A workbench driven without a person, as a second user's workbench beside the test
// suite (scripts/stress-tests): with the program's own surroundings (the user's
// configuration, the shared temporary folder), it cycles through its menus until it
// is stopped: switches the language, copies a block through the clipboard file and
// pastes it, saves the scheme under new names, and starts again. Its schemes
// are copies of the demo in a folder of its own, never the shipped files.
//
//   velmar-driven-workbench [SECONDS]    runs for SECONDS (until killed without)
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

#include "core/scripted_host.h"
#include "gui/shell/form_main.h"
#include "gui/shell/mouse_editor_window.h"
#include "gui/shell/shell_state.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

void band(TFormMain& form, QPoint from, QPoint to) {
    QWidget* canvas = form.canvas().widget();
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const ShellPlaces places = programPlaces();
    const QString work = QDir::temp().filePath(QString("velmar-driven-%1").arg(QCoreApplication::applicationPid()));
    QDir().mkpath(work);
    const QString demo = QDir(work).filePath("demo.shm");
    QFile::copy(VELMAR_DATA_DIR "/Schemes/demo.shm", demo);
    QFile::copy(VELMAR_DATA_DIR "/Schemes/demo.sdf", QDir(work).filePath("demo.sdf"));

    ScriptedHost host;
    host.reply = Reply::No;  // no save question stops it; New and Open drop the scheme
    TFormMain form(&host, nullptr, &places);
    int saves = 0;
    form.chooseFile = [&](editor::FileDialogKind kind, const QString&) {
        return kind == editor::FileDialogKind::OpenScheme ? demo
                                                          : QDir(work).filePath(QString("saved-%1.shm").arg(++saves % 5));
    };
    form.resize(1000, 700);
    form.show();

    const QPoint from(2 * 21 + 4, 3 * 11 + 4), to(17 * 21 + 4, 9 * 11 + 4);
    const std::vector<std::function<void()>> steps = {
        [&] { form.action("RussianLang")->trigger(); },
        [&] { form.openScheme(); },
        [&] { form.action("editor")->trigger(); },
        [&] { band(form, from, to); },
        [&] { form.mouseEditorWindow().copy(); },
        [&] { QTest::mouseClick(form.canvas().widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30 * 21 + 4, 20 * 11 + 4)); },
        [&] { form.mouseEditorWindow().paste(); },
        [&] { form.action("editor")->trigger(); },
        [&] { form.action("RomanianLang")->trigger(); },
        [&] { form.saveSchemeAs(); },
        [&] { form.action("EnglishLang")->trigger(); },
        [&] { form.newScheme(); },
    };
    std::size_t next = 0;
    QTimer drive;
    QObject::connect(&drive, &QTimer::timeout, [&] {
        if (form.busy() || QApplication::activeModalWidget()) return;
        steps[next]();
        next = (next + 1) % steps.size();
    });
    drive.start(20);
    if (args.size() > 1) QTimer::singleShot(args.at(1).toInt() * 1000, [&] {
        host.reply = Reply::No;
        form.close();
        app.quit();
    });
    const int code = QApplication::exec();
    QDir(work).removeRecursively();
    return code;
}
