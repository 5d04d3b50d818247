// Editing through the main window: undo and redo through the snapshot files, the
// marked-block commands of both front ends, the mouse editor's selection, drag and
// popups, its clipboard shared between two windows, and the faults a new user met
// (the caption editor's keys, the printed captions, a message box title, the tab order
// of the value dialog, the parameter grid's names).
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/editor/caption_layout.h"
#include "core/model/scheme_file.h"
#include "core/scripted_host.h"
#include "gui/editor/cell_pictures.h"
#include "gui/editor/colours.h"
#include "gui/grid/grid_form.h"
#include "gui/message_box.h"
#include "gui/print/print_compose.h"
#include "gui/print/print_prompts.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"
#include "gui/support/main_window_fixture.h"
#include "gui/shell/value_dialog.h"

using namespace velmar;
using namespace velmar::gui;

class FormMainEditTest : public QObject, private MainWindowFixture {
    Q_OBJECT

    QString chosen;  // the file the file dialogs answer with

    void trigger(const char* name) { form->action(name)->trigger(); }
    bool enabled(const char* name) const { return form->action(name)->isEnabled(); }
    Scheme& scheme() const { return form->workbench().scheme; }
    std::uint8_t cell(int col, int row) const { return scheme().cell(col, row); }
    static QPoint pixelOf(int col, int row) { return QPoint(col * kCellWidth + 10, row * kCellHeight + 5); }
    QWidget* canvasWidget() const { return form->canvas().widget(); }
    int piecesInRow(int row) const {
        int n = 0;
        for (int c = 1; c < kGridSize; ++c) n += cell(c, row) != 0;
        return n;
    }
    // A double click puts the held code down: an undoable change.
    void putByDoubleClick(std::uint8_t code, int col, int row) {
        form->editorState().held = code;
        QTest::mouseDClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(col, row));
    }
    void band(TFormMain& window, QPoint from, QPoint to) {
        QWidget* canvas = window.canvas().widget();
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
    }
    QMenu* popup(const char* name) const { return form->findChild<QMenu*>(name); }
    static void closeWithNo(TFormMain& window, ScriptedHost& answers) {
        answers.reply = Reply::No;
        window.close();
    }

