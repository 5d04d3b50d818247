// The main window driven as a person drives it: schemes drawn from nothing with the
// keys and with the mouse, the Run regime, a parameter dialog answered by the test
// host, a run with its recorder thumbnails, files saved and opened, wiring faults, and
// the regime strings, enabled actions and status texts after each step.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "core/editor/bank_navigation.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "gui/editor/bank_palettes.h"
#include "gui/editor/cell_pictures.h"
#include "gui/editor/colours.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/shell/text_dialog.h"
#include "gui/shell/value_dialog.h"
#include "gui/support/method_chooser_driver.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

// The loop every drawing test builds: a step source into a subtraction node, an
// aperiodic link, a recorder, and the link's output fed back into the node from below.
struct LoopLayout {
    Cell source{2, 5}, node{8, 6}, link{10, 5}, recorder{17, 5};
};
constexpr LoopLayout kLoop;

}  // namespace

class FormMainTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<TFormMain> form;
    QTemporaryDir dir;
    QString chosen;  // the file the file dialogs answer with

    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(form.get(), static_cast<Qt::Key>(k), mods);
    }
    void trigger(const char* name) { form->action(name)->trigger(); }
    std::uint8_t cell(Cell c) const { return form->workbench().scheme.cell(c.col, c.row); }
    std::uint8_t cell(int col, int row) const { return form->workbench().scheme.cell(col, row); }
    QPoint pixelOf(int col, int row) const { return QPoint(col * kCellWidth + 10, row * kCellHeight + 5); }
    QWidget* canvasWidget() const { return form->canvas().widget(); }

    // The keyboard way to a cell: from wherever the cursor is, with plain arrows.
    void cursorTo(int col, int row) {
        auto& c = form->editorState().cursor;
        while (c.col < col) key(Qt::Key_Right);
        while (c.col > col) key(Qt::Key_Left);
        while (c.row < row) key(Qt::Key_Down);
        while (c.row > row) key(Qt::Key_Up);
    }
    // Chooses a block from the big palette with the keys (Tab, Tab, arrows, Enter).
    void chooseBlockByKeys(int code) {
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        auto& h = form->editorState();
        (void)h;
        for (int i = 0; i < editor::kBigPalette.rows; ++i) key(Qt::Key_Up);
        for (int i = 0; i < 3; ++i) key(Qt::Key_Left);
        const editor::PaletteCell cell = editor::bigPaletteCell(code);
        key(Qt::Key_Down, Qt::NoModifier, cell.row);
        key(Qt::Key_Right, Qt::NoModifier, cell.col);
        key(Qt::Key_Return);
    }
    void putByKeys(int code, Cell at) {
        if (code >= 22) {
            chooseBlockByKeys(code);
        } else {
            key(Qt::Key_Tab);
            for (int i = 0; i < 3; ++i) key(Qt::Key_Up);
            for (int i = 0; i < 9; ++i) key(Qt::Key_Left);
            key(Qt::Key_Down, Qt::NoModifier, code / 9);
            key(Qt::Key_Right, Qt::NoModifier, code % 9);
            key(Qt::Key_Return);
        }
        QCOMPARE(int(form->editorState().held), code);
        cursorTo(at.col, at.row);
        key(Qt::Key_Return);
    }
    void drawLoopByKeys() {
        putByKeys(33, kLoop.source);
        putByKeys(18, kLoop.node);
        putByKeys(22, kLoop.link);
        putByKeys(62, kLoop.recorder);
        cursorTo(5, 6);  // source -> node
        key(Qt::Key_Right, Qt::ShiftModifier, 3);
        key(Qt::Key_Right, Qt::ShiftModifier, 2);  // node -> link
        cursorTo(13, 6);                           // link -> recorder
        key(Qt::Key_Right, Qt::ShiftModifier, 4);
        cursorTo(14, 6);  // the feedback, into the node from below
        key(Qt::Key_Down, Qt::ShiftModifier, 3);
        key(Qt::Key_Left, Qt::ShiftModifier, 6);
        key(Qt::Key_Up, Qt::ShiftModifier, 3);
    }

    // The mouse way: a code chosen in a palette, put down with a double click.
    void putByMouse(int code, Cell at) {
        const Palette palette = code >= 22 ? Palette::Big : Palette::Small;
        QWidget* image = code >= 22 ? form->bank().bigImage() : form->bank().smallImage();
        const QPoint inCell = paletteCellRect(palette, code).center();
        if (code >= 22) form->bank().bigScrollBox()->ensureVisible(inCell.x(), inCell.y());
        QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, inCell);
        QCOMPARE(int(form->editorState().held), code);
        QTest::mouseDClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(at.col, at.row));
    }
    void drawLoopByMouse() {
        if (!form->bank().isVisible()) trigger("Banck1");
        putByMouse(33, kLoop.source);
        putByMouse(18, kLoop.node);
        putByMouse(22, kLoop.link);
        putByMouse(62, kLoop.recorder);
        const struct {
            int code;
            std::vector<Cell> cells;
        } pieces[] = {
            {5, {{5, 6}, {6, 6}, {9, 6}, {13, 6}, {15, 6}, {9, 9}, {10, 9}, {11, 9}, {12, 9}, {13, 9}}},
            {1, {{7, 6}, {16, 6}}},
            {13, {{14, 6}}},
            {6, {{14, 7}, {14, 8}, {8, 8}}},
            {7, {{14, 9}}},
            {8, {{8, 9}}},
            {3, {{8, 7}}},
        };
        for (const auto& p : pieces)
            for (Cell c : p.cells) putByMouse(p.code, c);
        QCOMPARE(int(cell(9, 6)), 5);
        putByMouse(1, {9, 6});
    }
    void checkLoopCells() {
        QCOMPARE(int(cell(kLoop.source)), 33);
        QCOMPARE(int(cell(kLoop.node)), 18);
        QCOMPARE(int(cell(kLoop.link.col + 2, kLoop.link.row + 2)), 22);
        QCOMPARE(int(cell(kLoop.recorder)), 62);
        const std::vector<std::pair<Cell, int>> wires = {
            {{5, 6}, 5},  {{6, 6}, 5},  {{7, 6}, 1},  {{9, 6}, 1},  {{13, 6}, 5}, {{14, 6}, 13},
            {{15, 6}, 5}, {{16, 6}, 1}, {{14, 7}, 6}, {{14, 8}, 6}, {{14, 9}, 7}, {{13, 9}, 5},
            {{9, 9}, 5},  {{8, 9}, 8},  {{8, 8}, 6},  {{8, 7}, 3}};
        for (const auto& [c, code] : wires)
            QVERIFY2(cell(c) == code,
                     qPrintable(QString("cell %1,%2 holds %3").arg(c.col).arg(c.row).arg(cell(c))));
        QCOMPARE(form->workbench().scheme.ElementCount(), 4);
    }
    // A status message within two seconds of the last one clears the panel instead.
    void waitForQuietStatus() { QTRY_VERIFY_WITH_TIMEOUT(form->infoText().isEmpty(), 3000); }
    QString savedFile(const char* name) {
        chosen = dir.filePath(name);
        trigger("SaveAs1");
        return chosen;
    }
    // What `velmar-cli run` writes for the recorder of the saved file: per viewer slot,
    // the points as "x,y" texts of 17 significant digits.
    std::map<int, QStringList> cliRun(const QString& file) {
        QProcess cli;
        cli.start(VELMAR_CLI, {"run", file});
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0) return {};
        std::map<int, QStringList> bySlot;
        const QString recorder =
            QString::number(form->workbench().scheme.FindElementAt(kLoop.recorder.col, kLoop.recorder.row));
        for (const QString& line : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
            const QStringList f = line.split(',');
            if (f.size() == 5 && f[0] == recorder) bySlot[f[1].toInt()] << f[3] + "," + f[4];
        }
        return bySlot;
    }
    static QStringList pointTexts(const ScriptedHost::Graph::Curve& c) {
        QStringList points;
        for (std::size_t i = 0; i < c.x.size(); ++i)
            points << QString::fromStdString(significantText(c.x[i], 17) + "," + significantText(c.y[i], 17));
        return points;
    }

