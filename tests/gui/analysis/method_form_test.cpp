// The method chooser and the roots calculator as a person uses them: items picked with
// Enter, the mouse and a double click give their method codes, Escape and "&Close"
// leave with 27 and clear the memos; driven from the main window on the demo scheme,
// a picked characteristic reaches the graph viewer and the Routh criterion fills the
// report memo; after "S&ynthesis" the selection panel opens the calculator.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "core/scripted_host.h"
#include "gui/analysis/general_forms.h"
#include "gui/analysis/method_form.h"
#include "gui/analysis/regulator_forms.h"
#include "gui/analysis/rooter_form.h"
#include "gui/analysis/transfer_formula.h"
#include "gui/shell/form_main.h"
#include "gui/support/method_chooser_driver.h"
#include "gui/support/window_watch.h"

using namespace velmar;
using namespace velmar::gui;

Q_DECLARE_METATYPE(velmar::MethodList)

namespace {

const QString kDemo = QStringLiteral(VELMAR_DATA_DIR "/Schemes/demo.shm");

// The demo's analysis block reads the scheme from element 1, the step source.
constexpr const char* kDemoEntry = "1";

// The demo's W(s) = (2s + 1) / (0.2s^3 + s^2 + 2s + 1), as the coefficient memos and
// the Routh report show it.
const QStringList kDemoNumerator = {"a 0 =   1.00000", "a 1 =   2.00000"};
const QStringList kDemoDenominator = {"b 0 =   1.00000", "b 1 =   2.00000", "b 2 =   1.00000",
                                      "b 3 =   0.20000"};
const QStringList kDemoRouthReport = {"By Rauth:",
                                      "Elements of the first column :",
                                      "Next :  N 1 =   0.20000",
                                      "Next :  N 2 =   1.00000",
                                      "Next :  N 3 =   1.80000",
                                      "Next :  N 4 =   1.00000",
                                      "Number of right roots:0",
                                      "Sistem is stable"};

enum class PickBy { Enter, Click, DoubleClick };

void pickRow(TMethodForm& chooser, int row, PickBy how) {
    QListWidget* list = chooser.visibleList();
    QListWidgetItem* item = list->item(row);
    const QPoint at = list->visualItemRect(item).center();
    switch (how) {
        case PickBy::Enter:
            for (int i = 0; i < row; ++i) QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            break;
        case PickBy::Click: QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at); break;
        case PickBy::DoubleClick:
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            break;
    }
}

QString memoText(const QStringList& lines) { return lines.join('\n'); }

}  // namespace

class MethodFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<TMethodForm> chooser;
    QTemporaryDir dir;

    // The main window on the demo scheme, in Run, with the entry answered.
    std::unique_ptr<TFormMain> demoInRun() {
        auto form = std::make_unique<TFormMain>(host.get());
        form->resize(1200, 800);
        form->show();
        form->openAtStart(kDemo);
        form->action("Run2")->trigger();
        host->setAnswer("Entry", kDemoEntry);
        return form;
    }
    static void closeQuietly(TFormMain& form, ScriptedHost& h) {
        h.reply = Reply::No;
        form.close();
    }

