// The live parameter panel in the main window, on the demo scheme: a parameter marked in
// its block's dialog gets a row; moving its slider runs the scheme again without the
// run dialog and the recorder's curve becomes what a run with that value gives, the
// thumbnails and an open viewer follow, a move during a run supersedes it, and the
// frequency characteristic the Solve operation is showing is computed afresh.
#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QSlider>
#include <QtTest>
#include <set>

#include "core/analysis/reduction.h"
#include "core/blocks/recorders.h"
#include "core/grid/parameter_grid.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "gui/editor/cell_pictures.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/show_graph.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"
#include "gui/shell/parameter_panel.h"
#include "gui/support/method_chooser_driver.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

const QString kDemo = QStringLiteral(VELMAR_DATA_DIR "/Schemes/demo.shm");
constexpr int kLag = 4;       // the demo's lag, K in its first dialog row
constexpr int kRecorder = 6;  // the time recorder

// A person at the dialogs: the rows named in `marks` get their "Mark" ticked. With
// `realViewer` the graphs go to the real viewer, which waits as it does for a person.
class MarkingHost : public ScriptedHost {
public:
    std::set<std::string> marks;
    QWidget* realViewer = nullptr;

    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override {
        for (ValueRow& row : rows)
            if (marks.count(row.name())) row.marked = true;
        return ScriptedHost::askValues(caption, rows, check);
    }
    int showGraph(const Diagrams& diagrams, int kind) override {
        return realViewer ? showGraphWindow(realViewer, diagrams, kind)
                          : ScriptedHost::showGraph(diagrams, kind);
    }
};

// The points of a curve as "x,y" texts of 17 significant digits, as velmar-cli writes
// them; of several curves, as "slot,x,y".
QStringList pointTexts(const Diagram& d, const QString& prefix = {}) {
    QStringList points;
    for (int i = 0; i < d.count; ++i)
        points << prefix +
                      QString::fromStdString(significantText(d.x[i], 17) + "," + significantText(d.y[i], 17));
    return points;
}
QStringList pointTexts(const Diagrams& diagrams) {
    QStringList points;
    for (std::size_t s = 0; s < diagrams.size(); ++s)
        if (diagrams[s].present()) points << pointTexts(diagrams[s], QString::number(s + 1) + ",");
    return points;
}
Diagrams shownBy(const TFormGraphPg& viewer) {
    Diagrams shown;
    for (int n = 1; n <= kSlotCount; ++n)
        shown[static_cast<std::size_t>(n - 1)] = viewer.diagramSlots().slot(n).diagram;
    return shown;
}

// The recorder's curves after a run of the demo on its own, with `value` stored
// into the lag's K through the parameter grid's path.
QStringList coreRun(const QString& value, const char* time = "10") {
    ScriptedHost host;
    host.setAnswer("Time", time);
    Workbench wb(host);
    LoadScheme(wb.scheme, kDemo.toStdString(), labelsFileFor(kDemo.toStdString()));
    if (!commitGridValue(wb, {kLag, 1}, value.toStdString()) || !CompileScheme(wb)) return {};
    if (RunSimulation(wb) != RunOutcome::Completed) return {};
    const auto graph = recordedGraphOf(wb.scheme.element(kRecorder), wb.run);
    return graph ? pointTexts(graph->diagrams) : QStringList{};
}

}  // namespace

class ParameterPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MarkingHost> host;
    std::unique_ptr<TFormMain> form;
    TParameterPanel* panel = nullptr;

    Workbench& wb() { return form->workbench(); }
    QStringList recorded() {
        const auto graph = recordedGraphOf(wb().scheme.element(kRecorder), wb().run);
        return graph ? pointTexts(graph->diagrams) : QStringList{};
    }
    // Enter on an element in Run.
    void enterOn(int element) {
        const Element& e = wb().scheme.element(element);
        QTest::mouseClick(form->canvas().widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((e.Col + 1) * kCellWidth + 5, (e.Row + 1) * kCellHeight + 5));
        form->action("ChangeParameters1")->trigger();
    }
    // Enter on the lag in Run: its dialog, with K marked.
    void markLagGain() {
        host->marks = {"K"};
        enterOn(kLag);
        host->marks.clear();
        panel->sync();
    }
    void waitIdle() { QTRY_VERIFY_WITH_TIMEOUT(panel->idle(), 20000); }