private slots:
    void initTestCase() {
        // The analysis writes its coefficient file into the current folder.
        QVERIFY(QDir::setCurrent(dir.path()));
    }
    void init() {
        host = std::make_unique<ScriptedHost>();
        form = std::make_unique<TFormMain>(host.get());
        form->chooseFile = [this](FileDialogKind, const QString&) { return chosen; };
        form->resize(1200, 800);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() {
        host->reply = Reply::No;  // closing asks about an unsaved scheme
        form.reset();
        host.reset();
    }

    void startsEditingANewScheme() {
        QCOMPARE(form->regime(), QString("Edit"));
        QCOMPARE(form->countText(), QString("Edit"));
        QVERIFY(form->windowTitle().endsWith("NoName.shm"));
        QVERIFY(form->infoText().contains(QString::fromUtf8("Создан.")));
        QCOMPARE(form->canvas().image().size(), QSize(1890, 990));
        QVERIFY(form->action("Run2")->isEnabled());
        QVERIFY(form->action("MarkBegin1")->isEnabled());
        QVERIFY(!form->action("Solve1")->isEnabled());
        QVERIFY(!form->action("SpeedButton1")->isEnabled());
        QVERIFY(!form->action("UndoBtn")->isEnabled());
        QVERIFY(form->isSaved());
    }

    void drawsALoopWithTheKeysRunsItAndMatchesTheSavedFile() {
        drawLoopByKeys();
        checkLoopCells();
        QVERIFY(!form->isSaved());

        key(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(form->regime(), QString("Run"));
        QCOMPARE(form->countText(), QString("Run"));
        QVERIFY(form->workbench().compiled != nullptr);
        QVERIFY(form->action("Solve1")->isEnabled());
        QVERIFY(form->action("SpeedButton1")->isEnabled());
        QVERIFY(!form->action("Run2")->isEnabled());
        QVERIFY(!form->action("Banck1")->isEnabled());
        QVERIFY(!form->action("editor")->isEnabled());
        QCOMPARE(int(form->editorState().held), 0);

        // Enter on the link opens its parameters; the test host answers T = 0.5.
        host->setAnswer("T", "0.5");
        cursorTo(kLoop.link.col + 1, kLoop.link.row + 1);
        key(Qt::Key_Return);
        QCOMPARE(host->dialogs.size(), std::size_t(1));
        QCOMPARE(double(form->workbench().scheme.ElementAt(kLoop.link.col, kLoop.link.row)->param(1)), 0.5);

        key(Qt::Key_F6);
        QVERIFY(form->workbench().run.ResultsAllocated);
        QCOMPARE(host->thumbnails.size(), std::size_t(1));
        // The thumbnail is drawn in the recorder's square on the canvas.
        const QImage& canvas = form->canvas().image();
        const QPoint square(kLoop.recorder.col * kCellWidth, kLoop.recorder.row * kCellHeight);
        QCOMPARE(QColor(canvas.pixel(square + QPoint(30, 2))), tableColour(Navy));

        cursorTo(kLoop.recorder.col, kLoop.recorder.row);
        key(Qt::Key_Return);
        QCOMPARE(host->graphs.size(), std::size_t(1));
        const ScriptedHost::Graph shown = host->graphs.back();
        QVERIFY(!shown.curves.empty());
        QVERIFY(shown.curves.front().x.size() > 900);

        const QString file = savedFile("loop.shm");
        QVERIFY(form->isSaved());
        QVERIFY(form->windowTitle().endsWith("loop.shm"));
        const std::map<int, QStringList> reference = cliRun(file);
        QCOMPARE(reference.size(), shown.curves.size());
        for (const auto& curve : shown.curves) QCOMPARE(pointTexts(curve), reference.at(curve.slot));
    }

    void drawsTheSameLoopWithTheMouse() {
        drawLoopByMouse();
        checkLoopCells();
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(30, 30));
        QCOMPARE(form->editorState().cursor, (Cell{30, 30}));
        trigger("RunBtn");
        QCOMPARE(form->regime(), QString("Run"));
        QVERIFY(form->workbench().scheme.ConnectErrors.empty());
        // A double click on the link in Run opens its parameters.
        QTest::mouseDClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(11, 6));
        QCOMPARE(host->dialogs.size(), std::size_t(1));
    }

    void ctrlDragsCopyAndMoveOneItem() {
        putByMouse(22, {10, 10});
        QTest::mousePress(canvasWidget(), Qt::LeftButton, Qt::ControlModifier, pixelOf(11, 11));
        QTest::mouseRelease(canvasWidget(), Qt::LeftButton, Qt::ControlModifier, pixelOf(20, 10));
        QCOMPARE(int(cell(20, 10)), 22);
        QCOMPARE(int(cell(10, 10)), 22);
        QTest::mousePress(canvasWidget(), Qt::RightButton, Qt::ControlModifier, pixelOf(20, 10));
        QTest::mouseRelease(canvasWidget(), Qt::RightButton, Qt::ControlModifier, pixelOf(30, 20));
        QCOMPARE(int(cell(30, 20)), 22);
        QCOMPARE(int(cell(20, 10)), 0);
        QCOMPARE(form->workbench().scheme.ElementCount(), 2);
    }

    void wiringFaultsComeBackAsFaultCells() {
        putByKeys(33, {2, 5});
        putByKeys(22, {10, 5});
        cursorTo(5, 6);
        trigger("N23");
        QVERIFY(!form->editorState().autoArrows);
        key(Qt::Key_Right, Qt::ShiftModifier, 5);  // a line into the block without an arrow
        QCOMPARE(int(cell(9, 6)), 5);
        trigger("Run2");
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(form->workbench().compiled == nullptr);
        const auto& faults = form->workbench().scheme.ConnectErrors;
        QVERIFY(!faults.empty());
        QVERIFY(host->messagesOf(Box::Error).size() == 1);
        const QString fault = QString::fromStdString(host->messagesOf(Box::Error).front());
        QVERIFY(fault.startsWith(QString::fromUtf8(" Внимание! Ошибка в схеме \n")));
        QVERIFY2(fault.contains("The line at column 9, row 6 has no arrow"), qPrintable(fault));
        const Cell f = faults.front();
        // The faulty block is drawn in navy with fuchsia lines.
        const QImage square = form->canvas().image().copy(f.col * kCellWidth, f.row * kCellHeight, 62, 32);
        int navy = 0, purple = 0;
        for (int x = 0; x < square.width(); ++x)
            for (int y = 0; y < square.height(); ++y) {
                navy += square.pixel(x, y) == tableColour(Navy).rgb();
                purple += square.pixel(x, y) == tableColour(Purple).rgb();
            }
        QVERIFY(navy > 62 * 32 / 2);
        QVERIFY(purple < 8 * 8 + 1);  // only the number square keeps its colour
        QVERIFY(form->action("Run2")->isEnabled());
        QVERIFY(!form->action("Solve1")->isEnabled());
    }

    // The run's time in the count panel keeps every digit, however long it grows.
    void theCountPanelShowsTheWholeRunTime() {
        ProgressInfo info;
        info.texts = true;
        info.timeText = "00:00:41";
        auto* count = form->findChild<QLabel*>("CountPanel");
        QVERIFY(count);
        for (const char* text : {"24980.0000", "1234567890.0000"}) {
            info.countText = text;
            form->statusLine().progress(info);
            QCOMPARE(count->text(), QString(text));
            QVERIFY2(count->contentsRect().width() >= count->fontMetrics().horizontalAdvance(count->text()),
                     text);
        }
    }

    void solveOutsideRunOnlySaysSoButTheButtonEntersRun() {
        form->solve();  // the menu item itself is enabled only in Run
        QCOMPARE(host->messagesOf(Box::Plain).size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(host->messagesOf(Box::Plain).back()),
                 QString("Solve in Run Regime only !"));
        QCOMPARE(form->regime(), QString("Edit"));
        host->setAnswer("Step", "0.1");
        trigger("SolveBtn");
        QCOMPARE(form->regime(), QString("Run"));
    }

    void escStopsALongRun() {
        putByKeys(33, {2, 5});
        putByKeys(62, {10, 5});
        cursorTo(5, 6);
        key(Qt::Key_Right, Qt::ShiftModifier, 5);
        host->setAnswer("Time", "1000");  // 99 999 points
        host->keys = {27};                // Esc waiting in the key queue
        trigger("SolveBtn");
        QCOMPARE(form->regime(), QString("Run"));
        QVERIFY(host->keys.empty());
        QVERIFY(form->workbench().run.StepIndex < form->workbench().run.PointCount / 10);
        QVERIFY(form->menuBar()->isEnabled());
    }

    void filesRoundTripWithStatusAndCaption() {
        putByKeys(22, {10, 10});
        waitForQuietStatus();
        form->workbench().scheme.Labels[1] = "Lag";
        const QString file = savedFile("one.shm");
        QVERIFY(form->infoText().contains(QString::fromUtf8("Сохранен.")));
        trigger("New1");
        QCOMPARE(form->workbench().scheme.ElementCount(), 0);
        QVERIFY(form->workbench().scheme.Labels[1].empty());
        chosen = file;
        trigger("Open1");
        QCOMPARE(form->workbench().scheme.ElementCount(), 1);
        QCOMPARE(QString::fromStdString(form->workbench().scheme.Labels[1]), QString("Lag"));
        QVERIFY(form->windowTitle().endsWith("one.shm"));
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(form->isSaved());

        // A file that cannot be read leaves the scheme as it was.
        chosen = dir.filePath("broken.shm");
        QFile broken(chosen);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\x05\x05", 2);
        broken.close();
        trigger("Open1");
        // Named in the same words as on the command line.
        QVERIFY(host->messagesOf(Box::Error).back().find("The file is damaged") != std::string::npos);
        QVERIFY(host->messagesOf(Box::Error).back().find(chosen.toStdString()) != std::string::npos);
        QCOMPARE(form->workbench().scheme.ElementCount(), 1);
        QCOMPARE(form->regime(), QString("Edit"));
    }

    void markedBlocksTravelThroughBlockFiles() {
        putByKeys(22, {10, 10});
        cursorTo(10, 10);
        trigger("MarkBegin1");
        cursorTo(12, 12);
        trigger("MarkEnd1");
        chosen = dir.filePath("block.shm");
        trigger("WriteBlockTo1");
        cursorTo(30, 20);
        trigger("ReadBlockFrom1");
        QCOMPARE(int(cell(30, 20)), 22);
        QCOMPARE(form->workbench().scheme.ElementCount(), 2);
        QCOMPARE(form->workbench().scheme.mark.left, 30);
        QCOMPARE(int(form->editorState().held), 0);
        trigger("Cut1");  // "Dele&te": the marked block goes
        QCOMPARE(int(cell(30, 20)), 0);
        QCOMPARE(form->workbench().scheme.ElementCount(), 1);
    }

    void unsavedEditsAreNeverDroppedSilently() {
        putByKeys(22, {10, 10});
        form->workbench().scheme.Labels[1] = "Lag";
        QVERIFY(!form->isSaved());
        // Open asks first; cancelling the dialog afterwards keeps scheme and labels.
        host->reply = Reply::No;
        chosen.clear();
        trigger("Open1");
        QVERIFY(host->lines.back().find("Схема не была сохранена") != std::string::npos);
        QCOMPARE(QString::fromStdString(form->workbench().scheme.Labels[1]), QString("Lag"));
        QCOMPARE(form->workbench().scheme.ElementCount(), 1);
        // Yes with a cancelled save dialog stops the command.
        host->reply = Reply::Yes;
        trigger("New1");
        QCOMPARE(form->workbench().scheme.ElementCount(), 1);
        // A parameter changed in Run makes the saved scheme unsaved again.
        savedFile("params.shm");
        QVERIFY(form->isSaved());
        trigger("Run2");
        host->setAnswer("K", "3");
        cursorTo(11, 11);
        trigger("ChangeParameters1");
        QVERIFY(!form->isSaved());
        // Closing asks; Cancel keeps the window.
        host->reply = Reply::Cancel;
        QVERIFY(!form->close());
        host->reply = Reply::Yes;
        QVERIFY(form->close());
        QVERIFY(form->isSaved());
    }

    void ctrlDelInRunLeavesRunBeforeClearing() {
        putByKeys(22, {10, 10});
        trigger("Run2");
        QVERIFY(form->workbench().compiled != nullptr);
        host->reply = Reply::Yes;
        key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(form->workbench().compiled == nullptr);
        QCOMPARE(form->workbench().scheme.ElementCount(), 0);
    }

    void bankSelectionHighlightsAndNamesTheBlock() {
        key(Qt::Key_Tab);
        QCOMPARE(form->regime(), QString("Bank"));
        QVERIFY(form->bank().isVisible());
        QVERIFY(form->action("BankBtn")->isChecked());
        key(Qt::Key_Tab);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        QCOMPARE(form->regime(), QString("Edit"));
        QCOMPARE(int(form->editorState().held), 25);
        QTest::mouseMove(form->bank().bigImage(), paletteCellRect(Palette::Big, 22).center());
        QCOMPARE(form->infoText(), QString::fromUtf8(" Блок : Апериодическое звено"));
    }

    void regimeSwitchesFollowTheirActionSets() {
        trigger("editor");
        QCOMPARE(form->regime(), QString("AdvRed"));
        QCOMPARE(form->countText(), QString("Editor"));
        QVERIFY(!form->action("Run2")->isEnabled());
        QVERIFY(!form->action("EditBtn")->isEnabled());
        trigger("editor");
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(form->action("Run2")->isEnabled());
        trigger("Var1");
        QCOMPARE(form->action("Step1")->text(), QString::fromUtf8("Шаг: Переменный"));
        key(Qt::Key_T, Qt::ControlModifier);  // the clock shows the time of work
        QVERIFY(form->action("TimeOfWork1")->isChecked());
        key(Qt::Key_T, Qt::ControlModifier);
        QVERIFY(form->action("CurrentTime1")->isChecked());
        QCOMPARE(int(form->workbench().settings.VariableStep), 1);
    }

    void analysisItemsGoToTheDispatcherInRun() {
        putByKeys(60, {10, 10});
        trigger("Characteristics1");  // disabled outside Run: nothing is asked
        QVERIFY(host->dialogs.empty());
        trigger("Run2");
        host->setAnswer("Entry", "0");
        ChooserDriver chooser(form.get());  // left with Escape
        key(Qt::Key_F9);
        QCOMPARE(chooser.listsShown(), QStringList{"CharacteristicsList"});
        QVERIFY(!host->dialogs.empty());
        QCOMPARE(QString::fromStdString(host->dialogs.front().rows.front().name()), QString("Entry"));
        QCOMPARE(form->regime(), QString("Run"));
        QVERIFY(form->menuBar()->isEnabled());
    }

    void statusMessagesLastTwoSeconds() {
        waitForQuietStatus();
        form->statusMessage("Saved.");
        QCOMPARE(form->infoText(), QString(" Saved."));
        form->statusMessage("Opened.");  // a second within two seconds clears the panel
        QCOMPARE(form->infoText(), QString());
        form->statusMessage("Opened.");
        QTRY_COMPARE_WITH_TIMEOUT(form->infoText(), QString(), 3000);
    }

    void captionEditorListsElementsAndAppliesLabels() {
        putByKeys(22, {10, 10});
        putByKeys(30, {20, 10});
        putByKeys(17, {5, 5});
        TDiscrip& d = form->discrip();
        trigger("N26");
        QVERIFY(d.isVisible());
        QCOMPARE(d.grid()->rowCount(), 4);
        QCOMPARE(d.grid()->item(0, 0)->text(), QString::fromUtf8("№ Блока"));
        QCOMPARE(d.grid()->item(3, 0)->text(), QString::fromUtf8("Блок №3"));
        d.grid()->item(2, 1)->setText("Lag");
        d.ApplyBtnClick();
        QCOMPARE(QString::fromStdString(form->workbench().scheme.Labels[2]), QString("Lag"));
        d.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(3);
        d.ComboBox1Change(3);
        QCOMPARE(form->editorState().captions.labelFontSize, 8);
    }

    // The user function comes from the bank's last row; Enter on it in Run asks its
    // expression through the host, which keeps the window open for what the parser
    // refuses; a changed expression is an unsaved change.
    void theUserFunctionAsksItsExpression() {
        if (!form->bank().isVisible()) trigger("Banck1");
        const Cell at{30, 30};
        putByMouse(144, at);
        const Element* f = form->workbench().scheme.ElementAt(at.col, at.row);
        QVERIFY(f && f->Code == 144);
        savedFile("function.shm");
        trigger("Run2");
        QCOMPARE(form->regime(), QString("Run"));
        host->setAnswer("f (x)", "x^");
        cursorTo(at.col + 1, at.row + 1);
        key(Qt::Key_Return);
        QCOMPARE(host->dialogs.back().caption, std::string("Input function y=f(x)"));
        QVERIFY(!host->dialogs.back().confirmed);
        QVERIFY(!host->messagesOf(Box::Error).empty());
        QCOMPARE(f->SideText(), std::string("x"));
        QVERIFY(form->isSaved());
        host->setAnswer("f (x)", "2*x");
        key(Qt::Key_Return);
        QCOMPARE(f->SideText(), std::string("2*x"));
        QVERIFY(!form->isSaved());
    }

    void textWindowKeepsItsTextUntilTheCheckTakesIt() {
        std::string text = "x";
        const TextCheck check = [](const std::string& t) {
            return t == "x^" ? std::string("Unexpected end of expression") : std::string();
        };
        TTextForm dialog("Input function y=f(x)", "f (x)=", text, check, *host);
        QCOMPARE(dialog.windowTitle(), QString("Input function y=f(x)"));
        QCOMPARE(dialog.edit()->text(), QString("x"));
        dialog.edit()->setText("x^");
        dialog.OkBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(text, std::string("x"));
        QCOMPARE(host->messagesOf(Box::Error).back(), std::string("Unexpected end of expression"));
        dialog.edit()->setText("sin(x)");
        dialog.OkBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(text, std::string("sin(x)"));
    }

    void valueDialogKeepsATextThatIsNoNumber() {
        std::vector<ValueRow> rows = {{"K", "1", false, true, true, {}}, {"T", "1", false, false, true, {}}};
        const RowCheck check = [](const std::vector<ValueRow>& r) {
            return r[0].text == "abc" ? std::string("not a number") : std::string();
        };
        TGMenu21Form dialog("", rows, check, *host);
        QCOMPARE(dialog.windowTitle(), QString("Input Parameters:"));
        QVERIFY(!dialog.markBox(1)->isEnabled());
        dialog.valueEdit(0)->setText("abc");
        dialog.OkBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(rows[0].text, std::string("1"));
        QCOMPARE(host->messagesOf(Box::Error).back(), std::string("not a number"));
        dialog.valueEdit(0)->setText("2pi");
        dialog.OkBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(rows[0].text, std::string("2pi"));
    }
};

