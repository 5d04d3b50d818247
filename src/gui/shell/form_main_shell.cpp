// The shell of the main window: the configuration file and the working folders, the
// Path dialog, the interface languages, the recovery copies and the clean-up at exit.
#include <QDir>
#include <filesystem>

#include "core/errors.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/shell/help_form.h"
#include "gui/shell/path_form.h"
#include "gui/shell/recovery_keeper.h"
#include "gui/shell/shell_state.h"
#include "gui/viewer_dialogs.h"

namespace velmar::gui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

constexpr std::pair<Language, const char*> kLanguageItems[] = {{Language::English, "EnglishLang"},
                                                               {Language::Russian, "RussianLang"},
                                                               {Language::Romanian, "RomanianLang"}};

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
        recovery_->start(places->userStateFolder);
    }
    viewerDialogs().pointsFolder = qs(s.folders.points);
    s.localiser = std::make_unique<WindowLocaliser>(s.texts, nullptr);
    // The configured language speaks from the start: without a window manager the
    // window may never be activated.
    languageOnActivation();
}

void TFormMain::editPaths() {
    if (busy_) return;
    TPathForm dialog(shell_->folders, shell_->paths.defaults, this);
    if (runModal(dialog) != QDialog::Accepted) return;
    shell_->folders = dialog.folders();
    // The scheme dialogs start in the new folder, made at once.
    shell_->schemeDialogFolder = qs(shell_->folders.schemes);
    QDir().mkpath(shell_->schemeDialogFolder);
    viewerDialogs().pointsFolder = qs(shell_->folders.points);
    if (shell_->config) {
        try {
            shell_->config->writeFolders(shell_->folders);
        } catch (const FileError& e) { host_.message(Box::Error, std::string(e.what()) + ", try again."); }
    }
}

std::string TFormMain::say(std::string_view text) const { return shell_->texts.say(text); }

void TFormMain::applyLanguage(Language language) {
    ShellState& s = *shell_;
    applyEverywhere(this, s.texts, s.texts.apply(language));
    syncRunMenu();  // the Step submenu names the step chosen
    showRegime();
    if (discrip_) discrip_->showTitles();
    for (const auto& [item, name] : kLanguageItems)
        if (item == language) action(name)->setChecked(true);
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

void TFormMain::languageOnActivation() {
    if (!shell_ || !shell_->config || busy_) return;
    try {
        for (const Language language : shell_->config->languagesToApply()) applyLanguage(language);
    } catch (const FileError& e) { statusMessage(QString::fromStdString(e.what())); }
}

// The snapshot and clipboard files go where they are, unless another workbench still
// uses them; a window made without the program's surroundings (a test's) leaves the
// shared temporary folder alone. The undo store's own folder, where there is one, is
// removed with the store. A normal end leaves nothing to recover.
void TFormMain::cleanUpAtExit() {
    if (!shell_->config) return;
    recovery_->stop();
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
