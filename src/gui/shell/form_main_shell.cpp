// The shell of the main window: the configuration file and the working folders, the
// Path dialog, the interface languages, the help, the block popup's test schemes and
// descriptions, the calculator, the about box and the clean-up at exit.
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>

#include "core/editor/bank_navigation.h"
#include "core/errors.h"
#include "core/shell/help_topics.h"
#include "core/shell/test_schemes.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/shell/help_form.h"
#include "gui/shell/hint_form.h"
#include "gui/shell/path_form.h"
#include "gui/shell/shell_state.h"
#include "gui/viewer_dialogs.h"

namespace velmar::gui {

using namespace velmar::editor;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const char* languageItem(Language language) {
    switch (language) {
        case Language::English: return "EnglishLang";
        case Language::Russian: return "RussianLang";
        case Language::Romanian: return "RomanianLang";
    }
    return "EnglishLang";
}

// The desktop calculators, the first found is started.
constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc",         "galculator",
                                        "mate-calc",        "qalculate-gtk", "xcalc"};

}  // namespace

void TFormMain::startShell(const ShellPlaces* places) {
    ShellState& s = *shell_;
    s.paths = resolveShellPaths(places ? *places : programPlaces());
    s.folders = s.paths.defaults;
    runModal = [](QDialog& dialog) { return dialog.exec(); };
    if (places) {
        if (s.paths.configPlace == ConfigPlace::UserConfig)
            QDir().mkpath(QString::fromStdString(s.paths.configFile.parent_path().string()));
        s.config.emplace(s.paths.configFile, s.paths.defaults);
        try {
            s.config->readFolders();
        } catch (const FileError& e) {
            host_.message(Box::Error, std::string(e.what()) + ": " + s.paths.configFile.string());
        }
        s.folders = s.config->folders();
        startRecovery(*places);
    }
    viewerDialogs().pointsFolder = qs(s.folders.points);
    s.localiser = std::make_unique<WindowLocaliser>(s.texts, nullptr);
}

QString TFormMain::schemesFolder() const {
    const QString folder = qs(shell_->folders.schemes);
    QDir().mkpath(folder);
    return folder;
}

void TFormMain::Path1Click() {
    if (busy_) return;
    TPathForm dialog(shell_->folders, shell_->paths.defaults, this);
    if (runModal(dialog) != QDialog::Accepted) return;
    shell_->folders = dialog.folders();
    // The scheme dialogs start in the new folder, made at once.
    shell_->schemeDialogFolder = schemesFolder();
    viewerDialogs().pointsFolder = qs(shell_->folders.points);
    if (shell_->config) {
        try {
            shell_->config->writeFolders(shell_->folders);
        } catch (const FileError& e) { host_.message(Box::Error, std::string(e.what()) + ", try again."); }
    }
}

// Languages

std::string TFormMain::say(std::string_view text) const { return shell_->texts.say(text); }

void TFormMain::applyLanguage(Language language) {
    ShellState& s = *shell_;
    applyEverywhere(this, s.texts, s.texts.apply(language));
    syncRunMenu();  // the Step submenu names the step chosen
    showRegime();
    if (discrip_) discrip_->showTitles();
    action(languageItem(language))->setChecked(true);
    wb_.names = s.texts.blockNames();
    if (s.help) s.help->setFolder(qs((s.paths.helpFolder / s.texts.helpFolder()).string()));
}

// The choice is written at once: every activation of the window applies the file's.
void TFormMain::chooseLanguage(Language language) {
    applyLanguage(language);
    if (!shell_->config) return;
    try {
        shell_->config->writeLanguage(language);
    } catch (const FileError& e) { host_.message(Box::Error, std::string(e.what()) + ", try again."); }
}

void TFormMain::EnglishLangClick() { chooseLanguage(Language::English); }
void TFormMain::RussianLangClick() { chooseLanguage(Language::Russian); }
void TFormMain::RomanianLangClick() { chooseLanguage(Language::Romanian); }

void TFormMain::languageOnActivation() {
    if (!shell_ || !shell_->config || busy_) return;
    try {
        for (const Language language : shell_->config->languagesToApply()) applyLanguage(language);
    } catch (const FileError& e) { statusMessage(QString::fromStdString(e.what())); }
}

// Help

THelpForm& TFormMain::helpForm() {
    ShellState& s = *shell_;
    if (!s.help) {
        s.help = new THelpForm(this);
        s.help->setFolder(qs((s.paths.helpFolder / s.texts.helpFolder()).string()));
    }
    return *s.help;
}

int TFormMain::helpContext() const {
    if (state_.regime == Regime::Bank) {
        const BankHighlight& h = state_.bank;
        return velmar::helpContext(h.bigLevel ? bigPaletteCode(h.big) : smallPaletteCode(h.small),
                                   HelpRegime::Other);
    }
    const HelpRegime regime = state_.regime == Regime::Edit  ? HelpRegime::Edit
                              : state_.regime == Regime::Run ? HelpRegime::Run
                                                             : HelpRegime::Other;
    return velmar::helpContext(wb_.scheme.cell(state_.cursor.col, state_.cursor.row), regime);
}