namespace {

// The window with a popup of its own drawn where it stands.
QPixmap withPopup(QWidget& window, QMenu& popup) {
    QPixmap shot = window.grab();
    QPainter p(&shot);
    p.drawPixmap(window.mapFromGlobal(popup.pos()), popup.grab());
    return shot;
}

// The mouse editor on the demo: a selection with its focus rectangles, the popup of a
// right click in it, and the drag popup after the selection was dragged.
int mouseEditorScreenshots(TFormMain& form, const QString& dir) {
    form.action("Edit2")->trigger();
    form.openAtStart(QStringLiteral(VELMAR_DATA_DIR "/Schemes/demo.shm"));
    form.action("editor")->trigger();
    QWidget* canvas = form.canvas().widget();
    const QPoint from(2 * 21 + 4, 3 * 11 + 4), to(17 * 21 + 4, 9 * 11 + 4);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
    form.grab().save(dir + "/mouse_editor_selection.png");

    auto* commands = form.findChild<QMenu*>("PopupMenu2");
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, from + QPoint(60, 30));
    QTest::qWait(100);
    withPopup(form, *commands).save(dir + "/mouse_editor_popup.png");
    commands->hide();

    auto* drag = form.findChild<QMenu*>("PopupMenu3");
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from + QPoint(60, 30));
    QTest::mouseMove(canvas, from + QPoint(60 + 8 * 21, 30 + 12 * 11));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, from + QPoint(60 + 8 * 21, 30 + 12 * 11));
    QTest::qWait(100);
    withPopup(form, *drag).save(dir + "/mouse_editor_drag.png");
    form.action("N14")->trigger();
    return 0;
}

