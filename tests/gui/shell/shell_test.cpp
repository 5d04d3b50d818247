// The application shell through the real main window: the configuration file and its
// working folders, the Path dialog, the three languages with the texts they are known
// by, the help window and its topics, test schemes and their descriptions from a
// block's popup, the save question with Cancel, the calculator and the clean-up at exit.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "core/scripted_host.h"
#include "core/shell/configuration.h"
#include "core/shell/help_topics.h"
#include "core/shell/ini_file.h"
#include "gui/editor/cell_pictures.h"
#include "gui/print/preview_form.h"
#include "gui/shell/form_main.h"
#include "gui/shell/help_form.h"
#include "gui/shell/hint_form.h"
#include "gui/shell/path_form.h"
#include "gui/shell/shell_commands.h"
#include "gui/shell/shell_state.h"
#include "gui/shell/value_dialog.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<TFormMain> form;

    QString path(const QString& name) const { return dir->filePath(name); }
    ShellPlaces places(bool writable = true) const {
        return {path("bin").toStdString(), writable, path("config").toStdString(), path("data").toStdString(),
                VELMAR_DATA_DIR};
    }
    void open(const ShellPlaces& p) {
        host = std::make_unique<ScriptedHost>();
        form = std::make_unique<TFormMain>(host.get(), nullptr, &p);
        form->resize(1200, 800);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    IniFile ini() const { return IniFile::load(form->shell().paths.configFile); }
    QString text(const char* name) const { return form->action(name)->text(); }
    QString hint(const char* name) const { return form->action(name)->statusTip(); }
    QPoint pixelOf(int col, int row) const { return QPoint(col * kCellWidth + 10, row * kCellHeight + 5); }
    // A right click on a block in Run opens its popup.
    void popupOn(int col, int row) {
        QTest::mouseClick(form->canvas().widget(), Qt::RightButton, Qt::NoModifier, pixelOf(col, row));
        QVERIFY(form->findChild<QMenu*>("PopupMenuHelp")->isVisible());
    }
    void closePopup() { form->findChild<QMenu*>("PopupMenuHelp")->hide(); }
    bool said(const std::string& line) const {
        return std::find(host->lines.begin(), host->lines.end(), line) != host->lines.end();
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(path("bin")));
    }
    void cleanup() {
        if (host) host->reply = Reply::No;
        form.reset();
        host.reset();
        dir.reset();
    }

    void theConfigurationFileIsMadeBesideTheProgramWithItsDefaults() {
        std::ofstream(path("bin/VELMAR.INI").toStdString()) << "[Path]\nPoints=/my/points/\nTests=ERROR\n";
        open(places());
        const ShellState& s = form->shell();
        QVERIFY(s.paths.configPlace == ConfigPlace::BesideProgram);
        QCOMPARE(QString::fromStdString(s.folders.points), QString("/my/points/"));
        QCOMPARE(QString::fromStdString(s.folders.schemes), path("bin/Schemes") + "/");
        QCOMPARE(QString::fromStdString(s.folders.tests), QString(VELMAR_DATA_DIR "/Tests"));
        // The missing and "ERROR" keys were written back at once.
        QCOMPARE(QString::fromStdString(ini().readString("Path", "Tests", "")),
                 QString(VELMAR_DATA_DIR "/Tests"));
        QCOMPARE(QString::fromStdString(ini().readString("Path", "Schemes", "")), path("bin/Schemes") + "/");
    }

    void anInstalledProgramKeepsItsFileInTheUsersFolder() {
        open(places(false));
        QVERIFY(form->shell().paths.configPlace == ConfigPlace::UserConfig);
        QVERIFY(QFileInfo::exists(path("config/VELMAR.INI")));
        QVERIFY(!QFileInfo::exists(path("bin/VELMAR.INI")));
        QCOMPARE(QString::fromStdString(form->shell().folders.schemes), path("data/Schemes") + "/");
    }

    void thePathDialogWritesTheFoldersOrLeavesThem() {
        open(places());
        form->runModal = [&](QDialog& d) {
            auto& dialog = static_cast<TPathForm&>(d);
            [&] {
                QCOMPARE(dialog.windowTitle(), u8("Путь"));
                QCOMPARE(dialog.edit("PntEdit")->text(), path("bin/Points") + "/");
                dialog.chooseFolder = [&](QWidget*, const QString& start) {
                    return start == path("bin/Schemes") + "/" ? path("mine") : QString();
                };
                dialog.findChild<QPushButton*>("ShmBrowse")->click();
                dialog.findChild<QPushButton*>("PntBrowse")->click();  // cancelled: unchanged
                dialog.edit("TestEdit")->setText("/elsewhere");
            }();
            return int(QDialog::Accepted);
        };
        form->editPaths();
        QCOMPARE(QString::fromStdString(ini().readString("Path", "Schemes", "")), path("mine"));
        QCOMPARE(QString::fromStdString(ini().readString("Path", "Points", "")), path("bin/Points") + "/");
        QCOMPARE(QString::fromStdString(form->shell().folders.tests), QString("/elsewhere"));

        form->runModal = [&](QDialog& d) {
            auto& dialog = static_cast<TPathForm&>(d);
            dialog.findChild<QPushButton*>("DefaultBtn")->click();
            return int(QDialog::Rejected);  // "&Отмена" changes nothing
        };
        form->editPaths();
        QCOMPARE(QString::fromStdString(form->shell().folders.tests), QString("/elsewhere"));
        form->runModal = [&](QDialog& d) {
            static_cast<TPathForm&>(d).DefaultBtnClick();
            return int(QDialog::Accepted);
        };
        form->editPaths();
        QCOMPARE(QString::fromStdString(ini().readString("Path", "Tests", "")),
                 QString(VELMAR_DATA_DIR "/Tests"));
    }

    // A file without "Language" keys ends every activation in Romanian; the menu
    // choice takes effect at once and is kept.
    void languagesRoundTripWithTheirQuirks() {
        open(places());
        QCOMPARE(text("File1"), u8("&Fisier"));
        QVERIFY(form->action("RomanianLang")->isChecked());
        QVERIFY(form->workbench().names == NameSet::Romanian);
        QCOMPARE(text("New1"), u8("&Fisier Nou"));
        QCOMPARE(form->action("NewBtn")->toolTip(), u8("Nou"));

        form->action("RussianLang")->trigger();
        QVERIFY(form->action("RussianLang")->isChecked());
        QCOMPARE(text("File1"), u8("&Файл"));
        QCOMPARE(text("Edit1"), u8("Р&едактор"));
        QCOMPARE(text("Delete1"), u8("&Очистить Экран"));
        QCOMPARE(text("OptimMethods1"), u8("Оптим. Мето&д: Поиск 2"));
        QCOMPARE(text("RussianLang"), u8("Русский"));
        QCOMPARE(form->action("CopyBtn")->toolTip(), u8("Копировать в буфер (Ctrl+C)"));
        QCOMPARE(hint("Run2"), u8("Проверка ошибок и задание параметров (Ctrl+R)"));
        QCOMPARE(hint("N20"), u8("Редактор Схем (Ctrl+A)"));
        QVERIFY(form->workbench().names == NameSet::Russian);
        QVERIFY(ini().readBool("Language", "Rus", false));
        QVERIFY(!ini().readBool("Language", "Rom", true));

        // The value dialog made now shows the language's texts.
        std::vector<ValueRow> rows = {{"K", "1", false, true, true, {}}};
        {
            TGMenu21Form dialog("", rows, {}, *host, form.get());
            dialog.show();
            QCOMPARE(dialog.windowTitle(), u8("Введите значения параметров"));
            QCOMPARE(dialog.findChild<QLabel*>("LabelMark")->text(), u8("Маркер"));
        }

        // English after Russian gives the hints the Russian set gave in English.
        form->action("EnglishLang")->trigger();
        QCOMPARE(text("File1"), u8("&File"));
        QCOMPARE(text("Banck1"), u8("&Banck of Blocks"));
        QCOMPARE(form->action("ExitBtn")->toolTip(), u8("Exit"));
        QCOMPARE(hint("N20"), u8("Scheme Editor: selection with the mouse (Ctrl+A)"));
        QVERIFY(form->workbench().names == NameSet::Russian);

        // Romanian after English: the preview gets its Romanian caption.
        form->action("RomanianLang")->trigger();
        TPrePrnForm& preview = printPreviewForm();
        preview.show();
        QCOMPARE(preview.windowTitle(), u8("Previzualizare"));
        QCOMPARE(preview.findChild<QWidget*>("ZoomComboBox")->toolTip(), u8("Scara pagina"));
        preview.hide();
        {
            TGMenu21Form dialog("Function", rows, {}, *host, form.get());
            dialog.show();
            QCOMPARE(dialog.windowTitle(), u8("Function"));  // a caption of its own stays
            QCOMPARE(dialog.findChild<QLabel*>("LabelMark")->text(), u8("Flag"));
        }
        // A later activation re-reads the file: the choice stays.
        form->shellCommands().helpForm().showContents();
        QVERIFY(QTest::qWaitForWindowActive(&form->shellCommands().helpForm()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(text("Lang1"), u8("&Limba"));
        QVERIFY(form->action("RomanianLang")->isChecked());
    }

    void helpFollowsTheCursorTheBankAndTheLanguage() {
        open(places());
        form->action("EnglishLang")->trigger();
        form->workbench().scheme.PutCell(10, 10, 22);
        form->redrawAll();
        QTest::mouseClick(form->canvas().widget(), Qt::LeftButton, Qt::NoModifier, pixelOf(11, 11));
        QCOMPARE(form->shellCommands().helpContext(), 22);
        QTest::keyClick(form.get(), Qt::Key_F1);
        THelpForm& help = form->shellCommands().helpForm();
        QVERIFY(help.isVisible());
        QCOMPARE(help.shownTarget(), QString("blocks-linear.html#code-22"));
        QVERIFY(help.browser()->toPlainText().contains("Aperiodic link"));

        // An empty cell is the regime's topic: 6 in Edit, 13 in Run.
        QTest::mouseClick(form->canvas().widget(), Qt::LeftButton, Qt::NoModifier, pixelOf(40, 40));
        QCOMPARE(form->shellCommands().helpContext(), 6);
        form->action("Run2")->trigger();
        QCOMPARE(form->shellCommands().helpContext(), 13);
        form->action("Abouthelp1")->trigger();
        QCOMPARE(help.shownTarget(), QString("run.html"));
        form->action("Edit2")->trigger();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_Tab);  // the bank highlight decides
        QCOMPARE(form->regime(), QString("Bank"));
        QCOMPARE(form->shellCommands().helpContext(), 4);

        form->action("Contents1")->trigger();
        QCOMPARE(help.shownTarget(), QString("index.html"));
        QCOMPARE(help.contents()->topLevelItemCount(), 1);
        QCOMPARE(help.contents()->topLevelItem(0)->childCount(), 13);
        form->action("SearchforHelpOn1")->trigger();
        QCOMPARE(help.keywordEdit()->text(), QString());
        QTest::keyClicks(help.keywordEdit(), "hyster");
        QVERIFY(help.keywords()->count() >= 1);
        QCOMPARE(help.keywords()->currentItem()->text(), QString("hysteresis"));
        emit help.keywords()->itemActivated(help.keywords()->currentItem());
        QVERIFY(help.shownTarget().startsWith("blocks-nonlinear.html"));
        QTest::mouseClick(help.findChild<QWidget*>("BackBtn"), Qt::LeftButton);
        QCOMPARE(help.shownTarget(), QString("index.html"));

        form->action("RussianLang")->trigger();
        QCOMPARE(help.windowTitle(), u8("Справка VELMAR"));
        form->action("HowtoUseHelp1")->trigger();
        QVERIFY(help.folder().endsWith("/ru"));
        QVERIFY(help.browser()->toPlainText().contains(u8("Как пользоваться справкой")));
    }

    void aTestSchemeLoadsFromABlocksPopupWithItsDescription() {
        open(places());
        form->action("EnglishLang")->trigger();
        Scheme& s = form->workbench().scheme;
        s.PutCell(10, 10, 22);
        s.PutCell(30, 10, 33);  // a type without a test scheme
        form->action("Run2")->trigger();

        popupOn(31, 11);
        QVERIFY(!form->action("Description1")->isVisible());  // no test scheme is open
        form->action("Tests")->trigger();
        closePopup();
        QCOMPARE(QString::fromStdString(host->messagesOf(Box::Warning).back()), u8("File not found !"));

        popupOn(11, 11);
        QVERIFY(form->action("Tests")->isEnabled());
        host->reply = Reply::Yes;
        form->action("Tests")->trigger();
        closePopup();
        QVERIFY(said("status: Test scheme loaded."));
        QCOMPARE(form->windowTitle(), QString("VELMAR For Windows : Test scheme."));
        QCOMPARE(form->regime(), QString("Edit"));
        QVERIFY(form->isSaved());
        QVERIFY(s.ElementCount() >= 3);

        // The description, in Run, from a block of the test scheme.
        form->action("Run2")->trigger();
        const Cell block = [&] {
            for (int c = 1; c < 88; ++c)
                for (int r = 1; r < 88; ++r)
                    if (s.cell(c, r) == 22) return Cell{c, r};
            return Cell{0, 0};
        }();
        popupOn(block.col, block.row);
        QVERIFY(form->action("Description1")->isVisible());
        form->action("Description1")->trigger();
        closePopup();
        THintForm& window = form->shellCommands().hintForm();
        QVERIFY(window.isVisible());
        QCOMPARE(window.size(), QSize(600, 400));
        const IniFile descriptions = IniFile::load(VELMAR_DATA_DIR "/Tests/Descript.dts");
        const QString heading = QString::fromStdString(descriptions.readString("aperiodic.sht", "TF1", ""));
        QVERIFY(window.label()->text().startsWith(heading + "\n"));  // not run into the text
        QCOMPARE(window.label()->width(), 550);
        QCOMPARE(window.panel()->height(), 145);
        window.resize(800, 400);
        QCOMPARE(window.label()->width(), 750);

        // Romanian: the other description file.
        form->action("RomanianLang")->trigger();
        form->shellCommands().describeTestScheme();
        const IniFile romanian = IniFile::load(VELMAR_DATA_DIR "/Tests/Descriere.dts");
        QVERIFY(window.label()->text().startsWith(
            QString::fromStdString(romanian.readString("aperiodic.sht", "TF1", "")) + "\n"));

        // A test scheme is saved only under another name (said in Romanian now).
        form->saveScheme();
        QVERIFY(host->messagesOf(Box::Warning).back().find("Aceasta este o schema de test") == 0);
    }

    void theUserFunctionsTestSchemeLoadsThoughItHasNoExtension() {
        open(places());
        form->workbench().scheme.PutCell(10, 10, 144);
        form->action("Run2")->trigger();
        popupOn(11, 11);
        QVERIFY(form->action("Tests")->isEnabled());
        host->reply = Reply::Yes;
        form->action("Tests")->trigger();
        closePopup();
        QVERIFY(form->fileName().endsWith("Functia polizovatelea"));
        QVERIFY(said("status: Schema de test incarcata."));  // the Romanian of the start
        form->saveScheme();                                  // never written over
        QVERIFY(host->messagesOf(Box::Warning).back().find("Aceasta este o schema de test") == 0);
    }

    // With real message boxes: the save question offers Cancel, and Esc keeps the scheme.
    void escInTheSaveQuestionKeepsTheScheme() {
        TFormMain real;
        real.show();
        real.workbench().scheme.PutCell(10, 10, 22);
        QStringList buttons;
        const auto pressEsc = [&] {
            QTimer::singleShot(50, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                buttons.clear();
                for (QAbstractButton* b : box->buttons())
                    if (box->standardButton(b) == QMessageBox::Cancel) buttons << "Cancel";
                QTest::keyClick(box, Qt::Key_Escape);
            });
        };
        pressEsc();
        real.newScheme();
        QVERIFY(buttons.contains("Cancel"));
        QCOMPARE(real.workbench().scheme.ElementCount(), 1);
        pressEsc();
        real.openScheme();
        QCOMPARE(real.workbench().scheme.ElementCount(), 1);
        QCOMPARE(real.regime(), QString("Edit"));
        real.workbench().scheme.NewScheme();  // nothing to ask about at close
    }

    void theCalculatorIsLookedForOnThePath() {
        open(places());
        const QByteArray saved = qgetenv("PATH");
        qputenv("PATH", path("bin").toUtf8());
        form->shellCommands().startCalculator();
        // Said in a box, in the language of the start (Romanian), with the programs looked for.
        const std::string box = host->messagesOf(Box::Warning).back();
        QVERIFY2(box.find("Calculatorul nu a fost gasit!") == 0 &&
                     box.find("gnome-calculator") != std::string::npos,
                 box.c_str());
        qputenv("PATH", saved);
    }

    // The language chosen speaks from the start, not only after the window's first
    // activation (which never comes without a window manager): the speed buttons and
    // the menu items the resources give in Russian included.
    void theWindowStartsInTheLanguageChosen() {
        QVERIFY(QDir().mkpath(path("bin")));
        std::ofstream(path("bin/VELMAR.INI").toStdString()) << "[Language]\nEng=1\nRus=0\nRom=0\n";
        const ShellPlaces p = places();
        host = std::make_unique<ScriptedHost>();
        form = std::make_unique<TFormMain>(host.get(), nullptr, &p);
        QVERIFY(form->action("EnglishLang")->isChecked());
        QCOMPARE(text("SpeedButton1"), u8("Parameters"));
        QCOMPARE(text("N20"), u8("Scheme &Editor"));
        QCOMPARE(form->action("UndoBtn")->toolTip(), u8("Undo the last change"));
    }

    void exitRemovesTheTemporaryFilesAndKeepsTheLanguage() {
        QVERIFY(QDir().mkpath(path("tmp")));
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", path("tmp").toUtf8());
        for (const char* name : {"~VelTmp3.tmp", "~VelTmpC.tmp", "other.tmp"})
            std::ofstream(path(QString("tmp/") + name).toStdString()) << "x";
        open(places());
        form->action("RussianLang")->trigger();
        QVERIFY(form->close());
        qputenv("TMPDIR", saved);
        QVERIFY(!QFileInfo::exists(path("tmp/~VelTmp3.tmp")));
        QVERIFY(!QFileInfo::exists(path("tmp/~VelTmpC.tmp")));
        QVERIFY(QFileInfo::exists(path("tmp/other.tmp")));
        QVERIFY(IniFile::load(path("bin/VELMAR.INI").toStdString()).readBool("Language", "Rus", false));
    }
};