private slots:
    void init() {
        host = std::make_unique<MarkingHost>();
        form = std::make_unique<TFormMain>(host.get());
        form->resize(1400, 800);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->openAtStart(kDemo);
        form->action("Run2")->trigger();
        QCOMPARE(form->regime(), QString("Run"));
        panel = form->findChild<TParameterPanel*>();
        QVERIFY(panel);
        QVERIFY(!panel->isVisible());  // the classic window until asked for
        QAction* toggle = form->findChild<QAction*>("LiveParameters1");
        QVERIFY(toggle);
        toggle->trigger();
        QVERIFY(panel->isVisible());
        panel->sync();
    }
    void cleanup() {
        host->reply = Reply::No;
        form.reset();
        host.reset();
    }

    void aMarkedParameterGetsASliderAroundItsValue() {
        QCOMPARE(panel->rowCount(), 0);
        QVERIFY(panel->statusText().contains("Mark"));
        markLagGain();
        QCOMPARE(panel->rowCount(), 1);
        QCOMPARE(QString::fromStdString(panel->parameter(0).name()), QString("4:K"));
        QCOMPARE(panel->valueEdit(0)->text(), QString("1"));
        QCOMPARE(panel->lowEdit(0)->text(), QString("0"));
        QCOMPARE(panel->highEdit(0)->text(), QString("2"));
        QCOMPARE(panel->slider(0)->value(), kSliderSteps / 2);
        // Leaving Run disables the rows; nothing runs from them there.
        form->action("Edit2")->trigger();
        panel->sync();
        QVERIFY(!panel->slider(0)->isEnabled());
        QVERIFY(panel->statusText().contains("Run regime"));
    }

    void movingTheSliderRunsAgainAsACommandLineRunWould() {
        markLagGain();
        const std::size_t dialogs = host->dialogs.size();
        const std::size_t thumbnails = host->thumbnails.size();
        panel->slider(0)->setFocus();
        const auto cursor = form->editorState().cursor;
        // Five presses in one go: one run, with the value they end at.
        for (int i = 0; i < 5; ++i) QTest::keyClick(panel->slider(0), Qt::Key_PageUp);
        QCOMPARE(form->editorState().cursor.col, cursor.col);  // the keys stayed in the panel
        waitIdle();
        QCOMPARE(panel->runCount(), 1);
        QCOMPARE(panel->valueEdit(0)->text(), QString("1.1"));
        QVERIFY(wb().scheme.element(kLag).Params[0].Value == Real48(1.1L));
        QCOMPARE(host->dialogs.size(), dialogs);  // no run dialog
        QVERIFY(host->thumbnails.size() > thumbnails);
        const QStringList curve = recorded();
        QVERIFY(!curve.isEmpty());
        QCOMPARE(curve, coreRun("1.1"));
        QVERIFY(curve != coreRun("1"));

        // A typed value outside the range moves the range around it.
        panel->valueEdit(0)->setFocus();
        panel->valueEdit(0)->setText("3");
        QTest::keyClick(panel->valueEdit(0), Qt::Key_Return);
        waitIdle();
        QCOMPARE(panel->highEdit(0)->text(), QString("6"));
        QCOMPARE(recorded(), coreRun("3"));
        // A range that leaves the value out is refused.
        panel->lowEdit(0)->setFocus();
        panel->lowEdit(0)->setText("4");
        QTest::keyClick(panel->lowEdit(0), Qt::Key_Return);
        QCOMPARE(panel->lowEdit(0)->text(), QString("0"));
        QVERIFY(panel->statusText().contains("holds the value 3"));
    }

    void theCurveEqualsVelmarCliRunWithSet() {
        QProcess probe;
        probe.start(VELMAR_CLI, {"run", kDemo, "--set", "4:K=1"});
        QVERIFY(probe.waitForFinished(60000));
        if (probe.exitCode() != 0) QSKIP("this velmar-cli has no --set");
        markLagGain();
        panel->slider(0)->setValue(700);  // K = 1.4
        waitIdle();
        QProcess cli;
        cli.start(VELMAR_CLI, {"run", kDemo, "--set", "4:K=" + panel->valueEdit(0)->text()});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QStringList fromCli;
        for (const QString& line : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
            const QStringList f = line.split(',');
            if (f.size() == 5 && f[0] == QString::number(kRecorder))
                fromCli << f[1] + "," + f[3] + "," + f[4];
        }
        QCOMPARE(recorded(), fromCli);
    }

    // Enter on the recorder opens its viewer beside the window and the command is over:
    // the panel drives the viewer, which holds copies of the curves it shows.
    void anOpenViewerShowsTheNewCurves() {
        markLagGain();
        host->realViewer = form.get();
        form->action("Solve1")->trigger();
        enterOn(kRecorder);
        QVERIFY(!form->busy());
        TFormGraphPg& viewer = recorderViewer(form.get(), kRecorder);
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.windowModality(), Qt::NonModal);
        QCOMPARE(viewer.showDepth(), 0);
        QCOMPARE(pointTexts(shownBy(viewer)), recorded());
        // Asked again, the same window comes to the front.
        enterOn(kRecorder);
        QCOMPARE(openRecorderViewers(form.get()), std::vector<TFormGraphPg*>{&viewer});
        panel->slider(0)->setValue(250);  // K = 0.5
        waitIdle();
        QCOMPARE(pointTexts(shownBy(viewer)), coreRun("0.5"));
        // The viewer holds copies: the next run releases the recorder's arrays safely.
        const auto after = recordedGraphOf(wb().scheme.element(kRecorder), wb().run);
        QVERIFY(viewer.diagramSlots().slot(2).diagram.y != after->diagrams[1].y);
        panel->slider(0)->setValue(750);
        waitIdle();
        QCOMPARE(pointTexts(shownBy(viewer)), coreRun("1.5"));
        viewer.close();
    }

    // Esc stops a run wherever the focus is, on the panel's slider or in its value field,
    // the panel docked or floating as a window of its own, the run started from the menu
    // or by the panel; a click on the canvas then takes the focus from the panel.
    void escapeStopsARunWhileThePanelHasTheFocus_data() {
        QTest::addColumn<bool>("inField");
        QTest::addColumn<bool>("byPanel");
        QTest::addColumn<bool>("floating");
        QTest::newRow("slider, Solve") << false << false << false;
        QTest::newRow("field, Solve") << true << false << false;
        QTest::newRow("slider, a move") << false << true << false;
        QTest::newRow("field, a move") << true << true << false;
        QTest::newRow("floating slider, Solve") << false << false << true;
        QTest::newRow("floating field, a move") << true << true << true;
    }
    void escapeStopsARunWhileThePanelHasTheFocus() {
        QFETCH(bool, inField);
        QFETCH(bool, byPanel);
        QFETCH(bool, floating);
        markLagGain();
        if (floating) {
            panel->setFloating(true);
            panel->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(panel));
        }
        QWidget* holder = inField ? static_cast<QWidget*>(panel->valueEdit(0)) : panel->slider(0);
        QTRY_VERIFY(holder->isVisible());
        holder->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), holder);
        host->setAnswer("Time", "100000");
        wb().settings.Time = 100000.0L;
        bool pressed = false;
        QTimer during;
        connect(&during, &QTimer::timeout, this, [&] {
            if (pressed || !form->busy()) return;
            pressed = true;
            QTest::keyClick(holder, Qt::Key_Escape);
        });
        during.start(1);
        if (byPanel) {
            panel->slider(0)->setValue(600);
            panel->flush();
        } else {
            form->action("Solve1")->trigger();  // returns when the run ends
        }
        QVERIFY(pressed);
        QVERIFY2(wb().run.CurrentTime < 50000, qPrintable(QString::number(double(wb().run.CurrentTime))));
        QTest::mouseClick(form->canvas().widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->canvas().widget()));
    }

    // Every change from the panel is one undo step: a whole drag of the slider, however
    // many runs it made, and a typed value. Undo gives each value back, Redo puts it in
    // again.
    void eachChangeFromThePanelIsOneUndoStep() {
        markLagGain();
        const auto gain = [this] { return wb().scheme.element(kLag).Params[0].Value; };
        QSlider* slider = panel->slider(0);
        slider->setSliderDown(true);
        for (const int position : {600, 700, 800}) {
            slider->setValue(position);
            waitIdle();
        }
        QCOMPARE(panel->runCount(), 3);
        slider->setSliderDown(false);
        QVERIFY(gain() == Real48(1.6L));
        panel->valueEdit(0)->setFocus();
        panel->valueEdit(0)->setText("3");
        QTest::keyClick(panel->valueEdit(0), Qt::Key_Return);
        waitIdle();
        QVERIFY(gain() == Real48(3.0L));

        const struct {
            const char* button;
            Real48 gain;
        } steps[] = {{"UndoBtn", Real48(1.6L)}, {"UndoBtn", Real48(1.0L)},
                     {"RedoBtn", Real48(1.6L)}, {"RedoBtn", Real48(3.0L)}};
        for (const auto& step : steps) {
            QVERIFY(form->action(step.button)->isEnabled());
            form->action(step.button)->trigger();
            QVERIFY2(gain() == step.gain, qPrintable(QString::fromStdString(valueText(gain()))));
        }
    }

    void aMoveDuringARunSupersedesIt() {
        markLagGain();
        wb().settings.Time = 1000.0L;  // a run long enough to move the slider during it
        bool moved = false;
        bool stopRaised = false;
        QTimer during;
        connect(&during, &QTimer::timeout, this, [&] {
            if (moved || !panel->running()) return;
            moved = true;
            panel->slider(0)->setValue(900);  // K = 1.8
            stopRaised = wb().run.UserStop;
        });
        panel->slider(0)->setValue(100);
        during.start(1);
        waitIdle();
        QVERIFY(moved);
        QVERIFY(stopRaised);
        QCOMPARE(panel->runCount(), 2);
        QVERIFY(wb().scheme.element(kLag).Params[0].Value == Real48(1.8L));
        QCOMPARE(recorded(), coreRun("1.8", "1000"));  // the newer run went to the end
    }

    void theCharacteristicOnShowIsComputedAfresh() {
        markLagGain();
        host->realViewer = form.get();
        host->setAnswer("Entry", "1");
        QStringList expected, shownAfter;
        ChooserDriver chooser(form.get());
        chooser.then([](TMethodForm& c) { clickItem(c, "A(w)"); });
        QTimer person;
        bool done = false;
        connect(&person, &QTimer::timeout, this, [&] {
            TFormGraphPg* viewer = form->findChild<TFormGraphPg*>();
            if (done || !viewer || !viewer->isVisible() || viewer->showDepth() != 1) return;
            if (panel->runCount() == 0) {
                if (panel->idle()) panel->slider(0)->setValue(800);  // K = 1.6, while Solve waits
                return;
            }
            if (!panel->idle()) return;
            done = true;
            shownAfter = pointTexts(viewer->diagramSlots().slot(1).diagram);
            const ReductionResult r = reduceScheme(*wb().compiled, 7, 1);
            const Curve c =
                frequencyCharacteristic(FrequencySplit(r.w), MethodCode::Amplitude,
                                        {wb().analysis.wBegin, wb().analysis.wEnd, wb().analysis.wStep});
            expected = pointTexts(Diagram{c.x.data(), c.y.data(), static_cast<int>(c.x.size()), {}});
            viewer->close();
        });
        person.start(5);
        form->action("Characteristics1")->trigger();  // returns when the chooser is left
        QVERIFY(done);
        QCOMPARE(panel->runCount(), 1);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(shownAfter, expected);
        QVERIFY(wb().scheme.element(kLag).Params[0].Value == Real48(1.6L));
    }
};

