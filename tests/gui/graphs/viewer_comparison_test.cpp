// The graph viewer beyond its classic commands, through the real windows: the metrics
// panel on the demo's recorder (equal to what velmar-cli metrics says), kept curves
// across runs, and the export. With
// VELMAR_SCREENSHOT_DIR set, the viewer with the metrics panel and with a kept
// comparison are saved there.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtTest>

#include "core/graphs/run_note.h"
#include "core/graphs/shown_curves_csv.h"
#include "core/graphs/step_metrics.h"
#include "core/scripted_host.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/metrics_panel.h"
#include "gui/graphs/show_graph.h"
#include "gui/grid/grid_form.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"
#include "gui/shell/window_input.h"
#include "gui/support/demo_viewer.h"
#include "gui/viewer_dialogs.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

QStringList qLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& l : lines) list << QString::fromStdString(l);
    return list;
}

}  // namespace

class ViewerComparisonTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString shots = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR");
    QStringList messages;
    QString exportAnswer;

    QPointer<QWidget> owner;  // the main window whose recorder's viewer is worked in
    TFormGraphPg& viewer() { return owner ? recorderViewer(owner, kDemoRecorder) : graphViewer(); }
    QToolButton* button(const char* name) { return viewer().findChild<QToolButton*>(name); }
    QAction* action(const char* name) { return viewer().findChild<QAction*>(name); }
    void shoot(QWidget* w, const char* name) {
        if (shots.isEmpty()) return;
        QCoreApplication::processEvents();  // the layouts follow the texts just set
        QVERIFY(w->grab().save(QDir(shots).filePath(name)));
    }

