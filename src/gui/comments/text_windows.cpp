#include "gui/comments/text_windows.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "gui/viewer_dialogs.h"

namespace velmar::gui {

TTextWindow::TTextWindow(const QString& name, const QString& caption, bool bothScrollBars, QWidget* parent)
    : QMainWindow(parent), Memo1(new QPlainTextEdit(this)) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlag(Qt::Window);
    Memo1->setObjectName("Memo1");
    Memo1->setLineWrapMode(bothScrollBars ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    setCentralWidget(Memo1);
    menuBar()->addAction("&Новый", this, &TTextWindow::NewClick)->setObjectName("New1");
    menuBar()->addAction("Шрифт", this, &TTextWindow::FontClick)->setObjectName("Font1");
    resize(420, 200);
}

QString TTextWindow::text() const { return Memo1->toPlainText(); }
QFont TTextWindow::textFont() const { return Memo1->font(); }

void TTextWindow::NewClick() { Memo1->clear(); }

void TTextWindow::FontClick() {
    QFont font = Memo1->font();
    if (viewerDialogs().chooseFont(this, font)) Memo1->setFont(font);
}

void TTextWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) close();
    else QMainWindow::keyPressEvent(event);
}

TFormTopComments::TFormTopComments(QWidget* parent)
    : TTextWindow("FormTopComments", "Текст над рисунком", false, parent) {}

TFormTextPad::TFormTextPad(QWidget* parent)
    : TTextWindow("FormTextPad", "Текст под рисунком", true, parent) {}

}  // namespace velmar::gui
