// The analysis window tests' session: the main window over a marking host, opened on a
// shipped scheme and switched to Run as a person does it, closed without saving; and
// what velmar-cli prints for the same file. With VELMAR_SCREENSHOT_DIR set, saveShot
// keeps a window's picture there.
#pragma once

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "gui/shell/form_main.h"
#include "gui/support/marking_host.h"

namespace velmar::gui {

inline QString cliOutput(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(VELMAR_CLI, args);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline void saveShot(QWidget& window, const char* name) {
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QTest::qWait(150);
    QVERIFY(window.grab().save(QDir(dir).absoluteFilePath(name)));
}

class RunSession {
protected:
    std::unique_ptr<MarkingHost> host;
    std::unique_ptr<TFormMain> form;

    void openInRun(const QString& scheme) {
        form = std::make_unique<TFormMain>(host.get());
        form->resize(1100, 760);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->openAtStart(scheme);
        form->action("Run2")->trigger();
        QCOMPARE(form->regime(), QString("Run"));
    }
    void closeSession() {
        if (form) {
            host->reply = Reply::No;
            form->close();
        }
        form.reset();
        host.reset();
    }
};

}  // namespace velmar::gui
