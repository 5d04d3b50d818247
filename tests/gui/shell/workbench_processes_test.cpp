// Workbenches as processes beside one another: one killed after an edit gives the edit
// to the next start, and one that closes leaves the shared clipboard file to the others
// still running. The other workbench is this program started with
// `--workbench ROOT ACTION`: a main window with the surroundings under ROOT (the
// temporary folder comes from TMPDIR, as for the program), which does ACTION, says so
// on its output and waits to be killed.
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <memory>

#include "core/editor/block_clipboard.h"
#include "core/model/scheme_file.h"
#include "core/scripted_host.h"
#include "gui/shell/form_main.h"
#include "gui/shell/recovery_keeper.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

ShellPlaces placesUnder(const QString& root) {
    const auto at = [&](const char* name) { return std::filesystem::path(QDir(root).filePath(name).toStdString()); };
    std::filesystem::create_directories(at("bin"));
    return {at("bin"), true, at("config"), at("data"), VELMAR_DATA_DIR, at("state")};
}

std::filesystem::path recoveryFolder(const QString& root) {
    return std::filesystem::path(QDir(root).filePath("state/recovery").toStdString());
}

int filesIn(const std::filesystem::path& folder, const char* extension) {
    int n = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        n += it->path().extension() == extension;
    return n;
}

QString hexOf(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())).toHex();
}

// The other workbench: "edit" draws a line with Shift and the arrows and waits until
// the scheme has been kept for recovery, then prints "kept HEX" (the scheme's bytes);
// "idle" prints "running".
int runOtherWorkbench(const QString& root, const QString& action) {
    const ShellPlaces places = placesUnder(root);
    ScriptedHost host;
    TFormMain form(&host, nullptr, &places);
    form.resize(900, 600);
    form.show();
    if (!QTest::qWaitForWindowActive(&form)) return 2;
    QTextStream out(stdout);
    if (action == "edit") {
        form.recovery().setInterval(20);
        for (int i = 0; i < 4; ++i) QTest::keyClick(&form, Qt::Key_Right, Qt::ShiftModifier);
        if (form.isSaved()) return 3;
        if (!QTest::qWaitFor([&] { return filesIn(recoveryFolder(root), ".run") == 1; }, 20000)) return 4;
        out << "kept " << hexOf(SchemeBytes(form.workbench().scheme)) << Qt::endl;
    } else {
        out << "running" << Qt::endl;
    }
    return QApplication::exec();
}

}  // namespace

class WorkbenchProcessesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root;
    std::unique_ptr<QProcess> other;

    QString path(const char* name) const { return root.filePath(name); }
    // Starts the other workbench and returns its first line of output.
    QString startOther(const char* action) {
        other = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", path("tmp"));
        other->setProcessEnvironment(env);
        other->start(QCoreApplication::applicationFilePath(), {"--workbench", root.path(), action});
        if (!QTest::qWaitFor([&] { return other->canReadLine() || other->state() == QProcess::NotRunning; },
                             30000))
            return {};
        return QString::fromUtf8(other->readLine()).trimmed();
    }
    void killOther() {
        ::kill(static_cast<pid_t>(other->processId()), SIGKILL);
        QVERIFY(other->waitForFinished(10000));
    }
    static QStringList questions(const ScriptedHost& host) {
        QStringList asked;
        for (const std::string& line : host.lines)
            if (line.starts_with("Recovery: ")) asked << QString::fromStdString(line);
        return asked;
    }
    static void closeWithoutSaving(TFormMain& form, ScriptedHost& host) {
        host.reply = Reply::No;
        QVERIFY(form.close());
    }

private slots:
    void initTestCase() {
        QVERIFY(root.isValid());
        QVERIFY(QDir().mkpath(path("tmp")));
        // This process's workbenches share the other's temporary folder.
        qputenv("TMPDIR", QFile::encodeName(path("tmp")));
        QVERIFY(QDir::setCurrent(root.path()));
    }
    void cleanup() {
        if (other && other->state() != QProcess::NotRunning) killOther();
        other.reset();
    }

    void aKilledWorkbenchsEditIsOfferedAtTheNextStart() {
        const QString said = startOther("edit");
        QVERIFY2(said.startsWith("kept "), qPrintable(said + QString::fromUtf8(other->readAllStandardError())));
        const QString edited = said.mid(5);
        killOther();
        QCOMPARE(filesIn(recoveryFolder(root.path()), ".run"), 1);

        const ShellPlaces places = placesUnder(root.path());
        {
            ScriptedHost host;
            host.reply = Reply::Yes;
            TFormMain form(&host, nullptr, &places);
            QVERIFY(form.recovery().offer());
            QCOMPARE(hexOf(SchemeBytes(form.workbench().scheme)), edited);
            QVERIFY(!form.isSaved());
            QCOMPARE(form.fileName(), QString("NoName.shm"));
            // The question says when the copy was kept.
            QCOMPARE(questions(host).size(), 1);
            QVERIFY(questions(host).front().contains(QDate::currentDate().toString("yyyy-MM-dd")));
            // The killed workbench's copy has become this one's.
            QCOMPARE(filesIn(recoveryFolder(root.path()), ".run"), 1);
            closeWithoutSaving(form, host);
        }
        // A normal end leaves nothing, and the next start offers nothing.
        QCOMPARE(filesIn(recoveryFolder(root.path()), ".run"), 0);
        QCOMPARE(filesIn(recoveryFolder(root.path()), ".shm"), 0);
        ScriptedHost host;
        TFormMain form(&host, nullptr, &places);
        QVERIFY(!form.recovery().offer());
        QVERIFY(questions(host).isEmpty());
        closeWithoutSaving(form, host);
    }

    void noAndCancelDeleteOrKeepTheCopy() {
        QVERIFY(startOther("edit").startsWith("kept "));
        killOther();
        const ShellPlaces places = placesUnder(root.path());
        for (const Reply reply : {Reply::Cancel, Reply::No}) {
            ScriptedHost host;
            host.reply = reply;
            TFormMain form(&host, nullptr, &places);
            QVERIFY(!form.recovery().offer());
            QCOMPARE(questions(host).size(), 1);
            QCOMPARE(filesIn(recoveryFolder(root.path()), ".run"), reply == Reply::Cancel ? 1 : 0);
            closeWithoutSaving(form, host);
        }
    }

    void theClipboardStaysWhileAnotherWorkbenchRuns() {
        QCOMPARE(startOther("idle"), QString("running"));
        const ShellPlaces places = placesUnder(root.path());
        const auto copyAndClose = [&] {
            ScriptedHost host;
            TFormMain form(&host, nullptr, &places);
            Scheme& scheme = form.workbench().scheme;
            scheme.PutCell(10, 10, 22);
            scheme.Labels[1] = "Lag";  // written beside the clipboard file
            scheme.mark = {10, 10, 12, 12};
            QVERIFY(editor::copyToClipboard(scheme));
            scheme.NewScheme();
            closeWithoutSaving(form, host);
        };
        const QString labels = QString::fromStdString(labelsFileFor(editor::clipboardFile()).string());
        copyAndClose();
        QVERIFY(editor::clipboardHolds());
        QVERIFY(QFile::exists(labels));
        // Killed, the other workbench no longer counts: the last one to close removes it,
        // with the labels file beside it.
        killOther();
        copyAndClose();
        QVERIFY(!editor::clipboardHolds());
        QVERIFY(!QFile::exists(labels));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = args.indexOf("--workbench");
    if (at > 0 && at + 2 < args.size()) return runOtherWorkbench(args.at(at + 1), args.at(at + 2));
    WorkbenchProcessesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "workbench_processes_test.moc"
