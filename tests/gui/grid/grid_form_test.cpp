// The parameter grid window typed into, and the two text windows.
#include <QLineEdit>
#include <QScopeGuard>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

#include "core/scripted_host.h"
#include "core/workbench/workbench.h"
#include "gui/comments/text_windows.h"
#include "gui/grid/grid_form.h"
#include "gui/viewer_dialogs.h"

using namespace velmar;
using namespace velmar::gui;

class GridFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<Workbench> wb;
    std::unique_ptr<TGridForm> form;

    // The editor of the cell in edit; closed ones linger hidden until deleted.
    QLineEdit* openEditor() const {
        for (QLineEdit* e : form->grid()->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;
        return nullptr;
    }
    // Starts editing a value cell by typing into it, as a person does.
    QLineEdit* typeInto(int row, const QString& keys) {
        QTableWidget* grid = form->grid();
        grid->setFocus();
        grid->setCurrentCell(row, 3);
        QTest::keyClicks(grid, keys.left(1));
        QLineEdit* editor = openEditor();
        if (editor != nullptr && keys.size() > 1) QTest::keyClicks(editor, keys.mid(1));
        return editor;
    }

private slots:
    void init() {
        host = std::make_unique<ScriptedHost>();
        wb = std::make_unique<Workbench>(*host);
        // Element 6 is the last block; the node is element 2.
        for (auto [col, code] : {std::pair{1, 22}, {6, 17}, {10, 26}, {20, 22}, {30, 62}, {40, 26}})
            QVERIFY(wb->scheme.PutCell(col, 1, static_cast<std::uint8_t>(code)));
        form = std::make_unique<TGridForm>(*wb);
        form->OpenFromSpeedButton();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        wb.reset();
        host.reset();
    }

    void listsBlocksOnly() {
        QTableWidget* grid = form->grid();
        QCOMPARE(grid->rowCount(), 3 + 3 + 3 + 1 + 3);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("№ Блока"));
        QCOMPARE(grid->item(0, 1)->text(), QString("Апериодическое звено"));
        QCOMPARE(grid->item(3, 0)->text(), QString("3"));  // the node (2) is not listed
        QCOMPARE(grid->item(9, 0)->text(), QString("5"));
        QCOMPARE(grid->item(9, 1)->text(), QString("Блок временных характеристик"));
        QCOMPARE(grid->item(10, 0)->text(), QString("6"));
        QVERIFY(form->isFilling());
    }

    void typedValueReachesOnlyItsParameter() {
        const Extended k = wb->scheme.element(6).param(0);
        QLineEdit* editor = typeInto(12, "2.75");
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QString("2.75"));
        QCOMPARE(wb->scheme.element(6).param(2), 1.0L);  // stored when the edit ends
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(wb->scheme.element(6).param(2), 2.75L);
        QCOMPARE(wb->scheme.element(6).param(0), k);
        QVERIFY(host->dialogs.empty());
    }

    void exponentsAndPi() {
        QLineEdit* editor = typeInto(1, "2e3");
        QCOMPARE(editor->text(), QString("2e3"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QTRY_COMPARE(wb->scheme.element(1).param(1), 2000.0L);
        QTRY_VERIFY(openEditor() == nullptr);
        editor = typeInto(1, "5");
        QTest::keyClick(editor, Qt::Key_P);
        QCOMPARE(editor->text(), QString("3.142"));
        QCOMPARE(wb->scheme.element(1).param(1), Real48(3.142L).get());
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(form->grid()->item(1, 3)->text(), QString("3.142"));
    }

    // What a value dialog refuses is refused with its message when the edit ends, and
    // the cell stays in edit with the text as typed; the parameter keeps its value.
    void textsThatAreNoValueAreRefusedAndStayInEdit() {
        QStringList shown;
        auto& dialogs = viewerDialogs();
        const auto kept = dialogs.message;
        dialogs.message = [&](QWidget*, Box, const QString& text) { shown << text; };
        const auto restore = qScopeGuard([&] { dialogs.message = kept; });
        const struct {
            const char* typed;
            const char* message;
        } cases[] = {
            {"xyz", "\"xyz\" is not a number (T)"},
            {"1e400", "Floating point overflow: \"1e400\" (T)"},
        };
        for (const auto& c : cases) {
            shown.clear();
            QLineEdit* editor = typeInto(1, c.typed);
            QVERIFY(editor != nullptr);
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(shown, QStringList{c.message});
            QTRY_VERIFY(openEditor() != nullptr);
            QCOMPARE(openEditor()->text(), QString(c.typed));
            QCOMPARE(wb->scheme.element(1).param(1), 1.0L);
            QTest::keyClick(openEditor(), Qt::Key_Escape);
            QTRY_VERIFY(openEditor() == nullptr);
        }
    }

    void editsAboveTheFirstElementResetTheGrid() {
        form->grid()->item(0, 0)->setText("");
        form->StringGrid1SetEditText(1, "4");
        QCOMPARE(form->grid()->rowCount(), 5);
        QVERIFY(form->grid()->item(0, 0) == nullptr);
    }

    void returningClearsTheFillFlag() {
        form->findChild<QAction*>("MainPage1")->trigger();
        QVERIFY(!form->isFilling());
        QVERIFY(!form->isVisible());
    }

    void textWindows() {
        TFormTopComments top;
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QTest::keyClicks(top.memo(), "Step response");
        QCOMPARE(top.text(), QString("Step response"));
        top.findChild<QAction*>("New1")->trigger();
        QCOMPARE(top.text(), QString());
        QTest::keyClick(top.memo(), Qt::Key_Escape);
        QVERIFY(!top.isVisible());
        TFormTextPad pad;
        QCOMPARE(pad.windowTitle(), QString("Текст под рисунком"));
        QCOMPARE(pad.memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    }
};

QTEST_MAIN(GridFormTest)
#include "grid_form_test.moc"
