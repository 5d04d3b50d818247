// The optimisation, D-decomposition, roots-animation, harmonic and Popov windows driven
// through the main window on the shipped schemes of data/Schemes, as a person uses
// them: the parameters ticked with "Mark" in their blocks' dialogs, the windows opened
// from block 47, the Run menu and the method chooser, their results compared with what
// velmar-cli prints for the same file; Escape and closing during a search or a scan
// stop it and leave the window and the scheme as they were; a refused command is a
// message box after which the window goes on. The square-functional calculator against
// weights worked out by hand.
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <complex>
#include <map>

#include "core/analysis/d_decomposition.h"
#include "core/blocks/linear.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "gui/analysis/dcom_form.h"
#include "gui/analysis/integral_form.h"
#include "gui/analysis/optimization_form.h"
#include "gui/analysis/progress_form.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/show_graph.h"
#include "gui/shell/form_main.h"
#include "gui/support/marking_host.h"
#include "gui/support/method_chooser_driver.h"
#include "gui/support/run_session.h"
#include "gui/support/window_watch.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

const QString kTuning = QStringLiteral(VELMAR_DATA_DIR "/Schemes/tuning.shm");
const QString kPlane = QStringLiteral(VELMAR_DATA_DIR "/Schemes/stability_plane.shm");
const QString kOscillation = QStringLiteral(VELMAR_DATA_DIR "/Schemes/self_oscillation.shm");

// tuning.shm: the optimisation block is element 2 at (9, 5), the amplifier k element 4
// at (13, 10). stability_plane.shm: the lags K/(1 + T s) are elements 3 and 4 at
// (10, 10) and (16, 10), the analysis block element 6.
constexpr int kOptimBlock = 2;
// self_oscillation.shm: the error node is element 1, the saturation element 2 at
// (5, 16), the plant 10 / (s + 1)^3 element 3, the analysis block element 4.
constexpr int kPlant = 3;
const QStringList kSweepAnswers = {"a2(beg)=1", "a2(end)=2", "a2(step)=0.25"};

QString valueAfter(const QString& out, const QString& prefix) {
    for (const QString& line : out.split('\n'))
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
    return {};
}

// The curves velmar-cli writes with --csv, in the order handed over: (x, y) per point.
std::vector<std::vector<std::pair<Extended, Extended>>> csvCurves(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<std::vector<std::pair<Extended, Extended>>> curves;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList f = line.split(',');
        if (f[2] == "0") curves.emplace_back();
        curves.back().emplace_back(std::stold(f[3].toStdString()), std::stold(f[4].toStdString()));
    }
    return curves;
}

const QStringList kPlaneAnswers = {"K3(begin)=0.2", "K3(end)=12.2", "T4(begin)=0.1",
                                   "T4(end)=3.1",   "Num. of X=15", "Num. of Y=12"};

}  // namespace

class AnalysisWindowsTest : public QObject, RunSession {
    Q_OBJECT

private:
    QTemporaryDir dir;

