// Promises of the main window a new user found broken: the regime buttons follow the
// regime, a click starts a new line, a missing calculator is said, the Path dialog's
// schemes folder is where Open starts, a line without an arrow is named in the wiring
// fault, the square-functional window closes as the other windows do, and a graph
// comment takes the text typed before "Create".
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "core/editor/key_codes.h"
#include "core/scripted_host.h"
#include "gui/analysis/integral_form.h"
#include "gui/editor/cell_pictures.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/shell/form_main.h"
#include "gui/support/main_window_fixture.h"
#include "gui/shell/path_form.h"

using namespace velmar;
using namespace velmar::gui;

class PromisesTest : public QObject, private MainWindowFixture {
    Q_OBJECT


    QAction* action(const char* name) const { return form->action(name); }
    std::uint8_t cell(int col, int row) const { return form->workbench().scheme.cell(col, row); }
    void clickCell(int col, int row) {
        QTest::mouseClick(form->canvas().widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(col * kCellWidth + 10, row * kCellHeight + 5));
    }
    void shiftMove(int key, int times = 1) {
        for (int i = 0; i < times; ++i) form->typeKey(key, true);
    }

private slots:
    void initTestCase() { QVERIFY(enterFolder()); }
    void init() { openWindow({1200, 800}); }
    void cleanup() { closeWindow(); }

    // Ctrl+A then Ctrl+E: the mouse editor ends, its button and tick with it.
    void theRegimeButtonsFollowTheRegime() {
        action("N20")->trigger();
        QCOMPARE(form->regime(), QString("AdvRed"));
        QVERIFY(action("editor")->isChecked() && action("N20")->isChecked());
        QVERIFY(!action("EditBtn")->isEnabled());
        action("Edit2")->trigger();
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(!action("editor")->isChecked());
        QVERIFY(!action("N20")->isChecked());
        QVERIFY(action("EditBtn")->isChecked() && action("EditBtn")->isEnabled());
        QVERIFY(action("Run2")->isEnabled());
        QCOMPARE(form->countText(), QString("Edit"));
    }

    // A line drawn after a click starts straight, with no corner of the line before.
    void aClickStartsANewLine() {
        clickCell(10, 10);
        shiftMove(editor::kKeyRight, 2);
        clickCell(30, 30);
        shiftMove(editor::kKeyDown);
        QCOMPARE(int(cell(30, 30)), 6);  // up-down, not the corner left-down (10)
    }

    // A line drawn before its block is put down gets no arrow; the fault says which.
    void aLineWithoutItsArrowIsNamed() {
        form->editorState().held = 33;
        clickCell(5, 20);
        form->pressEnter();
        clickCell(8, 21);
        shiftMove(editor::kKeyRight, 3);
        form->editorState().held = 22;
        clickCell(11, 20);
        form->pressEnter();
        QCOMPARE(int(cell(10, 21)), 5);  // the line, with no arrow into the block
        action("Run2")->trigger();
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(!host->messagesOf(Box::Error).empty());
        const std::string fault = host->messagesOf(Box::Error).back();
        QVERIFY2(fault.find("The line at column 10, row 21 has no arrow") != std::string::npos,
                 fault.c_str());
    }

    void aMissingCalculatorIsSaidWithThePlacesLookedIn() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        action("Calcul1")->trigger();
        qputenv("PATH", path);
        QCOMPARE(host->messagesOf(Box::Warning).size(), std::size_t{1});
        const std::string said = host->messagesOf(Box::Warning).front();
        QVERIFY2(
            said.find("gnome-calculator") != std::string::npos && said.find("xcalc") != std::string::npos,
            said.c_str());
    }

    void thePathDialogsSchemesFolderIsMadeAndOpenStartsThere() {
        const QString schemes = dir.filePath("my schemes/");
        form->runModal = [&](QDialog& dialog) {
            static_cast<TPathForm&>(dialog).edit("ShmEdit")->setText(schemes);
            return int(QDialog::Accepted);
        };
        action("Path1")->trigger();
        QVERIFY(QDir(schemes).exists());
        QString offered;
        form->chooseFile = [&](FileDialogKind, const QString& suggested) {
            offered = suggested;
            return QString();
        };
        action("Open1")->trigger();
        QVERIFY2(QFileInfo(offered).absolutePath() == QFileInfo(schemes + "x").absolutePath(),
                 qPrintable(offered));
    }

    void theSquareFunctionalWindowClosesWithEscAndClose() {
        TFormIntegral calc(*host, nullptr);
        calc.show();
        QTest::keyClick(calc.countEdit(), Qt::Key_Escape);
        QVERIFY(!calc.isVisible());
        calc.show();
        auto* close = calc.findChild<QPushButton*>("CloseBtn");
        QVERIFY(close);
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!calc.isVisible());
    }

    void aGraphCommentTakesTheTextTypedBeforeCreate() {
        TFormGraphPg viewer;
        viewer.open(Diagrams{}, 0);
        viewer.show();
        viewer.findChild<QToolButton*>("CommentsSpBtn")->click();
        QTest::keyClicks(viewer.findChild<QLineEdit*>("RxLabelEdit"), "Overshoot 12 %");
        viewer.findChild<QToolButton*>("CreateSpBtn")->click();
        QCOMPARE(viewer.commentLabels().size(), std::size_t{1});
        QCOMPARE(viewer.commentLabels().front()->text(), QString("Overshoot 12 %"));
    }
};

QTEST_MAIN(PromisesTest)
#include "promises_test.moc"
