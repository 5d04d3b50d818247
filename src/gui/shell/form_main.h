// The main window `FormMain`: the drawing area in its scroll box, the menu, the speed
// bar, the Bank of Blocks panel and the status line. It owns the workbench (scheme,
// compiled form, run settings) and the editor state, and turns menu commands, speed
// buttons, keys and the mouse into the regime processors' work. The regime machine
// decides the regime switches and the file session the file commands; the window
// carries out what they ask for on its widgets.
//
// Every menu item and speed button is a QAction whose objectName is its component
// name; the handlers say what they do and are connected from tables of member
// functions (main_actions.cpp). The mouse editor's commands and the shell's (help,
// block popup, calculator) are carried out by objects of their own.
#pragma once

#include <QAction>
#include <QHash>
#include <QMainWindow>
#include <QScrollArea>
#include <functional>
#include <memory>

#include "core/editor/edit_processor.h"
#include "core/editor/editor_state.h"
#include "core/editor/file_session.h"
#include "core/editor/mouse_editor.h"
#include "core/editor/regime_machine.h"
#include "core/editor/undo_history.h"
#include "core/shell/configuration.h"
#include "core/workbench/workbench.h"
#include "gui/editor/bank_panel.h"
#include "gui/editor/scheme_canvas.h"
#include "gui/shell/scheme_file_dialog.h"
#include "gui/shell/status_line.h"
#include "gui/shell/window_host.h"

class QDialog;

namespace velmar::gui {

class MouseEditorWindow;
class RecoveryKeeper;
class ShellCommands;
class TDiscrip;
class TGridForm;
class WindowInput;
class WindowOptions;
struct ShellState;

using editor::FileDialogKind;

class TFormMain : public QMainWindow, private editor::FileSessionView {
    Q_OBJECT
public:
    // `dialogs` answers the value dialogs, message boxes and questions instead of real
    // windows (tests pass a scripted host); null shows real dialogs. `places` are the
    // program's surroundings, where the configuration file "VELMAR.INI" is read and
    // written; without them no configuration file is used and the window keeps its
    // own texts.
    explicit TFormMain(Host* dialogs = nullptr, QWidget* parent = nullptr,
                       const ShellPlaces* places = nullptr);
    ~TFormMain() override;

    Workbench& workbench() { return wb_; }
    editor::EditorState& editorState() { return state_; }
    SchemeCanvas& canvas() { return *canvas_; }
    BankPanel& bank() { return *bank_; }
    TDiscrip& discrip() { return *discrip_; }
    StatusLine& statusLine() { return *status_; }
    QAction* action(const QString& name) const { return actions_.value(name); }
    const QHash<QString, QAction*>& actions() const { return actions_; }
    QString regime() const {
        const std::string_view name = editor::regimeName(state_.regime);
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    QString countText() const { return status_->countText(); }
    QString infoText() const { return status_->infoText(); }
    QString fileName() const { return QString::fromStdString(files_.fileName()); }
    // True while the scheme equals what was last opened, saved or created.
    bool isSaved() const { return files_.isSaved(); }
    editor::FileSession& files() { return files_; }
    editor::UndoHistory& history() { return history_; }
    editor::MouseEditor& mouseEditor() { return mouse_; }
    MouseEditorWindow& mouseEditorWindow() { return *mouseWindow_; }
    ShellCommands& shellCommands() { return *commands_; }

    // The file dialogs; tests replace this to choose files without a person.
    FileChooser chooseFile;
    // Set while the parameter grid is being filled: Enter then opens no parameter dialog.
    bool gridFilling = false;
    // Runs a modal dialog of the shell (the Path dialog); tests replace it.
    std::function<int(QDialog&)> runModal;

    // The shell: configuration, working folders, language, help, test schemes.
    const ShellState& shell() const { return *shell_; }
    // Puts a language's texts on the windows, as its menu item does, without writing it.
    void applyLanguage(Language language);

    // Opens a scheme at start-up (the command line).
    void openAtStart(const QString& path) { files_.openAtStart(path.toStdString()); }
    // A message in the interface language (the translation table's messages).
    std::string say(std::string_view text) const;
    // The recovery copies of an unsaved scheme, and those of workbenches that did not close.
    RecoveryKeeper& recovery() { return *recovery_; }
    // The status message: stays about two seconds.
    void statusMessage(const QString& text) { status_->message(text); }
    // The key queue polled by long computations.
    int takeKey();
    bool keyQueued() const { return keyQueue_ != 0; }
    // A command is in progress; work started outside the menus (the live parameter
    // panel) marks itself the same way.
    bool busy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }
    // A change of the scheme made beside the window's own commands (the parameter grid,
    // the live panel) becomes one undo step; `before` is the scheme as it was.
    void recordChange(const editor::UndoHistory::State& before);