// `--screenshots DIR`: the demo scheme after a run with its thumbnails, and a scheme
// with wiring faults, as the window shows them.
int takeScreenshots(const QString& dir) {
    ScriptedHost host;
    TFormMain form(&host);
    form.resize(1280, 720);
    form.show();
    form.openAtStart(QStringLiteral(VELMAR_DATA_DIR "/Schemes/demo.shm"));
    form.action("Run2")->trigger();
    form.action("Solve1")->trigger();
    QTest::qWait(2100);
    form.grab().save(dir + "/demo_after_run.png");

    host.reply = Reply::No;
    form.action("New1")->trigger();
    Scheme& s = form.workbench().scheme;
    s.PutCell(3, 5, 33);
    for (int c = 6; c <= 9; ++c) s.PutCell(c, 6, 5);  // runs into the link without an arrow
    s.PutCell(10, 5, 22);
    s.PutCell(13, 6, 5);
    s.PutCell(14, 6, 1);
    s.PutCell(15, 5, 62);
    s.PutCell(18, 6, 5);  // a wire from the recorder that ends in nothing
    s.PutCell(19, 6, 5);
    s.Labels[2] = "Lag";
    form.action("Run2")->trigger();
    QTest::qWait(2100);
    form.grab().save(dir + "/wiring_faults.png");

    // Editing with the bank open: a block chosen in the palette, carried by the cursor.
    form.action("Edit2")->trigger();
    form.action("BankBtn")->trigger();
    QTest::mouseClick(form.bank().bigImage(), Qt::LeftButton, Qt::NoModifier,
                      paletteCellRect(Palette::Big, 26).center());
    QTest::mouseClick(form.canvas().widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(24 * 21 + 5, 12 * 11 + 5));
    QTest::mouseMove(form.bank().bigImage(), paletteCellRect(Palette::Big, 26).center());
    form.grab().save(dir + "/editing_with_bank.png");

    form.action("N26")->trigger();
    form.discrip().grid()->item(2, 1)->setText(QString::fromUtf8("Объект"));
    form.discrip().ApplyBtnClick();
    form.discrip().grab().save(dir + "/caption_editor.png");

    std::vector<ValueRow> rows = {{"K", "1", false, true, true, {}},
                                  {"T", "0.5", true, true, true, {}},
                                  {"H y", "0", false, false, true, {}}};
    TGMenu21Form dialog("", rows, {}, host, &form);
    dialog.show();
    dialog.grab().save(dir + "/value_dialog.png");
    dialog.close();
    form.discrip().close();
    return mouseEditorScreenshots(form, dir);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = args.indexOf("--screenshots");
    if (at > 0 && at + 1 < args.size()) return takeScreenshots(args.at(at + 1));
    FormMainTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "form_main_test.moc"
