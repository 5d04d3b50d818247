#include "gui/shell/localiser.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include "gui/graphs/graph_viewer.h"
#include "gui/qt_text.h"

namespace velmar::gui {

namespace {

bool isOwnCaption(const QString& title, const TranslationRow& row) {
    for (const char* t : {row.english, row.russian, row.romanian})
        if (t && title == qText(t)) return true;
    return false;
}

void setGlobal(std::string_view name, const QString& text) {
    ViewerTexts& v = viewerTexts();
    if (name == "ScaleX") v.scaleX = text;
    else if (name == "ScaleY") v.scaleY = text;
    else if (name == "FirstPoint") v.firstPoint = text;
    else if (name == "SecondPoint") v.secondPoint = text;
    else if (name == "GraphCaption") v.caption = text;
    else if (name == "Comment") v.comment = text;
    // The question before exit has no window of its own: closing asks in Russian.
}

// A page's title; a page of a tab widget shows it on its tab.
void setPageTitle(QWidget* page, const QString& text) {
    page->setWindowTitle(text);
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr)
        tabs->setTabText(tabs->indexOf(page), text);
}

void assign(QWidget* window, const TranslationRow& row, const QString& text) {
    if (row.component.empty()) {
        if (isOwnCaption(window->windowTitle(), row)) window->setWindowTitle(text);
        return;
    }
    const QString name = qText(row.component);
    if (auto* a = window->findChild<QAction*>(name)) {
        if (row.property == TextProperty::Hint) {
            a->setStatusTip(text);
            a->setToolTip(text);
        } else {
            a->setText(text);
        }
        return;
    }
    auto* w = window->findChild<QWidget*>(name);
    if (!w) return;
    if (row.property == TextProperty::Hint) w->setToolTip(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(text);
    else if (auto* t = qobject_cast<QTableWidget*>(w)) t->setHorizontalHeaderLabels(text.split('|'));
    else setPageTitle(w, text);
}

}  // namespace

void applyRows(QWidget* window, const Localisation& texts, const std::vector<std::size_t>& rows) {
    const QString windowName = window->objectName();
    for (const std::size_t i : rows) {
        const TranslationRow& row = translationTable()[i];
        if (qText(row.window) != windowName) continue;
        if (const char* text = texts.textOf(i)) assign(window, row, qText(text));
    }
}

void applyEverywhere(QWidget* owner, const Localisation& texts, const std::vector<std::size_t>& rows) {
    for (const std::size_t i : rows) {
        const TranslationRow& row = translationTable()[i];
        if (row.window == kGlobalStrings)
            if (const char* text = texts.textOf(i)) setGlobal(row.component, qText(text));
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w == owner || (!w->objectName().isEmpty() && w->objectName() != owner->objectName()))
            applyRows(w, texts, rows);
}

WindowLocaliser::WindowLocaliser(const Localisation& texts, QObject* parent)
    : QObject(parent), texts_(texts) {
    qApp->installEventFilter(this);
}

WindowLocaliser::~WindowLocaliser() { qApp->removeEventFilter(this); }

bool WindowLocaliser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow() && !w->objectName().isEmpty() && w->objectName() != "FormMain")
            applyRows(w, texts_, texts_.rowsInForce(w->objectName().toStdString()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmar::gui
