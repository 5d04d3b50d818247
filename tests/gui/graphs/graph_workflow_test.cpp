// A person's round through the demo: run it, open the recorder's graph, read points,
// magnify, keep the curve as a point file, change a parameter in the grid, run again,
// bring the first run's curve back, subtract the two, save the difference and print the
// graph into a PDF. With VELMAR_SCREENSHOT_DIR set, the viewer and the preview page are
// saved there as pictures.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <deque>

#include "core/graphs/point_file.h"
#include "core/scripted_host.h"
#include "gui/comments/text_windows.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/show_graph.h"
#include "gui/grid/grid_form.h"
#include "gui/print/preview_form.h"
#include "gui/print/print_prompts.h"
#include "gui/shell/form_main.h"
#include "gui/shell/window_input.h"
#include "gui/support/demo_viewer.h"
#include "gui/viewer_dialogs.h"

using namespace velmar;
using namespace velmar::gui;

class GraphWorkflowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::deque<QString> fileAnswers;
    QStringList told;  // what the print commands said
    QString shots = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR");

    QPointer<QWidget> owner;  // the main window whose recorder's viewer is worked in
    TFormGraphPg& viewer() { return owner ? recorderViewer(owner, kDemoRecorder) : graphViewer(); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(viewer().canvas(), Qt::Key(k), m);
    }
    QToolButton* button(const char* name) { return viewer().findChild<QToolButton*>(name); }
    void shoot(QWidget* w, const char* name) {
        if (!shots.isEmpty()) QVERIFY(w->grab().save(QDir(shots).filePath(name)));
    }