private slots:
    void initTestCase() {
        // The analysis writes its coefficient file into the current folder.
        QVERIFY(QDir::setCurrent(dir.path()));
    }
    void init() {
        host = std::make_unique<ScriptedHost>();
        chooser = std::make_unique<TMethodForm>(*host, nullptr);
    }
    void cleanup() {
        chooser.reset();
        host.reset();
    }

    void pickedItemGivesItsMethodCode_data() {
        QTest::addColumn<MethodList>("list");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("code");
        const int enter = int(PickBy::Enter), click = int(PickBy::Click), dbl = int(PickBy::DoubleClick);
        QTest::newRow("A(w)") << MethodList::Characteristics << "CharacteristicsList" << 1 << click << 52;
        QTest::newRow("Gurvitz") << MethodList::Stability << "StabilityList" << 1 << dbl << 102;
        QTest::newRow("Error coeficients") << MethodList::Quality << "QualityList" << 0 << click << 101;
        QTest::newRow("Znamenatel") << MethodList::Roots << "RootsList" << 1 << enter << 42;
        QTest::newRow("Coefficients by roots") << MethodList::Other << "OtherList" << 0 << dbl << 82;
        QTest::newRow("PI-regulator") << MethodList::Regulators << "RegulatorsList" << 1 << click << 1980;
        QTest::newRow("Sintez of the regulator")
            << MethodList::Synthesis << "SynthesisList" << 2 << enter << 341;
        QTest::newRow("Roots with overlaying")
            << MethodList::RootsDisplay << "RootsDisplayList" << 2 << click << 105;
        QTest::newRow("Roots(D(s))") << MethodList::FunctionalMinimisation << "FunctionalsList" << 1 << dbl
                                     << 107;
        QTest::newRow("A (+s+)") << MethodList::Harmonic << "HarmonicList" << 1 << enter << 42;
    }
    void pickedItemGivesItsMethodCode() {
        QFETCH(MethodList, list);
        QFETCH(QString, objectName);
        QFETCH(int, row);
        QFETCH(int, how);
        QFETCH(int, code);
        ChooserDriver driver(nullptr, chooser.get());
        driver.then([&](TMethodForm& c) {
            // Exactly the list asked for is shown, with the first item current.
            QCOMPARE(c.visibleList(), c.list(list));
            QCOMPARE(c.visibleList()->currentRow(), 0);
            pickRow(c, row, PickBy(how));
        });
        QCOMPARE(chooser->choose(list), MethodCode{code});
        QCOMPARE(driver.listsShown(), QStringList{objectName});
        QVERIFY(!chooser->waiting());
        QVERIFY(chooser->isVisible());  // a pick leaves the window open for the next method
    }

    void leavingAnswers27AndClearsTheMemos() {
        const std::vector<std::function<void(TMethodForm&)>> ways = {
            [](TMethodForm& c) { pressEscape(c); },
            [](TMethodForm& c) {
                QTest::mouseClick(c.findChild<QPushButton*>("CloseBitBtn"), Qt::LeftButton);
            },
            [](TMethodForm& c) { c.close(); },  // the window's own close box
        };
        for (const auto& leave : ways) {
            chooser->showTransferFunction(kDemoNumerator, kDemoDenominator);
            chooser->report("By Gurvitz:");
            ChooserDriver driver(nullptr, chooser.get());
            driver.then(leave);
            QCOMPARE(chooser->choose(MethodList::Stability), MethodCode::Leave);
            QVERIFY(!chooser->isVisible());
            QVERIFY(chooser->leftMemo()->toPlainText().isEmpty());
            QVERIFY(chooser->rightMemo()->toPlainText().isEmpty());
            QVERIFY(chooser->reportMemo()->toPlainText().isEmpty());
            QVERIFY(!chooser->formula()->shown());
        }
    }

    void doubleClickPicksOnce() {
        // A person's double click: press, release (the pick), then the second press
        // arrives as a double click, and a release. The second half must not pick
        // again when the chooser is offered at once after the first method.
        ChooserDriver driver(nullptr, chooser.get());
        const auto rowRect = [](TMethodForm& c) {
            return c.visibleList()->visualItemRect(c.visibleList()->item(2)).center();
        };
        driver.then([&](TMethodForm& c) {
            QTest::mousePress(c.visibleList()->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect(c));
            QTest::mouseRelease(c.visibleList()->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect(c));
        });
        driver.then([&](TMethodForm& c) {
            QTest::mouseDClick(c.visibleList()->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect(c));
            QTest::mouseRelease(c.visibleList()->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect(c));
            QVERIFY(c.waiting());
            pressEscape(c);
        });
        QCOMPARE(chooser->choose(MethodList::Characteristics), MethodCode::LogAmplitude);
        QCOMPARE(chooser->choose(MethodList::Characteristics), MethodCode::Leave);
    }

    void memosShowTheTransferFunctionAndTheReport() {
        chooser->showTransferFunction(kDemoNumerator, kDemoDenominator);
        QCOMPARE(chooser->leftMemo()->toPlainText(), memoText(kDemoNumerator));
        QCOMPARE(chooser->rightMemo()->toPlainText(), memoText(kDemoDenominator));
        QVERIFY(chooser->formula()->shown());
        QVERIFY(chooser->isVisible());
        chooser->report("old");
        chooser->clearReport();
        for (const QString& line : kDemoRouthReport) chooser->report(line);
        QCOMPARE(chooser->reportMemo()->toPlainText(), memoText(kDemoRouthReport));
        QCOMPARE(chooser->findChild<QLabel*>("LabelRF")->text(), QString("Gear function"));
    }

    void characteristicsFromTheMainWindowReachTheGraphViewer() {
        auto form = demoInRun();
        QStringList left, right;
        ChooserDriver driver(form.get());
        driver.then([&](TMethodForm& c) {
            left = c.leftMemo()->toPlainText().split('\n');
            right = c.rightMemo()->toPlainText().split('\n');
            clickItem(c, "A(w)");
        });
        form->action("Characteristics1")->trigger();
        QCOMPARE(left, kDemoNumerator);
        QCOMPARE(right, kDemoDenominator);
        // Offered again after the method, then left with Escape.
        QCOMPARE(driver.listsShown(), (QStringList{"CharacteristicsList", "CharacteristicsList"}));
        QCOMPARE(host->graphs.size(), std::size_t(1));
        QCOMPARE(host->graphs.front().kind, 5);
        QCOMPARE(QString::fromStdString(host->graphs.front().curves.front().name), QString("Indicator"));
        QCOMPARE(form->regime(), QString("Run"));
        closeQuietly(*form, *host);
    }

    void routhFromTheMainWindowFillsTheReportMemo() {
        auto form = demoInRun();
        QStringList report;
        ChooserDriver driver(form.get());
        driver.then([](TMethodForm& c) { clickItem(c, "Rauth method"); });
        driver.then([&](TMethodForm& c) {
            report = c.reportMemo()->toPlainText().split('\n');
            pressEscape(c);
        });
        form->action("Stability1")->trigger();
        QCOMPARE(report, kDemoRouthReport);
        QCOMPARE(host->messagesOf(Box::Information), std::vector<std::string>{"Sistem is stable"});
        auto* chooserWindow = form->findChild<TMethodForm*>("MethodForm");
        QVERIFY(chooserWindow->reportMemo()->toPlainText().isEmpty());  // Escape closed and cleared it
        closeQuietly(*form, *host);
    }

    void synthesisOffersTheCalculators() {
        auto form = demoInRun();
        // Whether the panel is shown while the chooser waits, for each command given.
        // The test host refuses the same dialog answered alike twice in a row, so the
        // entry is written differently each time.
        QString entry = kDemoEntry;
        const auto panelShownFor = [&](const char* command, const ChooserDriver::Step& step) {
            entry += entry.contains('.') ? "0" : ".";
            host->setAnswer("Entry", entry.toStdString());
            bool shown = false;
            ChooserDriver driver(form.get());
            driver.then([&](TMethodForm& c) {
                shown = c.selectionPanel()->isVisible();
                step(c);
            });
            form->action(command)->trigger();
            return shown;
        };
        QVERIFY(!panelShownFor("Stability1", pressEscape));
        WindowWatch regulatorsWindow;
        regulatorsWindow.on<TFormRegMain>("FormRegMain", [](TFormRegMain& w) { w.reject(); });
        QVERIFY(panelShownFor("Sintez1", [](TMethodForm& c) {
            QCOMPARE(c.visibleList()->objectName(), QString("SynthesisList"));
            QVERIFY(c.generalForms()->isVisible());
            c.findChild<QRadioButton*>("FunctionalsRadio")->click();
            c.SelectBitBtnClick();
            QVERIFY(c.integral() && c.integral()->isVisible());
            c.findChild<QRadioButton*>("RootsRadio")->click();
            c.SelectBitBtnClick();
            QVERIFY(c.rooter() && c.rooter()->isVisible());
            // "Regulators" runs the two-regulator structure: its first window is
            // cancelled, and the chooser waits again.
            c.findChild<QRadioButton*>("RegulatorsRadio")->click();
            c.SelectBitBtnClick();
        }));
        QVERIFY(regulatorsWindow.done());
        QVERIFY(host->messagesOf(Box::Information).empty());
        QVERIFY(std::any_of(host->dialogs.begin(), host->dialogs.end(), [](const ScriptedHost::Dialog& d) {
            return d.caption == "Sintez of the regulator";
        }));
        // Once shown, the panel stays for the other commands too.
        QVERIFY(panelShownFor("Stability1", pressEscape));
        closeQuietly(*form, *host);
    }

    void rooterSolvesAndKeepsItsGridsOnBadInput() {
        TFormRooter rooter(*host, nullptr);
        QCOMPARE(rooter.windowTitle(), QString("Polinom roots calculation"));
        QCOMPARE(rooter.orderEdit()->text(), QString("2"));
        QVERIFY(!rooter.solveButton()->isEnabled());
        rooter.OkBtnClick();
        QTableWidget* c = rooter.coefficientGrid();
        QCOMPARE(c->columnCount(), 3);
        QCOMPARE(c->horizontalHeaderItem(2)->text(), QString("C2"));
        QCOMPARE(c->item(0, 1)->text(), QString("1"));
        QVERIFY(!rooter.orderEdit()->isEnabled());
        c->item(0, 1)->setText("2");  // s^2 + 2s + 1
        QTest::mouseClick(rooter.solveButton(), Qt::LeftButton);
        QTableWidget* r = rooter.rootGrid();
        QCOMPARE(r->horizontalHeaderItem(1)->text(), QString("X2"));
        QCOMPARE(r->verticalHeaderItem(0)->text(), QString("Re"));
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(r->item(0, k)->text(), QString("-1.0E+0000"));
            QCOMPARE(r->item(1, k)->text(), QString(" 0.0E+0000"));
        }
        QVERIFY(!rooter.solveButton()->isEnabled() && !c->isEnabled());
        QVERIFY(rooter.orderEdit()->isEnabled());

        // A new order; a coefficient that is no number is reported and changes nothing.
        rooter.orderEdit()->setText("1");
        rooter.OkBtnClick();
        QCOMPARE(r->item(0, 0), nullptr);  // the old roots are gone with the old order
        c->item(0, 1)->setText("x");
        rooter.SolveBtnClick();
        QCOMPARE(host->messagesOf(Box::Error).size(), std::size_t(1));
        QCOMPARE(c->item(0, 1)->text(), QString("x"));
        QVERIFY(rooter.solveButton()->isEnabled());  // the person may correct it
    }
};

namespace {

// `--screenshots DIR`: the chooser after a Routh run on the demo scheme.
int takeScreenshots(const QString& dir) {
    const QString target = QDir(dir).absolutePath();
    QTemporaryDir work;  // for the coefficient file the analysis writes
    QDir::setCurrent(work.path());
    ScriptedHost host;
    TFormMain form(&host);
    form.resize(1280, 720);
    form.show();
    form.openAtStart(kDemo);
    form.action("Run2")->trigger();
    host.setAnswer("Entry", kDemoEntry);
    bool saved = false;
    ChooserDriver driver(&form);
    driver.then([](TMethodForm& c) { clickItem(c, "Rauth method"); });
    driver.then([&](TMethodForm& c) {
        QTest::qWait(200);
        saved = c.grab().save(target + "/method_chooser.png");
        pressEscape(c);
    });
    form.action("Stability1")->trigger();
    host.reply = Reply::No;
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = args.indexOf("--screenshots");
    if (at > 0 && at + 1 < args.size()) return takeScreenshots(args.at(at + 1));
    MethodFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "method_form_test.moc"