namespace {

// `--screenshots DIR`: the demo in Run with the lag's K and T marked, the recorder's
// viewer opened by Enter on it, K moved on its slider; the window alone, the viewer
// alone, and the viewer as it stands beside the window with the panel.
int takeScreenshots(const QString& dir) {
    MarkingHost host;
    TFormMain form(&host);
    host.realViewer = &form;
    form.resize(1280, 720);
    // As the workbench does at its first activation from its configuration.
    form.applyLanguage(Language::English);
    form.show();
    form.openAtStart(kDemo);
    form.action("Run2")->trigger();
    form.action("Solve1")->trigger();
    Scheme& scheme = form.workbench().scheme;
    for (int i : {0, 1}) scheme.element(kLag).Params[static_cast<std::size_t>(i)].Varied = true;
    form.findChild<QAction*>("LiveParameters1")->trigger();
    auto* panel = form.findChild<TParameterPanel*>();
    panel->sync();
    const Element& recorder = scheme.element(kRecorder);
    QTest::mouseClick(form.canvas().widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((recorder.Col + 1) * kCellWidth + 5, (recorder.Row + 1) * kCellHeight + 5));
    form.action("ChangeParameters1")->trigger();
    TFormGraphPg& viewer = recorderViewer(&form, kRecorder);
    viewer.resize(560, 420);
    // Under a display without a window manager the viewer stands where it is put: over
    // the canvas, beside the panel.
    viewer.move(form.width() - panel->width() - viewer.width() - 16, form.height() - viewer.height() - 60);
    panel->slider(0)->setValue(900);
    QTest::qWait(300);
    const QImage window = form.grab().toImage(), graph = viewer.grab().toImage();
    window.save(dir + "/live_parameters.png");
    graph.save(dir + "/live_parameters_viewer.png");
    // Offscreen there is no screen to grab: the viewer is drawn where it would stand,
    // over the canvas beside the panel, under a title bar of its own.
    QImage beside = window;
    QPainter p(&beside);
    constexpr int kTitleBar = 22;
    const QRect frame(window.width() - panel->width() - graph.width() - 16,
                      window.height() - graph.height() - 40 - kTitleBar, graph.width(),
                      graph.height() + kTitleBar);
    const QRect bar(frame.topLeft(), QSize(frame.width(), kTitleBar));
    p.fillRect(bar, QColor(60, 60, 70));
    p.setPen(Qt::white);
    p.drawText(bar.adjusted(8, 0, 0, 0), Qt::AlignVCenter, viewer.windowTitle());
    p.drawImage(frame.topLeft() + QPoint(0, kTitleBar), graph);
    p.setPen(QColor(60, 60, 70));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.end();
    beside.save(dir + "/viewer_with_live_panel.png");
    // Under a real display the windows stay up a while for a look at the whole screen.
    if (QGuiApplication::platformName() != "offscreen") QTest::qWait(6000);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = args.indexOf("--screenshots");
    if (at > 0 && at + 1 < args.size()) return takeScreenshots(args.at(at + 1));
    ParameterPanelTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "parameter_panel_test.moc"
