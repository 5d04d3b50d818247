// The main window `FormMain`: the drawing area in its scroll box, the menu, the speed
// bar, the Bank of Blocks panel and the status line. It owns the workbench (scheme,
// compiled form, run settings) and the editor state, and turns menu commands, speed
// buttons, keys and the mouse into the regime processors' work. The regime machine
// decides the regime switches and the file session the file commands; the window
// carries out what they ask for on its widgets.
//
// The handlers keep the names of the components and events they serve (`Run2Click`,
// `ImageMainMouseDown`); every menu item and speed button is a QAction whose
// objectName is its component name.
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
#include "gui/shell/status_line.h"
#include "gui/shell/window_host.h"

class QDialog;
class QTimer;

namespace velmar::gui {

class TDiscrip;
class TGridForm;
class THelpForm;
class THintForm;
struct ShellState;

using editor::FileDialogKind;

class TFormMain : public QMainWindow, private editor::FileSessionView, private editor::MouseEditorView {
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
    QString regime() const {
        const std::string_view name = editor::regimeName(state_.regime);
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    QString countText() const { return status_->countText(); }
    QString infoText() const { return status_->infoText(); }
    QString fileName() const { return QString::fromStdString(files_.fileName()); }
    // True while the scheme equals what was last opened, saved or created.
    bool isSaved() const { return files_.isSaved(); }
    editor::UndoHistory& history() { return history_; }
    editor::MouseEditor& mouseEditor() { return mouse_; }

    // The file dialogs; tests replace this to choose files without a person. An empty
    // answer cancels; `suggested` is the proposed file in the folder the dialog opens.
    std::function<QString(FileDialogKind, const QString& suggested)> chooseFile;
    // Set while the parameter grid is being filled: Enter then opens no parameter dialog.
    bool gridFilling = false;
    // Runs a modal dialog of the shell (the Path dialog); tests replace it.
    std::function<int(QDialog&)> runModal;

    // The shell: configuration, working folders, language, help, test schemes.
    const ShellState& shell() const { return *shell_; }
    // Puts a language's texts on the windows, as its menu item does, without writing it.
    void applyLanguage(Language language);
    // The help topic F1 opens: from the cell under the cursor, or the bank highlight.
    int helpContext() const;
    THelpForm& helpForm();
    THintForm& hintForm();

    // Opens a scheme at start-up (the command line).
    void openAtStart(const QString& path) { files_.openAtStart(path.toStdString()); }
    // A message in the interface language (the translation table's messages).
    std::string say(std::string_view text) const;
    // At start-up: offers, newest first, the recovery copies of workbenches that ended
    // without closing; true when one was reopened.
    bool offerRecovery();
    // How often an unsaved scheme is kept for recovery, 60 s by default.
    void setRecoveryInterval(int milliseconds);
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

public slots:
    // File
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Exit1Click();
    void PrintPrew1Click();
    void PrinterSetup1Click();
    void Print1Click();
    // Edit
    void Edit2Click();
    void Banck1Click();
    void N20Click();
    void N7Click();
    void MarkBegin1Click();
    void MarkEnd1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Zoom1Click();
    void ReadBlockFrom1Click();
    void WriteBlockTo1Click();
    void Delete1Click();
    // Undo and redo
    void UndoBtnClick();
    void RedoBtnClick();
    // The mouse editor's popup `PopupMenu2` (also CutBtn, CopyBtn, PasteBtn, DelBtn) and
    // its drag popup `PopupMenu3`.
    void G05Click();
    void GClick();
    void N10Click();
    void G03Click();
    void N16Click();
    void N17Click();
    void N19Click();
    void N11Click();
    void N12Click();
    void N14Click();
    // Run
    void Run2Click();
    void Solve1Click();
    void ChangeParameters1Click();
    // The analysis items of the Run menu hand their command code to the dispatcher.
    void analysisItemClick(int code);
    void Constant1Click();
    void Var1Click();
    // Poisk21, Poisk41, NelderMid1, HukJivs1: the method of the next optimisation.
    void optimMethodClick(int method);
    // Tools and options
    void N23Click();
    void N24Click();
    void N25Click();
    void N26Click();
    void N27Click();
    void Calcul1Click();
    void CurrentTime1Click();
    void TimeOfWork1Click();
    void TimeOfProgress1Click();
    void ShowSpeedBar1Click();
    void ShowHints1Click();
    void Path1Click();
    void EnglishLangClick();
    void RussianLangClick();
    void RomanianLangClick();
    // Help and the block popup
    void Contents1Click();
    void SearchforHelpOn1Click();
    void HowtoUseHelp1Click();
    void HelpContext1Click();
    void About1Click();
    void Help_blClick();
    void TestsClick();
    void Description1Click();
    void Abouthelp1Click();
    // Speed buttons
    void EditBtnClick();
    void BankBtnClick();
    void RunBtnClick();
    void SolveBtnClick();
    void editorClick();
    void SpeedButton1Click();
    // Keys
    void UpTmpClick(int key, bool shift);
    void EditEnterClick();
    void TabTmpClick();
    // Mouse
    void ImageMainMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void ImageMainMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint at);
    void ImageMainMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void ImageMainDblClick(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void BankSmollImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void BankBigImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at);
    void BankBigImageMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint at);

