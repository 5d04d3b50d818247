// The regulator synthesis windows driven through the main window on
// data/Schemes/stability_plane.shm (its analysis block is element 6): the P tuning's
// "Kr =" against what velmar-cli prints for the same file, a PI tuning through the Ti
// values window to "Синтез регулятора" and its "Показать график", Escape in the
// waiting window ending the Ti sweep, and the two-regulator structure from the
// chooser's "Regulators" choice through "System Parameters" page by page, cancelled
// once mid-way and then compared with velmar-cli.
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "gui/analysis/method_form.h"
#include "gui/analysis/regulator_forms.h"
#include "gui/analysis/value_pages_form.h"
#include "gui/shell/form_main.h"
#include "gui/support/marking_host.h"
#include "gui/support/method_chooser_driver.h"
#include "gui/support/run_session.h"
#include "gui/support/window_watch.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

const QString kPlane = QStringLiteral(VELMAR_DATA_DIR "/Schemes/stability_plane.shm");

QStringList linesStarting(const QStringList& lines, const QString& prefix) {
    QStringList found;
    for (const QString& l : lines)
        if (l.startsWith(prefix)) found << l;
    return found;
}

void setCell(ValueListPage& page, int column, const QString& text) {
    page.grid()->item(0, column)->setText(text);
}

}  // namespace

class RegulatorWindowsTest : public QObject, RunSession {
    Q_OBJECT

private:
    QTemporaryDir dir;