private slots:
    void initTestCase() {
        viewerDialogs().message = [this](QWidget*, Box, const QString& text) { messages << text; };
        viewerDialogs().exportFileName = [this](QWidget*, const QStringList&, const QString&) {
            return exportAnswer;
        };
    }
    void init() { messages.clear(); }

    // Two runs of the demo: the output's metrics in the panel equal the core's for the
    // curve the recorder handed over; the first run's output, kept, is still shown after
    // the second run with a slower lag, thinner and named by the marked T.
    void metricsAndKeptCurvesAcrossRuns() {
        ViewerHost host;
        TFormMain form(&host);
        host.owner = &form;
        owner = &form;
        form.resize(1200, 800);
        form.show();
        form.openAtStart(VELMAR_DATA_DIR "/Schemes/demo.shm");
        Scheme& scheme = form.workbench().scheme;
        scheme.element(4).Params[1].Varied = true;  // the lag's T carries "Mark"
        const RunNote note = describeRun(scheme);
        QCOMPARE(note.varied, std::string("T4=0.2"));

        host.setAnswer("Time", "10");
        form.runScheme();
        form.solve();
        QStringList shown, expected;
        QString heading;
        form.input().canvasDoubleClick(Qt::LeftButton, {}, kRecorderPixel);
        QVERIFY(QTest::qWaitForWindowActive(&viewer()));  // the keys go to the viewer now
        button("SpeedButton2")->click();
        action("Metrics1")->trigger();
        QVERIFY(viewer().metricsPanel()->isVisible());
        QVERIFY(action("Metrics1")->isChecked());
        shown = viewer().metricsPanel()->metricLines();
        heading = viewer().metricsPanel()->heading();
        const auto& output = host.graphs.back().curves.at(1);
        expected = qLines(metricLines(stepMetrics(output.x, output.y, note.stepLevel.value_or(1))));
        shoot(&viewer(), "viewer-metrics.png");
        action("KeepForComparison1")->trigger();
        action("KeepForComparison1")->trigger();  // kept once: the second says nothing
        action("Metrics1")->trigger();
        QTest::keyClick(viewer().canvas(), Qt::Key_Escape);
        QCOMPARE(shown, expected);
        QCOMPARE(shown.size(), kMetricCount);
        // The command line measures the same file alike.
        QProcess cli;
        cli.start(VELMAR_CLI, {"metrics", VELMAR_DATA_DIR "/Schemes/demo.shm", "--element", "6", "--diagram",
                               "2", "--answer", "Time=10"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), shown);
        QVERIFY2(shown[0].startsWith("metric: final_value = 1"), qPrintable(shown[0]));
        QVERIFY2(heading.contains("Step level 1 (the scheme's step input)"), qPrintable(heading));
        QVERIFY(messages.isEmpty());

        // A slower lag, typed into the parameter grid (element 4's T is its second row).
        form.action("SpeedButton1")->trigger();
        form.gridForm().StringGrid1SetEditText(4, "0.6");
        form.gridForm().findChild<QAction*>("MainPage1")->trigger();
        host.setAnswer("Time", "12");  // the scripted host refuses a dialog answered twice alike
        form.solve();
        std::vector<std::string> legends;
        Extended keptEnd = 0, freshAtOne = 0, keptAtOne = 0;
        form.input().canvasDoubleClick(Qt::LeftButton, {}, kRecorderPixel);
        QVERIFY(QTest::qWaitForWindowActive(&viewer()));  // the keys go to the viewer now
        button("SpeedButton2")->click();
        action("Difference1")->trigger();
        const ViewerSlots& view = viewer().diagramSlots();
        for (int n = 1; n <= kSlotCount; ++n) legends.push_back(view.legendText(n));
        const Slot& kept = view.slot(5);
        keptEnd = kept.present() ? kept.y(kept.count() - 1) : 0;
        freshAtOne = view.slot(2).y(100);
        keptAtOne = kept.present() ? kept.y(100) : 0;
        shoot(&viewer(), "viewer-kept-comparison.png");
        QTest::keyClick(viewer().canvas(), Qt::Key_Escape);
        QCOMPARE(host.graphs.size(), std::size_t(2));
        QCOMPARE(legends.size(), std::size_t(kSlotCount));
        QCOMPARE(legends[1], std::string("Number:5 (T4=0.6)"));
        QCOMPARE(legends[4], std::string("kept Number:5 (T4=0.2)"));
        QCOMPARE(legends[3], std::string("2-5"));
        // The kept curve holds the first run: faster at t = 1 than the second.
        const auto& first = host.graphs[0].curves.at(1);
        QCOMPARE(keptAtOne, Extended(Real48(first.y[100])));
        QVERIFY(keptAtOne > freshAtOne);
        QVERIFY(keptEnd != 0);
        QVERIFY(messages.isEmpty());
    }

    // Export: a PNG of the page as printed, an SVG that is well-formed XML and holds the
    // legend, the CSV of the shown curves; anything else is refused.
    void exportWritesPictureDrawingAndCurves() {
        std::vector<Real48> x, y;
        for (int i = 0; i <= 50; ++i) {
            x.push_back(i * 0.1L);
            y.push_back(1 - std::exp(-i * 0.1L));
        }
        Diagrams d;
        d[0] = {x.data(), y.data(), 51, "lag, T=1"};
        TFormGraphPg& v = viewer();
        v.resize(760, 560);
        v.show();
        v.open(d, 1);
        QAction* exportAction = v.findChild<QAction*>("ExportGraph");
        QVERIFY(exportAction);

        exportAnswer = dir.filePath("graph.png");
        exportAction->trigger();
        const QImage png(exportAnswer);
        QVERIFY(!png.isNull());
        QCOMPARE(png.size(), v.printPicture().size());

        exportAnswer = dir.filePath("graph.csv");
        exportAction->trigger();
        QFile csv(exportAnswer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().toStdString(), shownCurvesCsv(v.diagramSlots()));

        if (TFormGraphPg::svgAvailable()) {
            exportAnswer = dir.filePath("graph.svg");
            exportAction->trigger();
            QFile svg(exportAnswer);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&svg);
            QString root, text;
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartElement && root.isEmpty())
                    root = xml.name().toString();
                if (xml.isCharacters()) text += xml.text();
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QCOMPARE(root, QString("svg"));
            QVERIFY2(text.contains("1: lag, T=1"), qPrintable(text.left(300)));
        }

        exportAnswer = dir.filePath("graph.bmp");
        exportAction->trigger();
        QCOMPARE(messages.size(), 1);
        QVERIFY(!QFile::exists(exportAnswer));
        v.hide();
    }
};

QTEST_MAIN(ViewerComparisonTest)
#include "viewer_comparison_test.moc"