    // The handlers of the menus, speed buttons and keys. File:
    void newScheme();
    void openScheme();
    void saveScheme();
    void saveSchemeAs();
    void exitProgram() { close(); }
    void previewPrint();
    void setUpPrinter();
    void printScheme();
    // Edit: the regimes, the mouse editor, the marked block.
    void editScheme();
    void toggleBankPanel();
    void pressBankButton();
    void switchMouseEditorItem();
    void switchMouseEditor();
    void markBegin();
    void markEnd();
    void copyBlock();
    void moveBlock();
    void deleteBlock();
    void zoom();
    void readBlock();
    void writeBlock();
    void clearScreen();
    void undo() { stepHistory(false); }
    void redo() { stepHistory(true); }
    // Run: the regime, the simulation, the parameters, the analyses and their settings.
    void runScheme();
    void solve();
    // The speed button enters "Run" first when needed.
    void solveFromButton();
    void changeParameters();
    void runAnalysis(int code);
    void chooseConstantStep();
    void chooseVariableStep();
    void chooseOptimMethod(int method);
    void openParameterGrid();
    // Tools and options; the switches are the window options'.
    void editCaptions();
    void editPaths();
    void chooseEnglish() { chooseLanguage(Language::English); }
    void chooseRussian() { chooseLanguage(Language::Russian); }
    void chooseRomanian() { chooseLanguage(Language::Romanian); }
    // Keys: a key of the hidden key menu, with the shift flag of its row; Enter; Tab.
    void typeKey(int key, bool shift);
    void pressEnter();
    void pressTab();

    // Redraws the canvas and, in "Edit" and "Run", the cursor on it.
    void redrawAll();
    // The parameter grid window, made on first use.
    TGridForm& gridForm();
    // The undo snapshot before a change known in advance, and the Undo and Redo buttons.
    void takeSnapshot() override;
    void refreshUndoButtons();
    // The mouse and the form's keys reach these through the window input.
    void moveCursorTo(Cell cell);
    // Takes a block from the bank: the cursor carries it.
    void chooseHeld(std::uint8_t code);
    // Runs a command, showing a floating-point fault in the error box.
    void guarded(const std::function<void()>& command);
    editor::EditProcessor& editProcessor() { return edit_; }
    QScrollArea& scrollBox() { return *scrollBox_; }
    WindowInput& input() { return *input_; }
    WindowOptions& options() { return *options_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Regimes, in form_main_regimes.cpp.
    void switchRegime(editor::RegimeEvent event);
    void applyActions(editor::RegimeSwitch s);
    // The regime's name in the status line, in the interface language.
    void showRegime();
    void flipBank();
    void highlightBank();
    void bankKey(int key);
    void handOver(int key);
    void editCommand(int code);

    // The window's part of the file commands, in form_main_files.cpp.
    std::string pickFile(FileDialogKind kind, const std::string& suggested) override;
    void leaveAdvRed() override;
    void enterFile() override;
    void schemeReplaced() override;
    bool showBackground(const std::string& path) override;
    void redraw() override { canvas_->redraw(); }
    void enterEdit() override { editScheme(); }
    void showTitle(const std::string& title) override { setWindowTitle(QString::fromStdString(title)); }

    // Undo and redo, in form_main_files.cpp.
    void stepHistory(bool forward);

    // The shell, in form_main_shell.cpp.
    void startShell(const ShellPlaces* places);
    void chooseLanguage(Language language);
    void languageOnActivation();
    void cleanUpAtExit();

    // Running, in form_main_run.cpp.
    void runCommand(int code);
    // The Step submenu and the optimisation method items show the workbench's settings,
    // which a command may have changed (the optimisation selects the constant step).
    void syncRunMenu();
    // Runs a key's or a command's edit, guarded; a change it made becomes an undo step.
    void recordedEdit(const std::function<void()>& edit);

    std::unique_ptr<ShellState> shell_;
    std::unique_ptr<Host> ownDialogs_;
    WindowHost host_;
    Workbench wb_;
    editor::EditorState state_;
    std::unique_ptr<SchemeCanvas> canvas_;
    editor::EditProcessor edit_;
    editor::RunProcessor run_;
    editor::RegimeMachine regimes_;
    editor::FileSession files_;
    std::unique_ptr<editor::SnapshotFolder> snapshotFolder_;  // null when none could be made
    editor::UndoHistory history_;
    MouseEditorWindow* mouseWindow_;
    editor::MouseEditor mouse_;
    ShellCommands* commands_ = nullptr;
    RecoveryKeeper* recovery_ = nullptr;
    WindowInput* input_ = nullptr;
    WindowOptions* options_ = nullptr;

    QScrollArea* scrollBox_ = nullptr;
    BankPanel* bank_ = nullptr;
    TDiscrip* discrip_ = nullptr;
    TGridForm* gridForm_ = nullptr;  // the parameter grid, made when first opened
    QToolBar* speedBar_ = nullptr;
    StatusLine* status_ = nullptr;
    QHash<QString, QAction*> actions_;

    int keyQueue_ = 0;
    bool busy_ = false;  // a run or an analysis is in progress
};

}  // namespace velmar::gui
