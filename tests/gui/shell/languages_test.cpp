// The interface in each language shows texts of that language only: every menu item,
// hint, speed button and popup of the main window, the parameter grid, the point list,
// the Path dialog, the analysis windows and the file commands' messages. A text fails when it holds a
// Cyrillic letter outside Russian, or a word that the translation table uses only in
// the other languages' texts (an English "Parameters" left in Romanian or Russian).
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>
#include <algorithm>
#include <set>

#include "core/scripted_host.h"
#include "core/shell/translations.h"
#include "core/workbench/optimisation_session.h"
#include "gui/analysis/dcom_form.h"
#include "gui/analysis/integral_form.h"
#include "gui/analysis/method_form.h"
#include "gui/analysis/optimization_form.h"
#include "gui/analysis/progress_form.h"
#include "gui/analysis/regulator_forms.h"
#include "gui/analysis/rooter_form.h"
#include "gui/analysis/value_pages_form.h"
#include "gui/comments/text_windows.h"
#include "gui/graphs/point_grid.h"
#include "gui/grid/grid_form.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/support/main_window_fixture.h"
#include "gui/shell/path_form.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

const Language kLanguages[] = {Language::English, Language::Russian, Language::Romanian};

QString plain(const QString& text) { return QString(text).remove('&'); }

QStringList wordsOf(const QString& text) {
    static const QRegularExpression word("\\p{L}{3,}");
    QStringList words;
    for (auto it = word.globalMatch(plain(text)); it.hasNext();) words << it.next().captured();
    return words;
}

std::set<QString> vocabulary(Language language) {
    std::set<QString> words;
    for (const TranslationRow& row : translationTable())
        if (const char* t = row.text(language))
            for (const QString& w : wordsOf(QString::fromUtf8(t))) words.insert(w);
    return words;
}

// The words a language never uses but another does.
std::set<QString> foreignWords(Language language) {
    const std::set<QString> own = vocabulary(language);
    std::set<QString> foreign;
    for (const Language other : kLanguages)
        if (other != language)
            for (const QString& w : vocabulary(other))
                if (!own.count(w)) foreign.insert(w);
    return foreign;
}

// The texts the table gives a language, a grid's column titles one by one: the system's
// own spellings among them (the Cyrillic first letter of the optimisation window's
// "Сriteria") are that language's.
std::set<QString> ownTexts(Language language) {
    std::set<QString> texts;
    for (const TranslationRow& row : translationTable())
        if (const char* t = row.text(language)) {
            texts.insert(QString::fromUtf8(t));
            if (row.property == TextProperty::Columns)
                for (const QString& title : QString::fromUtf8(t).split('|')) texts.insert(title);
        }
    return texts;
}

// What makes a text foreign to the language, or an empty text.
QString foreignPart(const QString& text, Language language, const std::set<QString>& foreign) {
    static const QRegularExpression cyrillic("\\p{Cyrillic}");
    if (language != Language::Russian && cyrillic.match(text).hasMatch() && !ownTexts(language).count(text))
        return text;
    for (const QString& w : wordsOf(text))
        if (foreign.count(w)) return w;
    return {};
}

struct Shown {
    QString where;
    QString text;
};

void addAction(const QAction* a, const QString& where, QList<Shown>& out) {
    if (a->isSeparator()) return;
    out.push_back({where + "/" + a->objectName(), a->text()});
    out.push_back({where + "/" + a->objectName() + " hint", a->statusTip()});
    out.push_back({where + "/" + a->objectName() + " tip", a->toolTip()});
    if (a->menu())
        for (const QAction* sub : a->menu()->actions()) addAction(sub, where, out);
}