private slots:
    void initTestCase() {
        viewerDialogs().message = [](QWidget*, Box, const QString& text) {
            QFAIL(qPrintable("message: " + text));
        };
        viewerDialogs().pointFileName = [this](QWidget*, bool, const QString&) {
            QString name = fileAnswers.empty() ? QString() : fileAnswers.front();
            if (!fileAnswers.empty()) fileAnswers.pop_front();
            return name;
        };
        const QString pdf = dir.filePath("graph.pdf");
        printPrompts().print = [pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        printPrompts().tell = [this](QWidget*, const QString& text) { told << text; };
    }

    void runCompareSavePrint() {
        ViewerHost host;
        TFormMain form(&host);
        host.owner = &form;
        owner = &form;
        form.resize(1200, 800);
        form.show();
        form.openAtStart(VELMAR_DATA_DIR "/Schemes/demo.shm");
        const QString run1 = dir.filePath("run1.pnt"), difference = dir.filePath("difference.pnt");

        // The first run, its graph (slot 1 the setpoint, slot 2 the output): read the
        // output's points, magnify them, keep the output's curve.
        host.setAnswer("Time", "10");
        form.runScheme();
        QCOMPARE(form.regime(), QString("Run"));
        form.solve();
        int magnified = 0;
        form.input().canvasDoubleClick(Qt::LeftButton, {}, kRecorderPixel);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&viewer()));  // the keys go to the viewer now
        viewer().canvas()->setFocus();
        QCOMPARE(viewer().diagramSlots().slot(2).count(), 998);
        key(Qt::Key_Right);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);  // point 99
        key(Qt::Key_Up);
        QCOMPARE(viewer().diagramSlots().slot(2).cursor, 100);
        key(Qt::Key_Escape);
        key(Qt::Key_L);
        key(Qt::Key_Return);
        for (int i = 0; i < 50; ++i) key(Qt::Key_Up);
        later([&] {
            magnified = viewer().diagramSlots().slot(1).count();
            key(Qt::Key_Escape);
        });
        key(Qt::Key_Return);
        fileAnswers = {run1};
        key(Qt::Key_Return);  // save as
        key(Qt::Key_Escape);
        QCOMPARE(magnified, 50);
        QVERIFY(QFile::exists(run1));

        // A slower lag, typed into the parameter grid: element 4's T is its second row.
        form.action("SpeedButton1")->trigger();
        TGridForm& grid = form.gridForm();
        QVERIFY(grid.isVisible());
        QCOMPARE(grid.grid()->item(3, 0)->text(), QString("4"));
        grid.StringGrid1SetEditText(4, "0.6");
        QCOMPARE(form.workbench().scheme.element(4).param(1), Real48(0.6L).get());
        grid.findChild<QAction*>("MainPage1")->trigger();

        // The second run, compared with the first.
        host.setAnswer("Time", "12");
        form.solve();
        form.input().canvasDoubleClick(Qt::LeftButton, {}, kRecorderPixel);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&viewer()));  // the keys go to the viewer now
        viewer().canvas()->setFocus();
        key(Qt::Key_Delete);                              // the setpoint's step is not needed
        fileAnswers = {run1};
        key(Qt::Key_Return);  // open into the emptied slot 1
        QCOMPARE(viewer().diagramSlots().slot(1).diagram.name, std::string("RUN1"));
        key(Qt::Key_A, Qt::ControlModifier);
        viewer().findChild<QComboBox*>("ComboBox1")->setCurrentText("2");
        viewer().findChild<QComboBox*>("ComboBoxSign")->setCurrentText("-");
        viewer().findChild<QComboBox*>("ComboBox2")->setCurrentText("1");
        button("SolveSpBtn")->click();
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_C, Qt::ControlModifier);
        button("CreateSpBtn")->click();
        viewer().findChild<QLineEdit*>("RxLabelEdit")->setText("");
        QTest::keyClicks(viewer().findChild<QLineEdit*>("RxLabelEdit"),
                         "lag T = 0.6 (slot 2) against T = 0.2 (slot 1)");
        viewer().commentLabels()[0]->move(330, 200);
        button("CreateSpBtn")->click();
        viewer().findChild<QLineEdit*>("RxLabelEdit")->setText("");
        QTest::keyClicks(viewer().findChild<QLineEdit*>("RxLabelEdit"), "slot 5: their difference");
        viewer().commentLabels()[1]->move(330, 420);
        key(Qt::Key_C, Qt::ControlModifier);
        button("SpeedButton5")->click();
        fileAnswers = {difference};
        key(Qt::Key_Return);  // save the difference
        viewer().canvas()->setFocus();
        shoot(&viewer(), "viewer-three-curves.png");

        viewer().topComments()->memo()->setPlainText("Demo scheme: step response of the closed loop");
        viewer().textPad()->memo()->setPlainText(
            "Slot 1: T = 0.2 (RUN1.PNT), slot 2: T = 0.6, slot 5: slot 2 - slot 1");
        later([&] {
            TPrePrnForm& preview = printPreviewForm();
            QVERIFY(preview.isVisible());
            shoot(&preview, "preview-page.png");
            preview.reject();
        });
        viewer().PrintPreview1Click();
        viewer().PrintPNTClick();
        key(Qt::Key_Escape);

        // The saved difference is run 2 minus run 1 on the points they share.
        QCOMPARE(host.graphs.size(), std::size_t(2));
        const auto& first = host.graphs[0].curves.at(1);
        const auto& second = host.graphs[1].curves.at(1);
        QCOMPARE(second.slot, 2);
        const PointFileContent saved = readPointFile(difference.toStdString());
        QCOMPARE(saved.kind, PointFileContent::Kind::Loaded);
        QCOMPARE(saved.x.size(), first.x.size());
        for (std::size_t i = 0; i < saved.x.size(); i += 97) {
            QCOMPARE(saved.x[i].get(), Extended(Real48(first.x[i])));
            QCOMPARE(saved.y[i].get(), Extended(Real48(second.y[i] - first.y[i])));
        }

        // The PDF holds the graph on white, as the scheme is printed, with the curves'
        // colours in it; the print said where it went.
        const QString pdf = dir.filePath("graph.pdf");
        QVERIFY(QFile::exists(pdf));
        QProcess::execute("pdftoppm", {"-png", "-r", "96", "-singlefile", pdf, pdf});
        const QImage page(pdf + ".png");
        QVERIFY(!page.isNull());
        int dark = 0, green = 0, red = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                dark += c.lightness() < 30;
                green += c.green() > 120 && c.red() < 100 && c.blue() < 100;
                red += c.red() > 150 && c.green() < 100 && c.blue() < 100;
            }
        const QSize graph = viewer().canvas()->size();
        QVERIFY2(dark < graph.width() * graph.height() / 20, qPrintable(QString::number(dark)));
        QVERIFY2(green > 20 && red > 10, qPrintable(QString("%1 %2").arg(green).arg(red)));
        QCOMPARE(told, QStringList{"Printed to " + QDir::toNativeSeparators(pdf)});
    }
};

QTEST_MAIN(GraphWorkflowTest)
#include "graph_workflow_test.moc"
