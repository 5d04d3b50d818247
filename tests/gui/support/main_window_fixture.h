// The main window over a scripted host, as the window tests drive it: a folder of the
// test's own that is also its working and system temporary folder (the clipboard file
// lives there), and a window closed without saving after each case.
#pragma once

#include <QDir>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>
#include <memory>

#include "core/scripted_host.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

struct MainWindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<TFormMain> form;

    // For initTestCase: the test's folder becomes the working and temporary folder.
    bool enterFolder() {
        if (!dir.isValid()) return false;
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        return QDir::setCurrent(dir.path());
    }
    // For init: a fresh host and window of `size`, shown; its file dialogs cancel.
    void openWindow(QSize size) {
        host = std::make_unique<ScriptedHost>();
        form = std::make_unique<TFormMain>(host.get());
        form->chooseFile = [](editor::FileDialogKind, const QString&) { return QString(); };
        form->resize(size);
        form->show();
    }
    // For cleanup: the window closes answering No to the save question.
    void closeWindow() {
        host->reply = Reply::No;
        form->close();
        form.reset();
    }
};

}  // namespace velmar::gui