private slots:
    void initTestCase() { QVERIFY(enterFolder()); }
    void init() {
        QFile::remove(dir.filePath("~VelTmpC.tmp"));
        host = std::make_unique<ScriptedHost>();
        form = std::make_unique<TFormMain>(host.get());
        form->chooseFile = [this](FileDialogKind, const QString&) { return chosen; };
        form->resize(1200, 800);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() {
        closeWithNo(*form, *host);
        form.reset();
        host.reset();
    }

    void undoAndRedoWalkNineSnapshots() {
        QVERIFY(!enabled("UndoBtn"));
        QVERIFY(!enabled("RedoBtn"));
        for (int i = 0; i < 10; ++i) putByDoubleClick(5, 10 + i, 10);
        QCOMPARE(piecesInRow(10), 10);
        for (int k = 1; k <= 9; ++k)
            QVERIFY(QFile::exists(QString::fromStdString(form->history().snapshotFile(k))));
        QVERIFY(!QFile::exists(QString::fromStdString(form->history().snapshotFile(0))));
        QVERIFY(enabled("UndoBtn"));
        QVERIFY(!enabled("RedoBtn"));

        for (int expected = 9; expected >= 1; --expected) {
            trigger("UndoBtn");
            QCOMPARE(piecesInRow(10), expected);
            QCOMPARE(form->regime(), QString("Edit"));
        }
        QVERIFY(!enabled("UndoBtn"));
        for (int expected = 2; expected <= 10; ++expected) {
            QVERIFY(enabled("RedoBtn"));
            trigger("RedoBtn");
            QCOMPARE(piecesInRow(10), expected);
        }
        QVERIFY(!enabled("RedoBtn"));

        // A change after two Undos drops the two steps after it, and no step before it.
        trigger("UndoBtn");
        trigger("UndoBtn");
        putByDoubleClick(6, 40, 20);
        QVERIFY(!enabled("RedoBtn"));
        trigger("UndoBtn");
        QCOMPARE(cell(40, 20), std::uint8_t(0));
        QCOMPARE(piecesInRow(10), 8);
        trigger("UndoBtn");
        QCOMPARE(piecesInRow(10), 7);
        trigger("RedoBtn");
        trigger("RedoBtn");
        QCOMPARE(cell(40, 20), std::uint8_t(6));
        QVERIFY(!enabled("RedoBtn"));
    }

    void undoLeavesRunAndGivesAnOpenedSchemeItsNameBack() {
        putByDoubleClick(22, 10, 10);
        trigger("Run2");
        QVERIFY(form->workbench().compiled != nullptr);
        trigger("UndoBtn");
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(form->workbench().compiled == nullptr);
        QCOMPARE(scheme().ElementCount(), 0);
        trigger("RedoBtn");
        QCOMPARE(scheme().ElementCount(), 1);

        chosen = dir.filePath("first.shm");
        trigger("SaveAs1");
        Scheme other;
        other.PutCell(30, 30, 22);
        other.PutCell(40, 30, 26);
        const QString second = dir.filePath("second.shm");
        SaveScheme(other, second.toStdString(), labelsFileFor(second.toStdString()));
        chosen = second;
        trigger("Open1");
        QCOMPARE(scheme().ElementCount(), 2);
        QVERIFY(form->windowTitle().endsWith("second.shm"));
        trigger("UndoBtn");
        QCOMPARE(scheme().ElementCount(), 1);
        QVERIFY(form->windowTitle().endsWith("first.shm"));
        QCOMPARE(form->fileName(), dir.filePath("first.shm"));
    }

    // Every change is a step, keys included, and after Open the scheme as opened is the
    // first step back: none is skipped and none leads to another file early.
    void everyEditIsAStepAndTheSchemeAsOpenedIsTheFirst() {
        Scheme start;
        start.PutCell(30, 30, 22);
        const QString first = dir.filePath("start.shm");
        SaveScheme(start, first.toStdString(), labelsFileFor(first.toStdString()));
        form->openAtStart(first);
        QCOMPARE(scheme().ElementCount(), 1);
        const auto putByEnter = [&](std::uint8_t code, int col, int row) {
            QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(col, row));
            form->editorState().held = code;
            QTest::keyClick(form.get(), Qt::Key_Return);
            form->editorState().held = 0;
        };
        putByEnter(22, 10, 10);
        QCOMPARE(scheme().ElementCount(), 2);
        QVERIFY(enabled("UndoBtn"));
        const std::vector<std::uint8_t> withBlock = SchemeBytes(scheme());
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(13, 11));
        for (int i = 0; i < 3; ++i) QTest::keyClick(form.get(), Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(SchemeBytes(scheme()) != withBlock);

        for (int i = 0; i < 3; ++i) trigger("UndoBtn");  // the line goes, piece by piece
        QVERIFY(SchemeBytes(scheme()) == withBlock);
        trigger("UndoBtn");  // then the block: the scheme as it was started with
        QVERIFY(SchemeBytes(scheme()) == SchemeBytes(start));
        QVERIFY(!enabled("UndoBtn"));
        trigger("RedoBtn");
        QVERIFY(SchemeBytes(scheme()) == withBlock);

        Scheme other;
        other.PutCell(50, 50, 26);
        const QString second = dir.filePath("other.shm");
        SaveScheme(other, second.toStdString(), labelsFileFor(second.toStdString()));
        host->reply = Reply::No;  // the changed scheme is not saved
        chosen = second;
        trigger("Open1");
        QVERIFY(SchemeBytes(scheme()) == SchemeBytes(other));
        putByEnter(22, 10, 10);
        trigger("UndoBtn");
        QVERIFY(SchemeBytes(scheme()) == SchemeBytes(other));
        QVERIFY(form->windowTitle().endsWith("other.shm"));
        trigger("UndoBtn");  // before the Open
        QVERIFY(SchemeBytes(scheme()) == withBlock);
        QVERIFY(form->windowTitle().endsWith("start.shm"));
    }

    // A label belongs to its block: putting a block down before it, Undo, Redo, Save
    // and deleting a marked block with the keys leave it on its block.
    void labelsStayOnTheirBlocks() {
        scheme().PutCell(20, 10, 22);
        scheme().PutCell(30, 10, 26);
        scheme().Labels[1] = "Lag";
        scheme().Labels[2] = "Gain";
        const auto labelAt = [&](int col, int row) {
            return QString::fromStdString(scheme().Labels[static_cast<std::size_t>(scheme().FindElementAt(col, row))]);
        };
        const auto expectLabels = [&](bool newBlock) {
            QCOMPARE(labelAt(20, 10), QString("Lag"));
            QCOMPARE(labelAt(30, 10), QString("Gain"));
            if (newBlock) QCOMPARE(labelAt(5, 10), QString());
        };
        putByDoubleClick(30, 5, 10);
        QCOMPARE(scheme().ElementCount(), 3);
        expectLabels(true);
        chosen = dir.filePath("labelled.shm");
        trigger("SaveAs1");
        Scheme saved;
        LoadScheme(saved, chosen.toStdString(), labelsFileFor(chosen.toStdString()));
        QCOMPARE(QString::fromStdString(saved.Labels[static_cast<std::size_t>(saved.FindElementAt(20, 10))]),
                 QString("Lag"));
        trigger("UndoBtn");
        QCOMPARE(scheme().ElementCount(), 2);
        expectLabels(false);
        trigger("RedoBtn");
        QCOMPARE(scheme().ElementCount(), 3);
        expectLabels(true);

        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(5, 10));
        QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier);
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(7, 12));
        QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_Delete);
        QCOMPARE(scheme().ElementCount(), 2);
        expectLabels(false);
    }

    void editMenuOffersTheBlockCommandsWithKeys() {
        QMenu* edit = form->findChild<QMenu*>("Edit1Menu");
        QVERIFY(edit);
        for (const char* name : {"MarkBegin1", "MarkEnd1", "Copy1", "Paste1", "Cut1", "ReadBlockFrom1",
                                 "WriteBlockTo1", "Delete1"}) {
            QVERIFY2(edit->actions().contains(form->action(name)), name);
            QVERIFY2(!form->action(name)->shortcut().isEmpty(), name);
        }
        scheme().PutCell(10, 10, 22);
        scheme().PutCell(14, 11, 5);
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(10, 10));
        QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier);
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(14, 12));
        QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(30, 20));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(30, 20), std::uint8_t(22));
        QCOMPARE(cell(34, 21), std::uint8_t(5));
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(50, 20));
        QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);  // move
        QCOMPARE(cell(50, 20), std::uint8_t(22));
        QCOMPARE(cell(30, 20), std::uint8_t(0));
        QCOMPARE(scheme().ElementCount(), 2);
        QTest::keyClick(form.get(), Qt::Key_Delete);  // the mark went with the block
        QCOMPARE(cell(50, 20), std::uint8_t(0));
    }

    void mouseEditorSelectsDragsAndOffersWhatIsPossible() {
        scheme().PutCell(10, 10, 22);
        scheme().PutCell(14, 11, 5);
        scheme().PutCell(15, 11, 1);
        trigger("editor");
        QCOMPARE(form->countText(), QString("Editor"));
        QVERIFY(!enabled("CutBtn"));
        QVERIFY(!enabled("PasteBtn"));

        QWidget* canvas = canvasWidget();
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, pixelOf(9, 9));
        QTest::mouseMove(canvas, pixelOf(16, 13));
        QCOMPARE(form->canvas().widget()->focusRects().size(), 1);  // the band
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, pixelOf(16, 13));
        QCOMPARE(form->canvas().widget()->focusRects().size(), 4);  // the selection and its three items
        QVERIFY(enabled("CutBtn") && enabled("CopyBtn") && enabled("DelBtn"));
        QVERIFY(!enabled("PasteBtn"));
        // The selected items are drawn in silver.
        const QImage square = form->canvas().image().copy(10 * kCellWidth, 10 * kCellHeight, 62, 32);
        int silver = 0;
        for (int x = 0; x < square.width(); ++x)
            for (int y = 0; y < square.height(); ++y)
                silver += square.pixel(x, y) == tableColour(Silver).rgb();
        QVERIFY(silver > 20);

        // Dragged straight to the right: the drag popup offers copy and move.
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, pixelOf(11, 11));
        QTest::mouseMove(canvas, pixelOf(31, 11));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, pixelOf(31, 11));
        QTRY_VERIFY(popup("PopupMenu3")->isVisible());
        trigger("N12");
        QTRY_VERIFY(!popup("PopupMenu3")->isVisible());
        QCOMPARE(cell(30, 10), std::uint8_t(22));
        QCOMPARE(cell(10, 10), std::uint8_t(0));
        QCOMPARE(cell(35, 11), std::uint8_t(1));
        // Undo in the mouse editor stays in it.
        trigger("UndoBtn");
        QCOMPARE(cell(10, 10), std::uint8_t(22));
        QCOMPARE(cell(30, 10), std::uint8_t(0));
        QCOMPARE(form->regime(), QString("AdvRed"));

        // A right click outside any selection: read, clear and (without a clipboard) no paste.
        QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, pixelOf(50, 50));
        QTRY_VERIFY(popup("PopupMenu2")->isVisible());
        QVERIFY(!enabled("G05") && !enabled("G") && !enabled("G03") && !enabled("N16"));
        QVERIFY(!enabled("N10"));
        QVERIFY(enabled("N17") && enabled("N19"));
        popup("PopupMenu2")->hide();

        // Ctrl+Del clears without a question, and Undo brings it back.
        const std::size_t said = host->lines.size();
        QTest::keyClick(form.get(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(scheme().ElementCount(), 0);
        QCOMPARE(host->lines.size(), said);
        trigger("UndoBtn");
        QCOMPARE(scheme().ElementCount(), 1);
        trigger("editor");
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(!enabled("CutBtn"));
    }

    void aSelectionCopiedInOneWindowIsPastedInAnother() {
        scheme().PutCell(10, 10, 22);
        scheme().PutCell(14, 11, 5);
        trigger("editor");
        band(*form, pixelOf(9, 9), pixelOf(15, 13));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QFile::exists(dir.filePath("~VelTmpC.tmp")));
        QVERIFY(enabled("PasteBtn"));

        ScriptedHost secondHost;
        TFormMain second(&secondHost);
        second.show();
        QVERIFY(second.history().snapshotFile(1).parent_path() !=
                form->history().snapshotFile(1).parent_path());
        second.action("editor")->trigger();
        QVERIFY(second.action("PasteBtn")->isEnabled());
        QTest::mouseClick(second.canvas().widget(), Qt::LeftButton, Qt::NoModifier, pixelOf(40, 30));
        second.action("PasteBtn")->trigger();
        const Scheme& pasted = second.workbench().scheme;
        QCOMPARE(pasted.cell(41, 31), std::uint8_t(22));
        QCOMPARE(pasted.cell(45, 32), std::uint8_t(5));
        QCOMPARE(pasted.ElementCount(), 1);
        QVERIFY(second.action("UndoBtn")->isEnabled());
        second.action("UndoBtn")->trigger();
        QCOMPARE(second.workbench().scheme.ElementCount(), 0);
        QCOMPARE(scheme().ElementCount(), 1);  // the first window's scheme is its own
        closeWithNo(second, secondHost);
    }

    void captionEditorKeepsTheKeysTypedInIt() {
        scheme().PutCell(10, 10, 22);
        QTest::mouseClick(canvasWidget(), Qt::LeftButton, Qt::NoModifier, pixelOf(11, 11));
        trigger("N26");  // Run, where Enter on the block would open its parameters
        TDiscrip& editor = form->discrip();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&editor));
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && focus->window() == &editor);
        for (const char c : {'L', 'a', 'g'}) QTest::keyClicks(QApplication::focusWidget(), QString(c));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(host->dialogs.empty());
        QTRY_COMPARE(editor.grid()->item(1, 1)->text(), QString("Lag"));
        QCOMPARE(form->editorState().cursor, (Cell{11, 11}));
        editor.close();
    }

    void printedSchemeKeepsItsCaptionsAndSaysWhereThePdfWent() {
        scheme().PutCell(10, 10, 22);
        scheme().PutCell(30, 10, 26);
        scheme().Labels[1] = "Plant";  // block 2 shows its name instead
        form->redrawAll();
        const QImage canvas = form->canvas().image();
        const QImage picture = form->canvas().printPicture();
        const QImage print = composeSchemePrint(picture, scheme());
        const QRect printed = schemePrintArea(picture, scheme());
        QCOMPARE(print.size(), printed.size());
        // Every pixel of a name or label on the canvas has a dark pixel on paper.
        for (const auto& c :
             editor::blockCaptions(scheme(), form->editorState().captions, form->workbench().names,
                                   canvas.width(), canvas.height())) {
            if (c.kind == editor::CanvasCaption::Kind::Number) continue;
            // The caption's row; what is not on the paper counts as lost.
            const QRect area(c.x, c.y, 120, 14);
            int onCanvas = 0, onPaper = 0;
            for (int x = area.left(); x <= area.right(); ++x)
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    onCanvas += canvas.pixel(x, y) != tableColour(Green).rgb();
                    const QPoint onSheet = QPoint(x, y) - printed.topLeft();
                    onPaper += print.rect().contains(onSheet) && print.pixel(onSheet) != qRgb(255, 255, 255);
                }
            QVERIFY2(onCanvas > 20, c.text.c_str());
            QVERIFY2(onPaper * 10 >= onCanvas * 9, qPrintable(QString("%1: %2 of %3 pixels")
                                                                  .arg(QString::fromStdString(c.text))
                                                                  .arg(onPaper)
                                                                  .arg(onCanvas)));
        }

        QPrinter& printer = sharedPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("scheme.pdf"));
        const auto keep = printPrompts().print;
        printPrompts().print = [](QPrinter&, QWidget*) { return true; };
        trigger("Print1");
        printPrompts().print = keep;
        QVERIFY(QFile::exists(dir.filePath("scheme.pdf")));
        QVERIFY2(form->infoText().contains(dir.filePath("scheme.pdf")), qPrintable(form->infoText()));
    }

    void messageBoxShowsItsWholeTitle() {
        DialogHost dialogs(form.get());
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            width = box->width();
            box->accept();
        });
        dialogs.message(Box::Information, "1");
        QVERIFY(width >= titleWidth(QString::fromUtf8("Сообщение")));
    }

    void valueDialogTabsFromValueToValue() {
        std::vector<ValueRow> rows = {{"K", "1", false, true, true, {}},
                                      {"T", "0.5", false, true, true, {}},
                                      {"H y", "0", false, true, true, {}}};
        TGMenu21Form dialog("", rows, {}, *host, form.get());
        // The chain Tab follows: every value first, then the Mark boxes.
        const QList<QWidget*> expected = {dialog.valueEdit(1), dialog.valueEdit(2), dialog.markBox(0),
                                          dialog.markBox(1), dialog.markBox(2)};
        QList<QWidget*> chain;
        QWidget* w = dialog.valueEdit(0);
        for (int i = 0; i < expected.size(); ++i) {
            do w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            chain << w;
        }
        QCOMPARE(chain, expected);
    }

    void parameterGridNamesAParameterAsItsDialogDoes() {
        scheme().PutCell(10, 10, 22);
        trigger("Run2");
        trigger("SpeedButton1");
        QTableWidget* grid = form->gridForm().grid();
        QStringList names;
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 2)) names << grid->item(r, 2)->text();
        QCOMPARE(names, (QStringList{"K", "T", "H y"}));
        form->gridForm().close();
    }

    // A value typed into the parameter grid is an undo step of its own: Undo gives the
    // value back, also in the grid, and Redo puts it in again.
    void aValueTypedIntoTheGridIsAnUndoStep() {
        scheme().PutCell(10, 10, 22);
        trigger("Run2");
        trigger("SpeedButton1");
        TGridForm& gridForm = form->gridForm();
        QVERIFY(QTest::qWaitForWindowExposed(&gridForm));
        QTableWidget* grid = gridForm.grid();
        const int element = grid->item(0, 0)->text().toInt();
        const auto gain = [&] { return scheme().element(element).param(0); };
        for (const char* typed : {"2.5", "4"}) {
            grid->setCurrentCell(0, 3);
            grid->edit(grid->currentIndex());
            QLineEdit* editor = nullptr;
            for (QLineEdit* e : grid->findChildren<QLineEdit*>())
                if (e->isVisible()) editor = e;
            QVERIFY(editor != nullptr);
            editor->selectAll();
            QTest::keyClicks(editor, typed);
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(double(gain()), QString(typed).toDouble());
        }
        const struct {
            const char* button;
            const char* gain;
        } steps[] = {{"UndoBtn", "2.5"}, {"UndoBtn", "1"}, {"RedoBtn", "2.5"}, {"RedoBtn", "4"}};
        for (const auto& step : steps) {
            QVERIFY(enabled(step.button));
            trigger(step.button);
            QCOMPARE(double(gain()), QString(step.gain).toDouble());
            QCOMPARE(grid->item(0, 3)->text(), QString(step.gain));
        }
        gridForm.close();
    }
};

QTEST_MAIN(FormMainEditTest)
#include "form_main_edit_test.moc"
