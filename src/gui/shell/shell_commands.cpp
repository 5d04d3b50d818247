#include "gui/shell/shell_commands.h"

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
#include "core/shell/shell_texts.h"
#include "core/shell/test_schemes.h"
#include "gui/shell/action_handlers.h"
#include "gui/shell/form_main.h"
#include "gui/shell/help_form.h"
#include "gui/shell/hint_form.h"
#include "gui/shell/shell_state.h"

namespace velmar::gui {

using namespace velmar::editor;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// clang-format off
constexpr ActionHandler<ShellCommands> kHandlers[] = {
    {"Contents1", &ShellCommands::showContents}, {"SearchforHelpOn1", &ShellCommands::showIndex},
    {"HowtoUseHelp1", &ShellCommands::showHelpOnHelp}, {"HelpContext1", &ShellCommands::showContextHelp},
    {"About1", &ShellCommands::showAbout}, {"Calcul1", &ShellCommands::startCalculator},
    {"Help_bl", &ShellCommands::showBlockHelp}, {"Tests", &ShellCommands::loadTestScheme},
    {"Description1", &ShellCommands::describeTestScheme}, {"Abouthelp1", &ShellCommands::showRegimeHelp},
};
// clang-format on

}  // namespace

ShellCommands::ShellCommands(TFormMain& form, ShellState& shell, Host& host)
    : QObject(&form), form_(form), shell_(shell), host_(host) {}

void ShellCommands::connectActions(QMenu* blockPopup) {
    blockPopup_ = blockPopup;
    connectHandlers(form_.actions(), *this, kHandlers);
}

THelpForm& ShellCommands::helpForm() {
    if (!shell_.help) {
        shell_.help = new THelpForm(&form_);
        shell_.help->setFolder(qs((shell_.paths.helpFolder / shell_.texts.helpFolder()).string()));
    }
    return *shell_.help;
}

THintForm& ShellCommands::hintForm() {
    if (!shell_.hint) shell_.hint = new THintForm(&form_);
    return *shell_.hint;
}

int ShellCommands::helpContext() const {
    const EditorState& state = form_.editorState();
    if (state.regime == Regime::Bank) {
        const BankHighlight& h = state.bank;
        return velmar::helpContext(h.bigLevel ? bigPaletteCode(h.big) : smallPaletteCode(h.small),
                                   HelpRegime::Other);
    }
    const HelpRegime regime = state.regime == Regime::Edit  ? HelpRegime::Edit
                              : state.regime == Regime::Run ? HelpRegime::Run
                                                            : HelpRegime::Other;
    return velmar::helpContext(form_.workbench().scheme.cell(state.cursor.col, state.cursor.row), regime);
}

void ShellCommands::showHelp(int topic) { helpForm().showTopic(topic); }
void ShellCommands::showContents() { helpForm().showContents(); }
void ShellCommands::showIndex() { helpForm().showIndex(QString()); }
void ShellCommands::showHelpOnHelp() { helpForm().showHelpOnHelp(); }
void ShellCommands::showContextHelp() { showHelp(helpContext()); }
void ShellCommands::showRegimeHelp() {
    showHelp(form_.editorState().regime == Regime::Run ? kTopicRun : kTopicEdit);
}
void ShellCommands::showBlockHelp() { showHelp(blockTopic(shell_.popupCode)); }

void ShellCommands::showBlockPopup(int code, QPoint globalAt) {
    shell_.popupCode = code;
    form_.action("Help_bl")->setText(QString::fromStdString(blockName(code, form_.workbench().names)));
    form_.action("Tests")->setEnabled(offersTestScheme(code));
    // The canvas offers it in Run only; the bank never.
    const bool describe = form_.editorState().regime == Regime::Run && form_.files().isTestScheme();
    form_.action("Description1")->setVisible(describe);
    form_.action("DescriptionSeparator")->setVisible(describe);
    form_.action("Description1")->setEnabled(!shell_.descriptionOff);
    blockPopup_->popup(globalAt);
}

void ShellCommands::loadTestScheme() {
    if (form_.busy()) return;
    const TestScheme* test = testSchemeFor(shell_.popupCode);
    const QString path = test ? QDir(qs(shell_.folders.tests)).filePath(qs(test->file)) : QString();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        host_.message(Box::Warning, "Файл не найден !");
        return;
    }
    if (form_.files().loadTestScheme(path.toStdString())) shell_.testFile = test->file;
}

void ShellCommands::describeTestScheme() {
    THintForm& window = hintForm();
    window.showEmpty();
    // The test asked for in this run, or the test scheme opened as a file.
    std::string section = shell_.testFile;
    if (section.empty() && form_.files().isTestScheme())
        section = QFileInfo(form_.fileName()).fileName().toStdString();
    if (section.empty()) return;
    const NameSet names = shell_.texts.blockNames();
    const std::filesystem::path file = std::filesystem::path(shell_.folders.tests) / descriptionFile(names);
    if (!QFileInfo(qs(file.string())).isFile()) {
        host_.message(Box::Warning, descriptionMissingText(names));
        return;
    }
    try {
        window.describe(describeTest(IniFile::load(file), section));
    } catch (const FileError& e) { host_.message(Box::Error, e.what()); }
}

void ShellCommands::testBlockChosen() {
    if (form_.files().isTestScheme()) shell_.testBlockChosen = true;
}

void ShellCommands::testSchemeEdited() {
    if (shell_.testBlockChosen) shell_.descriptionOff = true;
}

void ShellCommands::clearTestFlags() {
    shell_.testBlockChosen = false;
    shell_.descriptionOff = false;
}

void ShellCommands::startCalculator() {
    QStringList tried;
    for (const char* program : kCalculators) {
        tried << program;
        const QString found = QStandardPaths::findExecutable(program);
        if (found.isEmpty()) continue;
        if (!QProcess::startDetached(found, {}))
            host_.message(Box::Error, calculatorFailedText(found.toStdString()));
        return;
    }
    host_.message(Box::Warning, calculatorMissingText(tried.join(", ").toStdString()));
}

void ShellCommands::showAbout() {
    QMessageBox::about(&form_, "About",
                       qs(aboutText(shell_.paths, shell_.config.has_value(), shell_.folders)));
}

}  // namespace velmar::gui
