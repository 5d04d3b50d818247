// The graph viewer window driven by keys and buttons, offscreen.
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <deque>
#include <functional>

#include "core/graphs/graph_texts.h"
#include "core/graphs/point_file.h"
#include "core/graphs/step_metrics.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_painter.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/metrics_panel.h"
#include "gui/graphs/point_grid.h"
#include "gui/viewer_dialogs.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

struct Curve {
    std::vector<Real48> x, y;
    Diagram diagram(const std::string& name) const {
        return {x.data(), y.data(), static_cast<int>(x.size()), name};
    }
};

Curve ramp(int n, Extended slope = 1) {
    Curve c;
    for (int i = 0; i < n; ++i) {
        c.x.push_back(i);
        c.y.push_back(slope * i);
    }
    return c;
}

// Runs `steps` one after another from the event loop of a ShowGraph call.
void later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

}  // namespace

class GraphViewerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormGraphPg> viewer;
    std::vector<QString> messages;
    std::deque<QString> fileAnswers;
    QTemporaryDir dir;

    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(viewer->canvas(), Qt::Key(k), m);
    }
    QToolButton* button(const char* name) { return viewer->findChild<QToolButton*>(name); }

private slots:
    void init() {
        viewer = std::make_unique<TFormGraphPg>();
        viewer->resize(800, 560);
        messages.clear();
        fileAnswers.clear();
        viewerDialogs().message = [this](QWidget*, Box, const QString& text) { messages.push_back(text); };
        viewerDialogs().pointFileName = [this](QWidget*, bool, const QString&) {
            if (fileAnswers.empty()) return QString();
            QString name = fileAnswers.front();
            fileAnswers.pop_front();
            return name;
        };
        viewerDialogs().chooseFont = [](QWidget*, QFont&) { return false; };
    }
    void cleanup() { viewer.reset(); }

    void leavingKeysReturnTheirCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 6912;
        QTest::newRow("Home") << int(Qt::Key_Home) << 18176;
        QTest::newRow("PgUp") << int(Qt::Key_PageUp) << 18688;
        QTest::newRow("End") << int(Qt::Key_End) << 20224;
        QTest::newRow("PgDn") << int(Qt::Key_PageDown) << 20736;
    }
    void leavingKeysReturnTheirCodes() {
        QFETCH(int, key);
        QFETCH(int, code);
        const Curve c = ramp(5);
        Diagrams d;
        d[0] = c.diagram("a");
        later([&] { this->key(key); });
        QCOMPARE(viewer->ShowGraph(d, 1), code);
        QVERIFY(!viewer->isVisible());
        // The caller's arrays are not kept.
        QVERIFY(!viewer->diagramSlots().slot(1).present());
    }

    // The metrics panel follows what is drawn: a graph shown after the panel was opened
    // is measured, not the one before it; a characteristic is not a step response.
    void metricsFollowTheShownGraph() {
        const Curve first = ramp(20, 1), second = ramp(20, 3);
        Diagrams d;
        d[0] = first.diagram("first");
        later([&] {
            viewer->findChild<QAction*>("Metrics1")->trigger();
            key(Qt::Key_Escape);
        });
        viewer->ShowGraph(d, kTimeResponseKind);
        d[0] = second.diagram("second");
        QStringList shown, expected;
        QString heading;
        for (const std::string& line : metricLines(stepMetrics(d[0], 1)))
            expected << QString::fromStdString(line);
        later([&] {
            shown = viewer->metricsPanel()->metricLines();
            key(Qt::Key_Escape);
        });
        viewer->ShowGraph(d, kTimeResponseKind);
        QCOMPARE(shown, expected);
        later([&] {
            shown = viewer->metricsPanel()->metricLines();
            heading = viewer->metricsPanel()->heading();
            key(Qt::Key_Escape);
        });
        viewer->ShowGraph(d, 5);  // A(w)
        QVERIFY(shown.isEmpty());
        QVERIFY2(heading.contains("not a step response"), qPrintable(heading));
    }

    // Texts that would meet keep apart: a result's lines go under a legend as wide as
    // they are, and the point read-out stays inside the plot and clear of itself when
    // the point lies on the x axis at the right edge.
    void textsKeepClearOfEachOther() {
        const Curve c = ramp(50, 0);
        Diagrams d;
        d[0] = c.diagram("kept Number:5 (K4=1.25, T4=0.2, K7=3.5) against the regulator's run");
        ViewerSlots v;
        v.open(d, 0);
        v.texts = {"Kr = 1.23456789 (the PI regulator's optimum gain)", "Ti = 0.5"};
        const PlotArea area = PlotArea::forImage(600, 400);
        const QFontMetrics metrics(viewer->canvas()->font());
        const GraphTextPlaces places = graphTextPlaces(v, area, metrics);
        QVERIFY(!places.legend.isNull() && !places.texts.isNull());
        QVERIFY(!places.texts.intersects(places.legend));
        // Short texts stay beside the legend, at its height.
        v.texts = {"Ti = 0.5"};
        QCOMPARE(graphTextPlaces(v, area, metrics).texts.top(), places.legend.top());

        const GraphScale scale = computeScale(v.all(), area, 1, false);
        const PointReadout r = pointReadout(v.slot(1), 49, scale, area, metrics);
        const QRect plot(area.left, area.top, area.width(), area.height());
        QVERIFY2(plot.contains(r.xPlace) && plot.contains(r.yPlace), qPrintable(QString("%1,%2 %3,%4")
                                                                                    .arg(r.xPlace.right())
                                                                                    .arg(r.xPlace.bottom())
                                                                                    .arg(r.yPlace.right())
                                                                                    .arg(r.yPlace.bottom())));
        QVERIFY(!r.xPlace.intersects(r.yPlace));
        QCOMPARE(r.xPlace.width(), metrics.horizontalAdvance(r.xText));
    }

    void closingTheWindowReturnsEsc() {
        later([&] { viewer->close(); });
        QCOMPARE(viewer->ShowGraph(Diagrams{}, 0), 6912);
        later([&] { button("SpeedButton9")->click(); });
        QCOMPARE(viewer->ShowGraph(Diagrams{}, 0), 6912);
    }

    void slotKeysWrapAndDeleteEmpties() {
        const Curve a = ramp(5), b = ramp(3);
        Diagrams d;
        d[0] = a.diagram("a");
        d[1] = b.diagram("b");
        viewer->open(d, 1);
        key(Qt::Key_Left);
        QCOMPARE(viewer->diagramSlots().current(), 5);
        QVERIFY(button("SpeedButton5")->isChecked());
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        QCOMPARE(viewer->diagramSlots().current(), 2);
        key(Qt::Key_Delete);
        QVERIFY(!viewer->diagramSlots().slot(2).present());
        QVERIFY(viewer->diagramSlots().slot(1).present());
        QCOMPARE(viewer->scale().xMax, 4.0L);  // rescaled to what is left
    }

    void pointReadingMovesTheSlotsOwnCursor() {
        const Curve a = ramp(100), b = ramp(10);
        Diagrams d;
        d[0] = a.diagram("a");
        d[1] = b.diagram("b");
        viewer->open(d, 1);
        viewer->SpeedButton10Click();  // the point grid follows the cursor
        key(Qt::Key_Tab);
        QVERIFY(viewer->isReadingPoints());
        QCOMPARE(viewer->diagramSlots().slot(1).cursor, 0);
        key(Qt::Key_Tab);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        QCOMPARE(viewer->diagramSlots().slot(1).cursor, 12);
        QCOMPARE(viewer->pointGrid()->grid()->currentRow(), 12);
        key(Qt::Key_Escape);  // ends reading, stays in the viewer
        QVERIFY(!viewer->isReadingPoints());
        button("SpeedButton2")->click();
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        QCOMPARE(viewer->diagramSlots().slot(2).cursor, 1);
        button("SpeedButton1")->click();  // a slot button ends reading
        QVERIFY(!viewer->isReadingPoints());
        QCOMPARE(viewer->diagramSlots().slot(1).cursor, 12);
        QCOMPARE(viewer->pointGrid()->grid()->rowCount(), 100);
        QCOMPARE(viewer->pointGrid()->grid()->item(12, 2)->text(), QString("12"));
        // An empty slot starts no reading.
        button("SpeedButton4")->click();
        key(Qt::Key_Up);
        QVERIFY(!viewer->isReadingPoints());
        QCOMPARE(viewer->pointGrid()->grid()->rowCount(), 1);
    }

    void magnifierShowsTheChosenRangeAndRestores() {
        const Curve a = ramp(50, 2);
        Diagrams d;
        d[0] = a.diagram("a");
        int nestedCount = -1;
        std::string nestedName;
        Extended nestedFirstX = -1;
        later([&] {
            key(Qt::Key_L);
            QCOMPARE(viewer->magnifierStage(), 1);
            for (int i = 0; i < 4; ++i) key(Qt::Key_Tab);  // point 20
            for (int i = 0; i < 20; ++i) key(Qt::Key_Up);  // point 40
            key(Qt::Key_Return);
            QCOMPARE(viewer->magnifierStage(), 2);
            for (int i = 0; i < 30; ++i) key(Qt::Key_Down);  // point 10
            later([&] {
                const Slot& s = viewer->diagramSlots().slot(1);
                nestedCount = s.count();
                nestedName = s.diagram.name;
                nestedFirstX = s.x(0);
                key(Qt::Key_Escape);
            });
            key(Qt::Key_Return);  // runs the nested viewer until its Esc
            QCOMPARE(viewer->diagramSlots().slot(1).count(), 50);
            key(Qt::Key_Escape);
        });
        QCOMPARE(viewer->ShowGraph(d, 1), 6912);
        QCOMPARE(nestedCount, 30);
        QCOMPARE(nestedName, std::string("  Лупа"));
        QCOMPARE(nestedFirstX, 10.0L);
    }

    void magnifierRefusesNeighbours() {
        const Curve a = ramp(50);
        Diagrams d;
        d[0] = a.diagram("a");
        viewer->open(d, 1);
        key(Qt::Key_L);
        key(Qt::Key_Return);
        key(Qt::Key_Up);
        key(Qt::Key_Return);
        QCOMPARE(messages, std::vector<QString>{"Мало точек"});
        QCOMPARE(viewer->magnifierStage(), 0);
        QVERIFY(!viewer->isReadingPoints());
        // A second L leaves the choosing.
        key(Qt::Key_L);
        key(Qt::Key_L);
        QCOMPARE(viewer->magnifierStage(), 0);
    }

    void arithmeticThroughThePanel() {
        const Curve a{{0, 1, 2, 3}, {0, 10, 20, 30}}, b{{0.5, 1.5, 2.5}, {1, 1, 1}};
        Diagrams d;
        d[0] = a.diagram("a");
        d[1] = b.diagram("b");
        d[3] = a.diagram("c");
        viewer->open(d, 1);
        viewer->show();
        key(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(viewer->findChild<QWidget*>("ArithmeticPanel")->isVisible());
        viewer->findChild<QComboBox*>("ComboBox1")->setCurrentText("1");
        viewer->findChild<QComboBox*>("ComboBoxSign")->setCurrentText("+");
        viewer->findChild<QComboBox*>("ComboBox2")->setCurrentText("2");
        button("SolveSpBtn")->click();
        const Slot& r = viewer->diagramSlots().slot(5);
        QCOMPARE(r.count(), 3);
        QCOMPARE(r.diagram.name, std::string("1+2"));
        QCOMPARE(r.y(0), 6.0L);
        QCOMPARE(r.y(2), 26.0L);
        QCOMPARE(button("SpeedButton5")->toolTip(), QString("1+2"));
        button("SolveSpBtn")->click();  // into slot 3, then no room
        button("SolveSpBtn")->click();
        QCOMPARE(messages, std::vector<QString>{"Hет места"});
        key(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!viewer->findChild<QWidget*>("ArithmeticPanel")->isVisible());
    }

    void pointFileRoundTripThroughEnter() {
        Curve a = ramp(120, -0.37L);
        a.x[3] = 1e-30L;
        Diagrams d;
        d[0] = a.diagram("a");
        viewer->open(d, 1);
        const QString file = dir.filePath("run1.pnt");
        fileAnswers = {file};
        key(Qt::Key_Return);  // an occupied slot: save as
        QVERIFY(QFile::exists(file));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().toStdString(), pointFileText(" Переходный процесс", d[0], false));

        key(Qt::Key_Right);
        fileAnswers = {file};
        key(Qt::Key_Return);  // an empty slot: open
        const Slot& loaded = viewer->diagramSlots().slot(2);
        QCOMPARE(loaded.diagram.name, std::string("RUN1"));
        QCOMPARE(loaded.count(), 120);
        for (int i = 0; i < 120; ++i) {
            QCOMPARE(loaded.x(i), a.x[static_cast<std::size_t>(i)].get());
            QCOMPARE(loaded.y(i), a.y[static_cast<std::size_t>(i)].get());
        }
        // "&Save" writes to the file last used.
        QFile::remove(file);
        viewer->SavePNTClick();
        QVERIFY(QFile::exists(file));
    }

    void damagedPointFilesAreReportedNotLoaded() {
        const Curve a = ramp(3);
        Diagrams d;
        d[0] = a.diagram("keep");
        viewer->open(d, 1);
        const QString bad = dir.filePath("bad.pnt");
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Points of x\r\nCreated by programm VELMAR\r\n\r\nNumber of points = zz\r\n");
        f.close();
        viewer->loadPointFile(bad);
        viewer->loadPointFile(dir.filePath("absent.pnt"));
        QCOMPARE(messages.size(), std::size_t(2));
        QCOMPARE(messages[0], QString("File read error"));
        QVERIFY(messages[1].contains("absent.pnt"));
        QCOMPARE(viewer->diagramSlots().slot(1).diagram.name, std::string("keep"));
        QCOMPARE(viewer->diagramSlots().slot(1).count(), 3);
        // A file of another program clears the slot's name only.
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Points of x\r\nSomething else\r\n");
        f.close();
        viewer->loadPointFile(bad);
        QCOMPARE(viewer->diagramSlots().slot(1).diagram.name, std::string());
        QCOMPARE(viewer->diagramSlots().slot(1).count(), 3);
    }

    void commentLabels() {
        viewer->open(Diagrams{}, 0);
        viewer->show();
        key(Qt::Key_C, Qt::ControlModifier);
        button("CreateSpBtn")->click();
        button("CreateSpBtn")->click();
        auto labels = viewer->commentLabels();
        QCOMPARE(labels.size(), std::size_t(2));
        QCOMPARE(labels[1]->objectName(), QString("Label2"));
        QCOMPARE(labels[1]->text(), QString("Комментарий 2"));
        auto* edit = viewer->findChild<QLineEdit*>("RxLabelEdit");
        edit->selectAll();
        QTest::keyClicks(edit, "peak");
        QCOMPARE(labels[1]->text(), QString("peak"));
        QTest::mouseClick(labels[0], Qt::LeftButton);
        button("DestroySpBtn")->click();
        labels = viewer->commentLabels();
        QCOMPARE(labels.size(), std::size_t(1));
        QCOMPARE(labels[0]->text(), QString("peak"));
        // Closing the viewer removes them.
        later([&] { key(Qt::Key_Escape); });
        viewer->ShowGraph(Diagrams{}, 0);
        QVERIFY(viewer->commentLabels().empty());
    }

    void drawsEachSlotInItsColour() {
        const Curve a{{0, 1}, {0, 0}}, b{{0, 1}, {1, 1}};
        Diagrams d;
        d[0] = a.diagram("lime");
        d[1] = b.diagram("red");
        viewer->open(d, 1);
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        const QImage& image = viewer->canvas()->image();
        const PlotArea& area = viewer->plotArea();
        const int mid = (area.left + area.right) / 2;
        QCOMPARE(image.pixelColor(mid, area.bottom), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(mid, area.top), QColor(255, 0, 0));
    }

    // Roots are crosses three pixels each way; autoscale keeps the outermost ones off
    // the frame, so no arm is cut away.
    void rootsAreDrawnWholeInsideTheFrame() {
        const Curve roots{{-2, -1, -1, -0.5}, {0, 1, -1, 0}};
        Diagrams d;
        d[0] = roots.diagram("roots");
        viewer->open(d, kRootsKind);
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        const QImage& image = viewer->canvas()->image();
        const QColor lime(0, 255, 0);
        for (std::size_t i = 0; i < roots.x.size(); ++i) {
            const int x = viewer->scale().px(roots.x[i]), y = viewer->scale().py(roots.y[i]);
            for (int arm = -3; arm <= 3; ++arm) {
                QVERIFY2(image.pixelColor(x + arm, y) == lime, qPrintable(QString("root %1").arg(i)));
                QVERIFY2(image.pixelColor(x, y + arm) == lime, qPrintable(QString("root %1").arg(i)));
            }
        }
    }
};

QTEST_MAIN(GraphViewerTest)
#include "graph_viewer_test.moc"