// The texts a window shows: its title, its menus, its buttons, labels, group titles, tabs
// and grid column titles (not the grids' contents: block names and values). With
// `hiddenToo`, also the parts it shows only at times (panels, pages).
QList<Shown> shownBy(QWidget& window, bool hiddenToo = false) {
    QList<Shown> out;
    const QString where = window.objectName();
    out.push_back({where, window.windowTitle()});
    if (auto* main = qobject_cast<QMainWindow*>(&window); main && main->menuBar())
        for (const QAction* a : main->menuBar()->actions()) addAction(a, where, out);
    for (const QToolBar* bar : window.findChildren<QToolBar*>())
        for (const QAction* a : bar->actions()) addAction(a, where + " speed bar", out);
    for (const QMenu* popup : window.findChildren<QMenu*>(QRegularExpression("^PopupMenu")))
        for (const QAction* a : popup->actions())
            if (a->objectName() != "Help_bl") addAction(a, popup->objectName(), out);
    const auto shown = [hiddenToo](const QWidget* w) { return hiddenToo || w->isVisible(); };
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (!shown(b)) continue;
        out.push_back({where + "/" + b->objectName(), b->text()});
        out.push_back({where + "/" + b->objectName() + " tip", b->toolTip()});
    }
    // The status line's message panel shows a message for two seconds: the messages
    // are checked where they are said.
    for (const QLabel* l : window.findChildren<QLabel*>())
        if (shown(l) && l->objectName() != "InfoPanel")
            out.push_back({where + "/" + l->objectName(), l->text()});
    for (const QGroupBox* g : window.findChildren<QGroupBox*>())
        if (shown(g)) {
            out.push_back({where + "/" + g->objectName(), g->title()});
            out.push_back({where + "/" + g->objectName() + " tip", g->toolTip()});
        }
    for (const QDockWidget* d : window.findChildren<QDockWidget*>())
        out.push_back({where + "/" + d->objectName(), d->windowTitle()});
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) out.push_back({where + " tab", tabs->tabText(i)});
    for (const QTableWidget* t : window.findChildren<QTableWidget*>())
        for (int c = 0; c < t->columnCount(); ++c)
            if (const QTableWidgetItem* h = t->horizontalHeaderItem(c))
                out.push_back({where + "/" + t->objectName() + " column", h->text()});
    return out;
}

}  // namespace

class LanguagesTest : public QObject, private MainWindowFixture {
    Q_OBJECT


    // Every text of `shown` that does not belong to the language, with where it is.
    static QStringList strays(const QList<Shown>& shown, Language language) {
        const std::set<QString> foreign = foreignWords(language);
        QStringList out;
        for (const Shown& s : shown)
            if (const QString part = foreignPart(s.text, language, foreign); !part.isEmpty())
                out << s.where + ": \"" + s.text + "\" (" + part + ")";
        return out;
    }

private slots:
    void initTestCase() { QVERIFY(enterFolder()); }
    void init() { openWindow({1400, 800}); }
    void cleanup() { closeWindow(); }

    // The check itself: it knows the languages apart.
    void aTextOfAnotherLanguageIsFound() {
        const QList<Shown> shown = {{"a", "&Fisier"}, {"b", "Live Parameters"}, {"c", "Редактор схем"}};
        QCOMPARE(strays(shown, Language::English).size(), 2);   // Romanian and Russian
        QCOMPARE(strays(shown, Language::Romanian).size(), 2);  // English and Russian
        QCOMPARE(strays(shown, Language::Russian).size(), 2);   // Romanian and English
        QVERIFY(strays({{"d", "Poisk &2"}, {"e", "Garmonic &Linearization"}}, Language::English).isEmpty());
        QCOMPARE(strays({{"e", "Garmonic &Linearization"}}, Language::Romanian).size(), 1);
    }

    void everyWindowSpeaksTheLanguageChosen() {
        form->workbench().scheme.PutCell(10, 10, 22);  // a row in the caption editor
        form->discrip().refresh();
        TGridForm& grid = form->gridForm();
        grid.show();
        form->discrip().show();
        TPntGridForm points(form.get());
        TFormTopComments above(form.get());
        TFormTextPad below(form.get());
        QList<Shown> path;
        form->runModal = [&path](QDialog& dialog) {
            dialog.show();
            path = shownBy(dialog);
            return int(QDialog::Rejected);
        };
        for (const Language language : kLanguages) {
            form->applyLanguage(language);
            for (QWidget* w : std::initializer_list<QWidget*>{&points, &above, &below}) w->show();
            form->editPaths();
            QList<Shown> shown = shownBy(*form) + shownBy(grid) + shownBy(points) + shownBy(form->discrip()) +
                                 shownBy(above) + shownBy(below) + path;
            // The caption editor's titles of its rows, and its font sizes.
            const QTableWidget* captions = form->discrip().grid();
            for (int r = 0; r < captions->rowCount(); ++r)
                shown.push_back({"Discrip row", captions->item(r, 0)->text()});
            shown.push_back({"Discrip title", captions->item(0, 1)->text()});
            const auto* sizes = form->discrip().findChild<QComboBox*>("ComboBox1");
            for (int i = 0; i < sizes->count(); ++i)
                shown.push_back({"Discrip font size", sizes->itemText(i)});
            QVERIFY(shown.size() > 200);
            const QStringList found = strays(shown, language);
            QVERIFY2(found.isEmpty(), qPrintable(QString::number(int(language)) + ":\n" + found.join("\n")));
            for (QWidget* w : std::initializer_list<QWidget*>{&points, &above, &below}) w->hide();
        }
    }