namespace {

// The window with its open menus painted over it.
QImage withMenus(TFormMain& form, std::initializer_list<QMenu*> menus) {
    QTest::qWait(100);
    QImage shot = form.grab().toImage();
    QPainter p(&shot);
    for (QMenu* m : menus) {
        p.drawPixmap(form.mapFromGlobal(m->geometry().topLeft()), m->grab());
        m->hide();
    }
    p.end();
    return shot;
}

// `--screenshots DIR`: the main window with the demo scheme in the three languages (the
// Options menu with its language submenu, and the Tools menu), the help window and a
// test scheme's description.
int takeScreenshots(const QString& out) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("bin"));
    const ShellPlaces places{dir.filePath("bin").toStdString(), true, dir.filePath("config").toStdString(),
                             dir.filePath("data").toStdString(), VELMAR_DATA_DIR};
    ScriptedHost host;
    host.reply = Reply::Yes;
    TFormMain form(&host, nullptr, &places);
    form.resize(1280, 720);
    form.show();
    form.openAtStart(QStringLiteral(VELMAR_DATA_DIR "/Schemes/demo.shm"));
    const struct {
        const char* item;
        const char* file;
        const char* tools;
    } languages[] = {{"EnglishLang", "main_english.png", "tools_english.png"},
                     {"RussianLang", "main_russian.png", "tools_russian.png"},
                     {"RomanianLang", "main_romanian.png", "tools_romanian.png"}};
    QMenuBar* bar = form.menuBar();
    for (const auto& l : languages) {
        form.action(l.item)->trigger();
        form.redrawAll();
        // The Options menu open, with the language submenu beside it.
        QMenu* options = form.findChild<QMenu*>("Options1Menu");
        QMenu* languages = form.findChild<QMenu*>("Lang1Menu");
        options->popup(bar->mapToGlobal(bar->actionGeometry(options->menuAction()).bottomLeft()));
        languages->popup(options->geometry().topRight() +
                         QPoint(0, options->actionGeometry(form.action("Lang1")).top()));
        withMenus(form, {options, languages}).save(out + "/" + l.file);
        QMenu* tools = form.findChild<QMenu*>("Tools1Menu");
        tools->popup(bar->mapToGlobal(bar->actionGeometry(tools->menuAction()).bottomLeft()));
        withMenus(form, {tools}).save(out + "/" + l.tools);
    }
    form.action("EnglishLang")->trigger();
    form.workbench().scheme.PutCell(40, 5, 67);
    form.shellCommands().helpForm().showTopic(velmar::blockTopic(67));
    form.shellCommands().helpForm().resize(960, 600);
    QTest::qWait(100);
    form.shellCommands().helpForm().grab().save(out + "/help_window.png");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = args.indexOf("--screenshots");
    if (at > 0 && at + 1 < args.size()) return takeScreenshots(args.at(at + 1));
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "shell_test.moc"