    // Redraws the canvas and, in "Edit" and "Run", the cursor on it.
    void redrawAll();
    // The parameter grid window, made on first use.
    TGridForm& gridForm();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Regimes, in form_main_regimes.cpp.
    void switchRegime(editor::RegimeEvent event);
    void applyActions(editor::RegimeSwitch s);
    // The regime's name in the status line, in the interface language.
    void showRegime();
    void toggleBank();
    void highlightBank();
    void bankKey(int key);
    void chooseHeld(std::uint8_t code);
    void handOver(int key);
    void editCommand(int code);
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods);
    void sampleLocks(bool shift);
    void moveCursorTo(Cell cell);
    void showBlockPopup(int code, QPoint globalAt);

    // The window's part of the file commands, in form_main_files.cpp.
    std::string pickFile(FileDialogKind kind, const std::string& suggested) override;
    void leaveAdvRed() override;
    void enterFile() override;
    void schemeReplaced() override;
    bool showBackground(const std::string& path) override;
    void redraw() override;
    void enterEdit() override { Edit2Click(); }
    void showTitle(const std::string& title) override { setWindowTitle(QString::fromStdString(title)); }

    // Undo and redo, in form_main_history.cpp; takeSnapshot serves the file session, the
    // mouse editor and the window's own changes.
    void takeSnapshot() override;
    void stepHistory(bool forward);
    void refreshUndoButtons();

    // The mouse editor's part, in form_main_mouse.cpp.
    void showFocus(const std::vector<editor::PixelRect>& rects) override;
    void offerDragChoice(editor::PixelPoint at) override;
    void offerCommands(editor::PixelPoint at, const editor::MouseCommands& enabled) override;
    void buttonsChanged(const editor::MouseCommands& enabled) override;
    bool mouseEditorKey(int key);
    void mouseCommand(void (editor::MouseEditor::*command)());
    void dragChoice(editor::DragChoice choice);

    // The shell, in form_main_shell.cpp.
    void startShell(const ShellPlaces* places);
    void chooseLanguage(Language language);
    void languageOnActivation();
    void showHelp(int topic);
    // The folder the scheme dialogs start in, made when missing.
    QString schemesFolder() const;
    // A block chosen in the bank while a test scheme is open, and a later put-down.
    void testBlockChosen();
    void testSchemeEdited();
    void clearTestFlags();
    void cleanUpAtExit();

    // Crash recovery, in form_main_recovery.cpp.
    void startRecovery(const ShellPlaces& places);
    // Keeps the scheme for recovery while it is unsaved, drops the copy once it is saved.
    void keepRecovery();

    // Running, in form_main_run.cpp.
    void runCommand(int code);
    // The Step submenu and the optimisation method items show the workbench's settings,
    // which a command may have changed (the optimisation selects the constant step).
    void syncRunMenu();
    // Runs a command, showing a floating-point fault in the error box.
    void guarded(const std::function<void()>& command);
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
    editor::MouseEditor mouse_;

    QScrollArea* scrollBox_ = nullptr;
    BankPanel* bank_ = nullptr;
    TDiscrip* discrip_ = nullptr;
    TGridForm* gridForm_ = nullptr;  // the parameter grid, made when first opened
    QToolBar* speedBar_ = nullptr;
    StatusLine* status_ = nullptr;
    QMenu* popupMenuHelp_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
    QMenu* popupMenu3_ = nullptr;
    QHash<QString, QAction*> actions_;
    QTimer* recoveryTimer_ = nullptr;

    int keyQueue_ = 0;
    bool busy_ = false;  // a run or an analysis is in progress

    // Mouse drags on the canvas.
    bool leftHeld_ = false;
    Qt::MouseButton ctrlDrag_ = Qt::NoButton;
    Cell ctrlFrom_{editor::kCursorMin, editor::kCursorMin};
};

}  // namespace velmar::gui
