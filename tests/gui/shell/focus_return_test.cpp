// After a window the main window opened closes (a message box, a dialog, a recorder's
// graph viewer), the keyboard is the canvas's again: the arrows move the cursor without
// a click on the canvas first.
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "gui/editor/cell_pictures.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/show_graph.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"
#include "gui/shell/window_input.h"
#include "gui/support/demo_viewer.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

// Real message boxes; the value dialogs confirmed as they stand, questions answered No,
// and graphs through the workbench's hand-over.
class BoxesHost : public DialogHost {
public:
    QWidget* form = nullptr;
    BoxesHost() : DialogHost(nullptr) {}
    bool askValues(std::string_view, std::vector<ValueRow>&, const RowCheck&) override { return true; }
    Reply ask(std::string_view, std::string_view, bool) override { return Reply::No; }
    int showGraph(const Diagrams& diagrams, int kind) override {
        return showGraphWindow(form, diagrams, kind);
    }
};

}  // namespace

class FocusReturnTest : public QObject {
    Q_OBJECT

    BoxesHost host;
    std::unique_ptr<TFormMain> form;

    QWidget* canvas() { return form->canvas().widget(); }
    Cell cursor() { return form->editorState().cursor; }

    // Presses `key` in the next modal window once it is shown.
    void answerModal(Qt::Key key) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, key] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            poll->stop();
            poll->deleteLater();
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, key);
        });
        poll->start(5);
    }
    // The canvas has the keys, and an arrow moves the cursor.
    void arrowsMoveTheCursor() {
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), canvas(), 5000);
        QCOMPARE(QApplication::activeWindow(), form.get());
        const Cell before = cursor();
        QTest::keyClick(canvas(), Qt::Key_Down);
        QVERIFY(cursor().row != before.row || cursor().col != before.col);
    }

private slots:
    void init() {
        form = std::make_unique<TFormMain>(&host);
        host.form = form.get();
        form->resize(1200, 800);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void afterTheWiringFaultBox() {
        Scheme& s = form->workbench().scheme;
        s.PutCell(3, 5, 33);
        for (int c = 6; c <= 9; ++c) s.PutCell(c, 6, 5);  // into the link without an arrow
        s.PutCell(10, 5, 22);
        answerModal(Qt::Key_Return);
        form->action("Run2")->trigger();
        QCOMPARE(form->regime(), QString("Edit"));
        arrowsMoveTheCursor();
    }

    void afterEscapeOnThePathDialog() {
        answerModal(Qt::Key_Escape);
        form->action("Path1")->trigger();
        arrowsMoveTheCursor();
    }

    // Del deletes the marked block once the block-file dialog is left with Esc, with no
    // click on the canvas between.
    void afterTheBlockFileDialog() {
        Scheme& s = form->workbench().scheme;
        s.PutCell(10, 10, 22);
        const auto cellPixel = [](int col, int row) { return QPoint(col * kCellWidth + 10, row * kCellHeight + 5); };
        QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, cellPixel(10, 10));
        QTest::keyClick(canvas(), Qt::Key_B, Qt::ControlModifier);
        QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, cellPixel(13, 12));
        QTest::keyClick(canvas(), Qt::Key_K, Qt::ControlModifier);
        answerModal(Qt::Key_Escape);
        form->action("ReadBlockFrom1")->trigger();
        QCOMPARE(s.cell(10, 10), std::uint8_t(22));  // nothing was read
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), canvas(), 5000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QCOMPARE(s.cell(10, 10), std::uint8_t(0));
        QCOMPARE(s.ElementCount(), 0);
    }

    // The recorder's viewer beside the window: closed with Esc, it hands the keys back.
    void afterTheViewerCloses() {
        form->openAtStart(VELMAR_DATA_DIR "/Schemes/demo.shm");
        form->action("Run2")->trigger();
        form->action("Solve1")->trigger();
        form->input().canvasDoubleClick(Qt::LeftButton, {}, kRecorderPixel);
        TFormGraphPg& viewer = recorderViewer(form.get(), kDemoRecorder);
        QVERIFY(viewer.isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(viewer.canvas()));
        QTest::keyClick(viewer.canvas(), Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
        arrowsMoveTheCursor();
    }
};

QTEST_MAIN(FocusReturnTest)
#include "focus_return_test.moc"