    void openPlaneInRun() {
        openInRun(kPlane);
        host->setAnswer("Entry", "1");
    }
    QStringList hostLines() const {
        QStringList l;
        for (const std::string& s : host->lines) l << QString::fromStdString(s);
        return l;
    }
    std::vector<Real48> parameters() const {
        std::vector<Real48> v;
        for (const auto& e : form->workbench().scheme.ElementList())
            for (const ParamRec& p : e->Params) v.push_back(p.Value);
        return v;
    }
    // Runs the regulators-list item `caption` from "Oth&er".
    void tuneFromOther(const QString& caption) {
        ChooserDriver chooser(form.get());
        chooser.then([caption](TMethodForm& c) { clickItem(c, caption); });
        form->action("Other1")->trigger();
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir.path())); }
    void init() { host = std::make_unique<MarkingHost>(); }
    void cleanup() { closeSession(); }

    void pRegulatorGainEqualsTheCli() {
        openPlaneInRun();
        tuneFromOther("  P      -regulator");
        const QStringList kr = linesStarting(hostLines(), "report: Kr = ");
        QCOMPARE(kr.size(), 1);
        // The waiting window counted the one tuning and went.
        QCOMPARE(host->counterCounts, std::vector<int>{1});
        const auto* waiting = form->findChild<TuningProgressForm*>("TuningProgressForm");
        QVERIFY(waiting && !waiting->isVisible());
        QCOMPARE(waiting->windowTitle(), QString::fromUtf8("Я думаю !!!"));
        const QString out =
            cliOutput({"analyze", kPlane, "--block", "6", "--method", "1979", "--answer", "Entry=1"});
        QCOMPARE(linesStarting(out.split('\n'), "report: Kr = "), kr);
    }

    void piTuningThroughTheTiValuesWindowAndTheTable() {
        openPlaneInRun();
        struct Seen {
            QString tiCaption, count, typing, grid;
            int columns = 0, rows = 0, errorsOnOk = 0;
            bool stayed = false;
            QString tableCaption, tableTitle, button;
        } seen;
        WindowWatch watch;
        watch
            .on<TFormRegMain>("FormRegMain",
                              [](TFormRegMain& w) {
                                  w.group(0)->button(1)->click();  // the Ti values window
                                  w.okButton()->click();
                              })
            .on<TiValuesForm>("TiValuesForm",
                              [&](TiValuesForm& w) {
                                  seen.tiCaption = w.windowTitle();
                                  ValueListPage& page = *w.page(0);
                                  seen.count = page.countEdit()->text();
                                  page.countEdit()->setText("3");
                                  page.applyCount();
                                  seen.columns = page.grid()->columnCount();
                                  // Typed in the cell: the message shows while editing.
                                  page.grid()->editItem(page.grid()->item(0, 0));
                                  auto* editor = page.grid()->viewport()->findChild<QLineEdit*>();
                                  QVERIFY(editor);
                                  QTest::keyClicks(editor, "1,5");
                                  seen.typing = page.problemLabel()->text();
                                  QTest::keyClick(editor, Qt::Key_Return);  // kept in the cell
                                  QCoreApplication::processEvents();
                                  seen.stayed = w.isVisible();
                                  const std::size_t before = host->messagesOf(Box::Error).size();
                                  w.okButton()->click();
                                  seen.errorsOnOk =
                                      static_cast<int>(host->messagesOf(Box::Error).size() - before);
                                  seen.stayed = seen.stayed && w.isVisible();
                                  for (int k = 0; k < 3; ++k) setCell(page, k, QString::number(k + 1));
                                  page.checkBox()->setChecked(false);
                                  w.okButton()->click();
                              })
            .on<TForm2>("Form2", [&](TForm2& w) {
                seen.tableCaption = w.windowTitle();
                seen.tableTitle = w.findChild<QGroupBox*>()->title();
                seen.rows = w.grid()->rowCount();
                seen.button = w.graphButton() ? w.graphButton()->text() : QString();
                saveShot(w, "regulator_synthesis.png");
                w.graphButton()->click();
            });
        const std::vector<Real48> before = parameters();
        tuneFromOther("  PI     -regulator");
        QVERIFY(watch.done());
        QCOMPARE(seen.tiCaption, QString::fromUtf8("Задайте кол-во и значения  Тi "));
        QCOMPARE(seen.count, QString("4"));
        QCOMPARE(seen.columns, 3);
        QCOMPARE(seen.typing, QString::fromUtf8("-неправильный формат числа"));
        QCOMPARE(seen.errorsOnOk, 1);
        QCOMPARE(host->messagesOf(Box::Error).back(), std::string("Неправильный формат числа"));
        QVERIFY(seen.stayed);
        QCOMPARE(seen.tableCaption, QString::fromUtf8("Синтез регулятора"));
        QCOMPARE(seen.tableTitle, QString::fromUtf8("Значения &Кр при различных &Ти"));
        QCOMPARE(seen.rows, 3);
        QCOMPARE(seen.button, QString::fromUtf8("Показать график"));
        // "Показать график" handed the Kr(Ti) curve with its tangent to the viewer.
        QCOMPARE(host->graphs.size(), std::size_t{1});
        QCOMPARE(host->graphs[0].curves.front().name, std::string("Grafic Kr(Ti) "));
        // The result texts beside it name the optimum once.
        QCOMPARE(hostLines().filter("Ki=1/Ti=").size(), 1);
        QCOMPARE(host->counterCounts, std::vector<int>{3});
        QVERIFY(parameters() == before);
    }

    void escapeInTheWaitingWindowEndsTheSweep() {
        openPlaneInRun();
        for (const char* a : {"Ti beg=0.01", "Ti end=9.99", "Ti step=0.01", "w(end)=100", "step=0.001"})
            host->addAnswer(a);
        int rows = 0;
        WindowWatch watch;
        watch.on<TFormRegMain>("FormRegMain", [](TFormRegMain& w) { w.okButton()->click(); })
            .on<TuningProgressForm>(
                "TuningProgressForm", [](TuningProgressForm& w) { QTest::keyClick(&w, Qt::Key_Escape); },
                [](TuningProgressForm& w) { return w.counter()->text().toInt() >= 3; })
            .on<TForm2>("Form2", [&](TForm2& w) {
                rows = w.grid()->rowCount();
                w.reject();  // closed: no graph
            });
        const std::vector<Real48> before = parameters();
        tuneFromOther("  PI     -regulator");
        QVERIFY(watch.done());
        QVERIFY2(rows >= 3 && rows < 999, qPrintable(QString::number(rows)));
        QCOMPARE(linesStarting(hostLines(), "report: Escape: "),
                 QStringList{QString("report: Escape: %1 of 999 Ti tuned").arg(rows)});
        QVERIFY(host->graphs.empty());
        QVERIFY(!form->workbench().ui().keyWaiting());
        QVERIFY(parameters() == before);
        QCOMPARE(form->regime(), QString("Run"));
    }

    void twoRegulatorsPageByPageFromTheSelectionPanel() {
        openPlaneInRun();
        const QStringList answers = {"Input W1-M(p) order=0", "w(end)=20", "step=0.005"};
        for (const QString& a : answers) host->addAnswer(a.toStdString());
        struct Seen {
            int pages = 0;
            QString title, firstCount;
            bool backAtFirst = true, okBeforeLast = true, backWorks = false, nextRefused = false;
            bool noButton = false;
            QString caption;
        } seen;
        const auto confirmPreset = [](TFormRegMain& w) { w.okButton()->click(); };
        WindowWatch watch;
        watch.on<TFormRegMain>("FormRegMain", confirmPreset)
            .on<TformSysP>("TformSysP", [](TformSysP& w) { w.close(); })  // cancelled mid-way
            .on<TFormRegMain>("FormRegMain", confirmPreset)
            .on<TformSysP>("TformSysP",
                           [&](TformSysP& w) {
                               seen.pages = w.pageCount();
                               seen.title = w.windowTitle();
                               seen.firstCount = w.page(0)->countEdit()->text();
                               seen.backAtFirst = w.backButton()->isEnabled();
                               seen.okBeforeLast = w.okButton()->isEnabled();
                               // W1 = 1 / (1 + 2s): N1 of order 1.
                               w.NextBtnClick();
                               ValueListPage& n1 = *w.page(1);
                               n1.countEdit()->setText("1");
                               setCell(n1, 0, "1");
                               n1.applyCount();
                               setCell(n1, 1, "x");
                               w.NextBtnClick();  // refused: the page stays
                               seen.nextRefused = w.currentPage() == 1;
                               setCell(n1, 1, "2");
                               w.BackBtnClick();
                               w.NextBtnClick();
                               seen.backWorks = w.currentPage() == 1 && n1.grid()->item(0, 1)->text() == "2";
                               // W3 = 3 / (1 + 1.2s + 0.3s^2).
                               w.NextBtnClick();
                               ValueListPage& m3 = *w.page(2);
                               m3.countEdit()->setText("0");
                               m3.applyCount();
                               setCell(m3, 0, "3");
                               w.NextBtnClick();
                               ValueListPage& n3 = *w.page(3);
                               setCell(n3, 1, "1.2");
                               setCell(n3, 2, "0.3");
                               w.OkBtnClick();
                           })
            .on<TFormRegMain>("FormRegMain",
                              [&](TFormRegMain& w) {
                                  seen.caption = w.windowTitle();
                                  w.group(0)->button(0)->click();
                                  w.group(1)->button(0)->click();
                                  w.okButton()->click();
                              })
            .on<TForm2>("Form2", [&](TForm2& w) {
                seen.noButton = w.graphButton() == nullptr;
                w.reject();
            });
        ChooserDriver chooser(form.get());
        const auto select = [](TMethodForm& c) {
            c.findChild<QRadioButton*>("RegulatorsRadio")->click();
            c.SelectBitBtnClick();
        };
        chooser.then(select).then(select);
        const std::vector<Real48> before = parameters();
        form->action("Sintez1")->trigger();
        QVERIFY(watch.done());
        QCOMPARE(seen.pages, 4);
        QCOMPARE(seen.title, QString("System Parameters"));
        QCOMPARE(seen.firstCount, QString("0"));  // the preset order of M1
        QVERIFY(!seen.backAtFirst && !seen.okBeforeLast);
        QVERIFY(seen.nextRefused && seen.backWorks);
        QCOMPARE(seen.caption, QString("Regulators Main Calculating"));
        QVERIFY(seen.noButton);
        QVERIFY(parameters() == before);
        QCOMPARE(form->workbench().scheme.ElementCount(), 6);

        const QStringList mine = linesStarting(hostLines(), "report: Regulator ");
        QCOMPARE(mine.size(), 2);
        QStringList args = {"analyze", kPlane, "--block", "6", "--method", "341", "--answer", "Entry=1"};
        for (const QString& a :
             answers + QStringList{"M3(s) order=0", "N1(s) order=1", "N1 c1=2", "M3 c0=3", "N3 c1=1.2",
                                   "N3 c2=0.3", "Regulator 1=P", "Regulator 2=P"})
            args << "--answer" << a;
        const QString out = cliOutput(args);
        QCOMPARE(linesStarting(out.split('\n'), "report: Regulator "), mine);
    }
};

QTEST_MAIN(RegulatorWindowsTest)
#include "regulator_windows_test.moc"