void TFormMain::showHelp(int topic) { helpForm().showTopic(topic); }
void TFormMain::Contents1Click() { helpForm().showContents(); }
void TFormMain::SearchforHelpOn1Click() { helpForm().showIndex(QString()); }
void TFormMain::HowtoUseHelp1Click() { helpForm().showHelpOnHelp(); }
void TFormMain::HelpContext1Click() { showHelp(helpContext()); }
void TFormMain::Abouthelp1Click() { showHelp(state_.regime == Regime::Run ? kTopicRun : kTopicEdit); }
void TFormMain::Help_blClick() { showHelp(blockTopic(shell_->popupCode)); }

// The block popup

void TFormMain::showBlockPopup(int code, QPoint globalAt) {
    shell_->popupCode = code;
    action("Help_bl")->setText(QString::fromStdString(blockName(code, wb_.names)));
    action("Tests")->setEnabled(offersTestScheme(code));
    // The canvas offers it in Run only; the bank never.
    const bool describe = state_.regime == Regime::Run && files_.isTestScheme();
    action("Description1")->setVisible(describe);
    action("DescriptionSeparator")->setVisible(describe);
    action("Description1")->setEnabled(!shell_->descriptionOff);
    popupMenuHelp_->popup(globalAt);
}

void TFormMain::TestsClick() {
    if (busy_) return;
    const TestScheme* test = testSchemeFor(shell_->popupCode);
    const QString path = test ? QDir(qs(shell_->folders.tests)).filePath(qs(test->file)) : QString();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        host_.message(Box::Warning, "Файл не найден !");
        return;
    }
    if (files_.loadTestScheme(path.toStdString())) shell_->testFile = test->file;
}

void TFormMain::Description1Click() {
    THintForm& window = hintForm();
    window.showEmpty();
    // The test asked for in this run, or the test scheme opened as a file.
    std::string section = shell_->testFile;
    if (section.empty() && files_.isTestScheme()) section = QFileInfo(fileName()).fileName().toStdString();
    if (section.empty()) return;
    const NameSet names = shell_->texts.blockNames();
    const std::filesystem::path file = std::filesystem::path(shell_->folders.tests) / descriptionFile(names);
    if (!QFileInfo(qs(file.string())).isFile()) {
        host_.message(Box::Warning, descriptionMissingText(names));
        return;
    }
    try {
        window.describe(describeTest(IniFile::load(file), section));
    } catch (const FileError& e) { host_.message(Box::Error, e.what()); }
}

THintForm& TFormMain::hintForm() {
    if (!shell_->hint) shell_->hint = new THintForm(this);
    return *shell_->hint;
}

void TFormMain::testBlockChosen() {
    if (files_.isTestScheme()) shell_->testBlockChosen = true;
}

void TFormMain::testSchemeEdited() {
    if (shell_->testBlockChosen) shell_->descriptionOff = true;
}

void TFormMain::clearTestFlags() {
    shell_->testBlockChosen = false;
    shell_->descriptionOff = false;
}

// Tools and exit

// A missing calculator is said in a box, naming the programs looked for: a status
// message would be gone before anyone read it.
void TFormMain::Calcul1Click() {
    QStringList tried;
    for (const char* program : kCalculators) {
        tried << program;
        const QString found = QStandardPaths::findExecutable(program);
        if (found.isEmpty()) continue;
        if (!QProcess::startDetached(found, {}))
            host_.message(Box::Error,
                          "Unknown error! No calculator! " + found.toStdString() + " did not start.");
        return;
    }
    host_.message(Box::Warning, "Calculator not found! Looked for: " + tried.join(", ").toStdString() + ".");
}

void TFormMain::About1Click() {
    const ShellState& s = *shell_;
    QString where = "No configuration file is used.";
    if (s.config)
        where = QString("Configuration: %1 (%2).")
                    .arg(qs(s.paths.configFile.string()),
                         s.paths.configPlace == ConfigPlace::BesideProgram
                             ? "beside the program"
                             : "in your configuration folder, the program's folder is not writable");
    QMessageBox::about(this, "About",
                       "VELMAR for Windows\n\nA workbench for the study of automatic control systems.\n\n" +
                           where + "\nTest schemes: " + qs(s.folders.tests) +
                           "\nHelp: " + qs(s.paths.helpFolder.string()));
}

// The snapshot and clipboard files go where they are, unless another workbench still
// uses them; a window made without the program's surroundings (a test's) leaves the
// shared temporary folder alone. The undo store's own folder, where there is one, is
// removed with the store. A normal end leaves nothing to recover.
void TFormMain::cleanUpAtExit() {
    if (!shell_->config) return;
    if (recoveryTimer_) recoveryTimer_->stop();
    shell_->recovery.reset();
    const bool configured = shell_->config->exists();
    if (configured) {
        try {
            shell_->config->writeLanguage(shell_->texts.language());
        } catch (const FileError&) {
            // The language is written when it is chosen; a file that went read-only
            // since keeps that choice.
        }
    }
    std::error_code ec;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(ec);
    if (ec) return;
    const bool othersMayRun = !shell_->presence || shell_->presence->othersRun();
    for (const std::filesystem::path& file : temporaryFilesAtExit(temporary, configured, othersMayRun))
        std::filesystem::remove(file, ec);
    shell_->presence.reset();
}

}  // namespace velmar::gui