    // The analysis windows, the parts they show only at times included: the method
    // chooser, the calculators of roots and of the square functional, the optimisation
    // window, the value pages, the regulator windows, the progress of a scan and the
    // D-decomposition plane (whose texts the system keeps in two sets, Russian and the
    // other).
    void analysisWindowsSpeakTheLanguageChosen() {
        Workbench& wb = form->workbench();
        wb.scheme.PutCell(10, 10, 47);  // an optimisation block, element 1
        OptimisationSession session(wb, 1);
        // The value pages with the texts the analyses give them: the system's parameters
        // (their order fields name the plant's parts), the synthesis's Ti values.
        std::vector<ValueList> pages(1), tiPages(1);
        pages[0].caption = "System Parameters";
        pages[0].values = {"1", "2"};
        tiPages[0] = {"Задайте кол-во и значения  Тi ", "Задайте кол-во значений Тi", 0, 100, "Ti", 1,
                      {"1", "2"}, "1", "Визуализировать графики для каждого значения Тi", false};
        const RowCheck noProblem = [](const std::vector<ValueRow>&) { return std::string(); };
        DDecompositionMap map{"K", "T", Real48(0), Real48(1), Real48(0), Real48(1), 1, 1, {0, 1, 2, 3}, false};
        TMethodForm methods(*host, form.get());
        TFormRooter roots(*host, form.get());
        TFormIntegral functional(*host, form.get());
        TOptimizationForm optimisation(session, *host, [] {}, form.get());
        TformSysP system(pages, noProblem, *host, form.get());
        TiValuesForm values(tiPages, noProblem, *host, form.get());
        TFormRegMain regulators("", {}, form.get());
        TForm2 results(ResultTable{}, form.get());
        TPrgBarForm progress([] {}, form.get());
        const std::initializer_list<QWidget*> windows = {&methods, &roots,   &functional, &optimisation, &system,
                                                         &values,  &regulators, &results, &progress};
        for (const Language language : kLanguages) {
            form->applyLanguage(language);
            TDComForm plane(map, language == Language::Russian, form.get());
            QList<Shown> shown;
            for (QWidget* w : windows) {
                w->show();
                shown += shownBy(*w, true);
                w->hide();
            }
            plane.show();
            shown += shownBy(plane, true);
            // The user criterion's error field says what the expression parser says.
            shown.removeIf([](const Shown& s) { return s.where == "OptimizationForm/ErrorField"; });
            QVERIFY(shown.size() > 60);
            const QStringList found = strays(shown, language);
            QVERIFY2(found.isEmpty(), qPrintable(QString::number(int(language)) + ":\n" + found.join("\n")));
            // Every word they show comes from the table (what is not a word: numbers,
            // the parameters' letters, "OK").
            const std::set<QString> own = ownTexts(language);
            QStringList untranslated;
            for (const Shown& s : shown)
                if (!wordsOf(s.text).isEmpty() && !own.count(s.text)) untranslated << s.where + ": " + s.text;
            QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join("\n")));
            if (language != Language::English) continue;
            // The English texts are the windows' own, with the system's spellings.
            QCOMPARE(roots.findChild<QLabel*>("CoefficientsLabel")->text(), QString("Polinom Coefificents "));
            QCOMPARE(optimisation.findChild<QGroupBox*>("CriteriaGroup")->title(), QString::fromUtf8("С&riteria"));
        }
    }

    // The messages of the file commands and of a faulty scheme follow the language.
    void messagesSpeakTheLanguageChosen() {
        for (const Language language : kLanguages) {
            form->applyLanguage(language);
            host->lines.clear();
            form->workbench().scheme.PutCell(10, 10, 22);  // unsaved
            host->reply = Reply::No;
            form->newScheme();
            // A line drawn before its block: it has no arrow.
            form->workbench().scheme.PutCell(12, 20, 5);
            form->workbench().scheme.PutCell(13, 20, 22);
            form->workbench().scheme.PutCell(9, 20, 33);
            form->runScheme();
            // The texts said: the message boxes' texts (their titles are the recording
            // host's), the question with its title, the status texts.
            QList<Shown> said;
            for (const auto& [box, text] : host->messages)
                said.push_back({"message", QString::fromStdString(text)});
            for (const std::string& line : host->lines) {
                const bool message =
                    std::any_of(host->messages.begin(), host->messages.end(),
                                [&](const auto& m) { return line.ends_with(": " + m.second); });
                if (!message)
                    said.push_back(
                        {"said", QString::fromStdString(line).remove(QRegularExpression("^status: "))});
            }
            QVERIFY(said.size() >= 3);
            const QStringList found = strays(said, language);
            QVERIFY2(found.isEmpty(), qPrintable(QString::number(int(language)) + ":\n" + found.join("\n")));
            QVERIFY(!host->messagesOf(Box::Error).empty());
            QVERIFY(host->messagesOf(Box::Error).back().find("12") != std::string::npos);
            host->messages.clear();
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