    void key(int k) { QTest::keyClick(form.get(), static_cast<Qt::Key>(k)); }
    void trigger(const char* name) { form->action(name)->trigger(); }
    // The keys reach the main window once it is active again after a dialog.
    void cursorTo(int col, int row) {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto& c = form->editorState().cursor;
        for (int i = 0; i < 200 && (c.col != col || c.row != row); ++i)
            key(c.col < col   ? Qt::Key_Right
                : c.col > col ? Qt::Key_Left
                : c.row < row ? Qt::Key_Down
                              : Qt::Key_Up);
        QCOMPARE(c, (Cell{col, row}));
    }
    // Enter on the block at (col, row) with the rows `labels` ticked in its dialog.
    void mark(int col, int row, std::set<std::string> labels) {
        cursorTo(col, row);
        host->markNext = std::move(labels);
        trigger("ChangeParameters1");
    }
    // The text of row `label` in the dialog of the block at (col, row), as shown.
    QString dialogText(int col, int row, const std::string& label) {
        cursorTo(col, row);
        trigger("ChangeParameters1");
        for (const ValueRow& r : host->dialogs.back().rows)
            if (r.name() == label) return QString::fromStdString(r.text);
        return {};
    }
    int messagesSaying(std::string_view text) const {
        int n = 0;
        for (const auto& m : host->messages) n += m.second == text;
        return n;
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir.path())); }
    void init() { host = std::make_unique<MarkingHost>(); }
    void cleanup() { closeSession(); }

    void optimisationFromBlock47TunesAsTheCliDoes() {
        openInRun(kTuning);
        trigger("Var1");  // the optimisation selects the constant step
        mark(14, 11, {"K"});
        struct Seen {
            bool menuHidden = false, firstMethodsEnabled = true, firstUserPage = true;
            bool userPage = false, userMethodsEnabled = false;
            int userMethod = -1, methodAfterIntegral = -2, methodBack = -1;
            QString error, letter, parameter, evaluations;
            bool visibleAfter = false;
        } seen;
        WindowWatch watch;
        watch.on<TOptimizationForm>("OptimizationForm", [&](TOptimizationForm& w) {
            seen.menuHidden = !form->menuBar()->isVisible();
            seen.firstMethodsEnabled = w.findChild<QWidget*>("MethodGroup")->isEnabled();
            seen.firstUserPage = w.pages()->isTabVisible(1);
            w.criteria()->button(5)->click();
            seen.userPage = w.pages()->isTabVisible(1);
            seen.userMethodsEnabled = w.findChild<QWidget*>("MethodGroup")->isEnabled();
            seen.userMethod = w.methods()->checkedId();
            seen.error = w.errorField()->text();
            seen.letter = w.variableGrid()->item(0, 0)->text();
            seen.parameter = w.variableGrid()->item(0, 1)->text();
            w.criteria()->button(0)->click();
            seen.methodAfterIntegral = w.methods()->checkedId();
            w.criteria()->button(4)->click();
            seen.methodBack = w.methods()->checkedId();
            w.methods()->button(3)->click();  // Huk-Jivs
            w.optimizeButton()->click();
            saveShot(w, "optimization.png");
            seen.evaluations = w.evaluationsLabel()->text();
            seen.visibleAfter = w.isVisible();
            w.cancelButton()->click();
        });
        cursorTo(10, 6);
        trigger("ChangeParameters1");
        QVERIFY(watch.done());
        QVERIFY(seen.menuHidden);
        QVERIFY(form->menuBar()->isVisible());
        // Criterion 0 at first: no method, no user page; 5 shows the page and gives
        // the method group back; 0 again clears it and 4 restores it.
        QVERIFY(!seen.firstMethodsEnabled && !seen.firstUserPage);
        QVERIFY(seen.userPage && seen.userMethodsEnabled);
        QCOMPARE(seen.userMethod, 0);
        QCOMPARE(seen.error, QString("No Error"));
        QCOMPARE(seen.letter, QString("a"));
        QCOMPARE(seen.parameter, QString("k4"));
        QCOMPARE(seen.methodAfterIntegral, -1);
        QCOMPARE(seen.methodBack, 0);
        QVERIFY(seen.visibleAfter);

        QCOMPARE(messagesSaying(" Optimization is finished "), 1);
        QVERIFY(!host->optimisationSteps.empty());
        QCOMPARE(seen.evaluations, QString::number(host->optimisationSteps.back().first));
        QVERIFY(form->action("Constant1")->isChecked());
        QCOMPARE(form->action("Step1")->text(), QString::fromUtf8("Шаг: Постоянный"));

        const QString out = cliOutput({"optimize", kTuning, "--block", QString::number(kOptimBlock),
                                       "--criterion", "4", "--mark", "4:K", "--method", "3"});
        const QString printed = valueAfter(out, "param: k4 = ");
        QVERIFY2(!printed.isEmpty(), qPrintable(out));
        QCOMPARE(valueAfter(out, "evaluations: "), seen.evaluations);
        const Real48 tuned = Extended(std::stold(printed.toStdString()));
        QCOMPARE(dialogText(14, 11, "K"), QString::fromStdString(valueText(tuned)));
    }

    void escapeStopsTheSearchAndClosingWaitsForIt() {
        openInRun(kTuning);
        mark(14, 11, {"K"});
        host->setAnswer("Time", "300");  // long runs: the search is still going when stopped
        int firstStop = 0, secondStop = 0;
        bool usable = false;
        WindowWatch watch;
        const auto searchedFor = [](int n) {
            return [n](TOptimizationForm& w) {
                return w.searching() && w.evaluationsLabel()->text().toInt() >= n;
            };
        };
        watch
            .on<TOptimizationForm>("OptimizationForm",
                                   [&](TOptimizationForm& w) {
                                       w.criteria()->button(4)->click();
                                       w.methods()->button(0)->click();  // Poisk 2
                                       w.optimizeButton()->click();
                                       firstStop = host->optimisationSteps.size();
                                       usable = w.isVisible() && w.optimizeButton()->isEnabled() &&
                                                w.criteria()->button(2)->isEnabled();
                                       w.optimizeButton()->click();
                                       secondStop = host->optimisationSteps.size() - firstStop;
                                   })
            .on<TOptimizationForm>(
                "OptimizationForm", [](TOptimizationForm& w) { QTest::keyClick(&w, Qt::Key_Escape); },
                searchedFor(5))
            .on<TOptimizationForm>(
                "OptimizationForm", [](TOptimizationForm& w) { w.close(); },
                [&](TOptimizationForm& w) { return firstStop > 0 && searchedFor(3)(w); });
        const std::vector<Real48> before = [&] {
            std::vector<Real48> v;
            for (const auto& e : form->workbench().scheme.ElementList())
                for (const ParamRec& p : e->Params) v.push_back(p.Value);
            return v;
        }();
        cursorTo(10, 6);
        trigger("ChangeParameters1");
        QVERIFY(watch.done());
        // Each stop came within a few evaluations, the message still followed, the
        // window stayed for the second search and closed once it had stopped.
        QVERIFY2(firstStop >= 5 && firstStop <= 8, qPrintable(QString::number(firstStop)));
        QVERIFY2(secondStop >= 3 && secondStop <= 6, qPrintable(QString::number(secondStop)));
        QVERIFY(usable);
        QCOMPARE(messagesSaying(" Optimization is finished "), 2);
        QVERIFY(!shownWindow<TOptimizationForm>("OptimizationForm"));
        // The scheme is whole: the same elements with the same parameters, only the
        // varied one holding the last evaluation's value.
        const auto& list = form->workbench().scheme.ElementList();
        QCOMPARE(form->workbench().scheme.ElementCount(), 5);
        std::size_t k = 0;
        int changed = 0;
        for (const auto& e : list)
            for (const ParamRec& p : e->Params) changed += p.Value != before[k++];
        QVERIFY(changed <= 1);
        QCOMPARE(form->regime(), QString("Run"));
        QVERIFY(form->menuBar()->isVisible());
    }

    void menuMethodItemsChooseTheSearch() {
        openInRun(kTuning);
        trigger("NelderMid1");
        QCOMPARE(form->action("OptimMethods1")->text(), QString("Optim. Methods: Nelder-Mid"));
        mark(14, 11, {"K"});
        int shown = -2;
        WindowWatch watch;
        watch.on<TOptimizationForm>("OptimizationForm", [&](TOptimizationForm& w) {
            w.criteria()->button(2)->click();
            shown = w.methods()->checkedId();
            w.methods()->button(1)->click();
            w.cancelButton()->click();
        });
        cursorTo(10, 6);
        trigger("ChangeParameters1");
        QCOMPARE(shown, 2);
        // The window's choice shows in the menu too.
        QVERIFY(form->action("Poisk41")->isChecked());
        QCOMPARE(form->action("OptimMethods1")->text(), QString("Optim. Methods: Poisk 4"));
    }

    void dDecompositionPaintsTheCliCounts() {
        openInRun(kPlane);
        mark(11, 11, {"K"});
        mark(17, 11, {"T"});
        for (const QString& a : kPlaneAnswers) host->addAnswer(a.toStdString());
        host->setAnswer("Entry", "1");
        QImage picture;
        QString caption, legend, xEnd;
        WindowWatch watch;
        watch.on<TDComForm>("DComForm", [&](TDComForm& w) {
            picture = w.picture();
            caption = w.windowTitle();
            legend = w.findChild<QGroupBox*>("LegendPanel")->title();
            xEnd = w.findChild<QLabel*>("XEndLabel")->text();
            saveShot(w, "d_composition.png");
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        ChooserDriver chooser(form.get());
        chooser.then([](TMethodForm& c) { clickItem(c, "D - Composition"); });
        trigger("Stability1");
        QVERIFY(watch.done());
        QCOMPARE(caption, QString("D Composition"));
        QCOMPARE(legend, QString("Legend"));
        QCOMPARE(xEnd, QString("12.2"));  // the range end as typed, not its stored digits
        QVERIFY(!form->workbench().ui().keyWaiting());

        QStringList args = {"analyze",  kPlane,    "--block", "6",   "--method", "ddecomp",
                            "--answer", "Entry=1", "--mark",  "3:K", "--mark",   "4:T"};
        for (const QString& a : kPlaneAnswers) args << "--answer" << a;
        std::map<std::pair<int, int>, int> counts;
        int p = 0;
        for (const QString& line : cliOutput(args).split('\n')) {
            if (!line.startsWith("ddecomp: ")) continue;
            const QString count = line.split(' ', Qt::SkipEmptyParts).last();
            counts[{p % 16, p / 16}] =
                count == "undetermined" ? DDecompositionMap::kUndetermined : count.toInt();
            ++p;
        }
        QCOMPARE(p, 16 * 13);
        // Three grid points: deep in the stable region, deep in the region of two right
        // roots, and one cell past the boundary.
        const std::pair<int, int> points[] = {{1, 10}, {14, 1}, {3, 7}};
        std::set<int> distinct;
        const double sx = TDComForm::kPictureWidth / 12.0, sy = TDComForm::kPictureHeight / 3.0;
        for (const auto& [i, j] : points) {
            const int count = counts.at({i, j});
            distinct.insert(count);
            const int px = static_cast<int>(std::lround(sx * 0.8 * i));
            const int py = static_cast<int>(std::lround(sy * (3.0 - 0.25 * j)));
            const Rgb c = legendColour(count);
            QCOMPARE(picture.pixelColor(px, py), QColor(c.r, c.g, c.b));
        }
        QVERIFY(distinct.size() >= 2);
    }

    void escapeOrClosingStopsTheScan() {
        openInRun(kPlane);
        mark(11, 11, {"K"});
        mark(17, 11, {"T"});
        host->setAnswer("Entry", "1");
        for (const char* a : {"K3(begin)=0.2", "K3(end)=12.2", "T4(begin)=0.1", "T4(end)=3.1",
                              "Num. of X=999", "Num. of Y=999"})
            host->addAnswer(a);
        const auto scanning = [](TPrgBarForm& w) { return w.bar()->value() > 0; };
        QString readOut;
        bool heldOnly = false;
        WindowWatch watch;
        watch
            .on<TPrgBarForm>(
                "PrgBarForm", [](TPrgBarForm& w) { QTest::keyClick(&w, Qt::Key_Escape); }, scanning)
            .on<TDComForm>("DComForm",
                           [&](TDComForm& w) {
                               // The read-out follows the mouse while the left button is held.
                               QLabel* image = w.pictureLabel();
                               QTest::mouseMove(image, {100, 100});
                               heldOnly = w.xValueLabel()->text().isEmpty();
                               QTest::mousePress(image, Qt::LeftButton, {}, {100, 100});
                               QMouseEvent move(QEvent::MouseMove, QPointF(120, 150),
                                                image->mapToGlobal(QPointF(120, 150)), Qt::NoButton,
                                                Qt::LeftButton, Qt::NoModifier);
                               QApplication::sendEvent(image, &move);
                               readOut = w.xValueLabel()->text() + " " + w.yValueLabel()->text();
                               QTest::mouseRelease(image, Qt::LeftButton, {}, {120, 150});
                               QTest::keyClick(&w, Qt::Key_Escape);
                           })
            .on<TPrgBarForm>(
                "PrgBarForm", [](TPrgBarForm& w) { w.close(); }, scanning)
            .on<TDComForm>("DComForm", [](TDComForm& w) { QTest::keyClick(&w, Qt::Key_Escape); });
        ChooserDriver chooser(form.get());
        chooser.then([](TMethodForm& c) { clickItem(c, "D - Composition"); }).then([](TMethodForm& c) {
            clickItem(c, "D - Composition");
        });
        trigger("Stability1");
        QVERIFY(watch.done());
        QCOMPARE(host->dDecompositions.size(), std::size_t{2});
        for (const DDecompositionMap& m : host->dDecompositions) QVERIFY(m.stopped);
        QVERIFY(heldOnly);
        // The values of the map under the point the mouse moved to.
        const ReadOut r = ReadOutAt(host->dDecompositions.front(), TDComForm::kPictureWidth,
                                    TDComForm::kPictureHeight, 120, 150);
        QVERIFY(!r.xText.empty());
        QCOMPARE(readOut, QString::fromStdString(r.xText + " " + r.yText));
        QCOMPARE(form->workbench().scheme.ElementCount(), 6);
        QCOMPARE(form->regime(), QString("Run"));
    }

    void rootsAnimationShowsEveryStep() {
        openInRun(kPlane);
        mark(11, 11, {"K"});
        host->setAnswer("Entry", "1");
        for (const char* a : {"Polinom order:=3", "K3(begin)=1", "K3(end)=5", "Steps count=3"})
            host->addAnswer(a);
        ChooserDriver chooser(form.get());
        chooser
            .then([](TMethodForm& c) {
                saveShot(c, "synthesis_chooser.png");
                clickItem(c, "Roots animation");
            })
            .then([](TMethodForm& c) { clickItem(c, "Full page of roots"); })
            .then([](TMethodForm& c) { clickItem(c, "Roots \"one by one\""); });
        trigger("Sintez1");
        QCOMPARE(chooser.listsShown().mid(0, 3),
                 QStringList({"SynthesisList", "RootsDisplayList", "RootsDisplayList"}));
        QCOMPARE(host->graphs.size(), std::size_t{4});  // one full page, then one per step
        const auto& page = host->graphs.front();
        QCOMPARE(page.curves.size(), std::size_t{3});
        for (int k = 0; k < 3; ++k) {
            const auto& curve = page.curves[static_cast<std::size_t>(k)];
            QCOMPARE(QString::fromStdString(curve.name), QString("Step N %1").arg(k + 1));
            QCOMPARE(host->graphs[static_cast<std::size_t>(k + 1)].curves.front().name, curve.name);
            // Every point is a root of 0.5 s^3 + 1.5 s^2 + s + K with K = 1, 3, 5.
            const long double K = 1 + 2 * k;
            QCOMPARE(curve.x.size(), std::size_t{3});
            for (std::size_t r = 0; r < curve.x.size(); ++r) {
                const std::complex<long double> s(curve.x[r], curve.y[r]);
                QVERIFY(std::abs(((0.5L * s + 1.5L) * s + 1.0L) * s + K) < 1e-6L);
            }
        }
        // The parameter has its value back.
        QCOMPARE(dialogText(11, 11, "K"), QString("1"));
    }

    void harmonicSweepHandsItsCurvesToTheViewer() {
        openInRun(kOscillation);
        host->viewerOwner = form.get();
        mark(6, 17, {"a"});
        for (const QString& a : kSweepAnswers) host->addAnswer(a.toStdString());
        struct Shown {
            QString name;
            std::vector<std::pair<Extended, Extended>> points;
        };
        std::vector<Shown> shown;
        const auto take = [&](TFormGraphPg& viewer) {
            const Slot& s = viewer.diagramSlots().slot(1);
            Shown curve{QString::fromStdString(s.diagram.name), {}};
            for (int i = 0; i < s.count(); ++i) curve.points.emplace_back(s.x(i), s.y(i));
            shown.push_back(curve);
            viewer.SpeedButton9Click();
        };
        WindowWatch watch;
        watch.on<TFormGraphPg>("FormGraphPg", take).onNextShowing<TFormGraphPg>("FormGraphPg", take);
        QStringList captions;
        ChooserDriver chooser(form.get());
        chooser
            .then([&](TMethodForm& c) {
                for (int i = 0; i < c.visibleList()->count(); ++i)
                    captions << c.visibleList()->item(i)->text();
                clickItem(c, "W( a2 )");
            })
            .then([](TMethodForm& c) { clickItem(c, " A( a2 )"); });
        trigger("GarmonicLinearization1");
        QVERIFY(watch.done());
        QCOMPARE(chooser.listsShown().first(), QString("HarmonicList"));
        QCOMPARE(captions, QStringList({"W( a2 )", " A( a2 )"}));
        // The list has its own captions again.
        QCOMPARE(form->findChild<TMethodForm*>("MethodForm")->list(MethodList::Harmonic)->item(0)->text(),
                 QString("W( +s+ )"));

        // The frequency and the amplitude against the saturation's level, point for
        // point as velmar-cli hands them over for the same file.
        const QString csv = dir.filePath("sweep.csv");
        QStringList args = {"analyze", kOscillation, "--method", "harmonic", "--mark", "2:a", "--csv", csv};
        for (const QString& a : kSweepAnswers) args << "--answer" << a;
        cliOutput(args);
        const auto expected = csvCurves(csv);
        QCOMPARE(expected.size(), std::size_t{2});
        QCOMPARE(shown.size(), std::size_t{2});
        QCOMPARE(shown[0].name, QString("Frecuency"));
        QCOMPARE(shown[1].name, QString("Amlitude"));
        for (std::size_t c = 0; c < 2; ++c) {
            QCOMPARE(shown[c].points.size(), std::size_t{5});
            QCOMPARE(shown[c].points.size(), expected[c].size());
            for (std::size_t i = 0; i < expected[c].size(); ++i) {
                QCOMPARE(shown[c].points[i].first, expected[c][i].first);
                QVERIFY(std::fabs(shown[c].points[i].second / expected[c][i].second - 1) < 1e-15L);
            }
        }
        // The level has its own value back.
        QCOMPARE(dialogText(6, 17, "a"), QString("1"));
    }

    void popovBoundAndModifiedHodographWithItsTexts() {
        openInRun(kOscillation);
        host->viewerOwner = form.get();
        trigger("Popov1");
        const QString popov = cliOutput({"analyze", kOscillation, "--method", "popov"});
        const QString bound = valueAfter(popov, QString::fromUtf8("Сообщение: "));
        QVERIFY2(bound.startsWith("Kkrit = "), qPrintable(popov));
        QCOMPARE(host->messagesOf(Box::Information), (std::vector<std::string>{bound.toStdString()}));

        // The plant's modified hodograph: entered at the error node, the loop is cut
        // there and the analysis block sees the plant alone.
        host->setAnswer("Entry", "1");
        QStringList names, texts;
        WindowWatch watch;
        watch.on<TFormGraphPg>("FormGraphPg", [&](TFormGraphPg& viewer) {
            for (int n = 1; n <= kSlotCount; ++n)
                if (viewer.diagramSlots().slot(n).present())
                    names << QString::fromStdString(viewer.diagramSlots().slot(n).diagram.name);
            for (const std::string& t : viewer.graphTexts()) texts << QString::fromStdString(t);
            saveShot(viewer, "popov_hodograph.png");
            viewer.SpeedButton9Click();
        });
        ChooserDriver chooser(form.get());
        chooser.then([](TMethodForm& c) { clickItem(c, "Modif Godograf Popova"); });
        trigger("Stability1");
        QVERIFY(watch.done());
        QCOMPARE(names, QStringList({"Godograf", "Line", "Okrujnosti", "Line m"}));
        QStringList printed;
        for (const QString& line :
             cliOutput({"analyze", kOscillation, "--block", "4", "--method", "60", "--answer", "Entry=1"})
                 .split('\n'))
            if (line.startsWith("text: ")) printed << line.mid(6);
        QCOMPARE(printed.size(), 2);
        QVERIFY(printed[0].startsWith("Radius=") && printed[1].startsWith("L     ="));
        QCOMPARE(texts, printed);
        // The viewer is left without them.
        QVERIFY(graphViewer().graphTexts().empty());
    }

    // With the real message boxes: each refusal is an error box, and once it is
    // closed the main window takes the next command.
    void harmonicAndPopovRefusalsAreBoxes() {
        // The plant made unstable: 10 / (s^3 + 3 s^2 + 3 s - 1).
        Scheme unstable;
        LoadScheme(unstable, kOscillation.toStdString(), labelsFileFor(kOscillation.toStdString()));
        dynamic_cast<PolynomialLink&>(unstable.element(kPlant)).entry.B.set(0, -1);
        const QString unstableFile = dir.filePath("unstable.shm");
        SaveScheme(unstable, unstableFile.toStdString(), labelsFileFor(unstableFile.toStdString()));
        const struct {
            QString scheme;
            const char* command;
            const char* text;
        } cases[] = {
            {kPlane, "GarmonicLinearization1", "Где нелинейный блок ?"},
            {kPlane, "Popov1", "Где нелинейный блок ?"},
            {kTuning, "GarmonicLinearization1", "Гармоническая линеаризация невозможна"},
            {unstableFile, "GarmonicLinearization1", " System not stabil "},
            {unstableFile, "Popov1", " System not stabil "},
        };
        for (const auto& c : cases) {
            TFormMain window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.openAtStart(c.scheme);
            window.action("Run2")->trigger();
            QStringList boxes;
            const auto close = [&](QMessageBox& box) {
                boxes << box.windowTitle() + ": " + box.text();
                QVERIFY(box.icon() == QMessageBox::Critical);
                box.accept();
            };
            WindowWatch watch;
            watch.on<QMessageBox>("", close).on<QMessageBox>("", close);
            window.action(c.command)->trigger();
            window.action(c.command)->trigger();  // the same command again
            QVERIFY(watch.done());
            const QString expected = QString::fromUtf8("Ошибка: ") + QString::fromUtf8(c.text);
            QCOMPARE(boxes, QStringList({expected, expected}));
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(window.isEnabled() && window.menuBar()->isVisible());
            QCOMPARE(window.regime(), QString("Run"));
            const auto* chooser = window.findChild<TMethodForm*>("MethodForm");
            QVERIFY(!chooser || !chooser->waiting());
        }
    }

    void squareFunctionalCalculator() {
        TFormIntegral calc(*host, nullptr);
        QVERIFY(calc.rootsChoice()->isChecked());
        QCOMPARE(calc.countEdit()->text(), QString("2"));
        QVERIFY(!calc.solveButton()->isEnabled());
        const auto weights = [&] {
            std::vector<long double> w;
            for (int i = 0; i < calc.weightGrid()->columnCount(); ++i)
                w.push_back(std::stold(calc.weightGrid()->item(0, i)->text().toStdString()));
            return w;
        };
        // Roots -1, -1: D = s^2 + 2s + 1, T1^2 = 2^2 - 2 = 2, T2^2 = 1.
        calc.OkBtnClick();
        QTableWidget* g = calc.polynomialGrid();
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(g->horizontalHeaderItem(1)->text(), QString("X2"));
        for (int i = 0; i < 2; ++i) g->item(0, i)->setText("-1");
        QTest::mouseClick(calc.solveButton(), Qt::LeftButton);
        QCOMPARE(calc.weightGrid()->horizontalHeaderItem(0)->text(), QString("T1^2"));
        QCOMPARE(weights(), (std::vector<long double>{2, 1}));
        calc.show();
        saveShot(calc, "square_functional.png");
        QVERIFY(calc.countEdit()->isEnabled() && !g->isEnabled());

        // Coefficients 6 + 5s + s^2 (normalised by the constant term: c1 = 5/6, c2 = 1/6):
        // T1^2 = 25/36 - 2/6 = 13/36, T2^2 = 1/36. A text that is no number changes nothing.
        calc.coefficientsChoice()->click();
        calc.OkBtnClick();
        QCOMPARE(g->rowCount(), 1);
        QCOMPARE(g->horizontalHeaderItem(2)->text(), QString("C2"));
        g->item(0, 0)->setText("6");
        g->item(0, 1)->setText("x");
        calc.SolveBtnClick();
        QCOMPARE(host->messagesOf(Box::Error).size(), std::size_t{1});
        QCOMPARE(calc.weightGrid()->columnCount(), 0);
        g->item(0, 1)->setText("5");
        calc.SolveBtnClick();
        const auto w = weights();
        QCOMPARE(w.size(), std::size_t{2});
        // Shown with the few digits of the narrowest scientific notation.
        QVERIFY(std::fabs(w[0] / (13.0L / 36) - 1) < 0.05L && std::fabs(w[1] / (1.0L / 36) - 1) < 0.05L);
    }
};

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
