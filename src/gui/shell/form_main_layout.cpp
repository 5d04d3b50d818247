// Building the main window: the actions from their tables, the status line, the
// scroll box with the canvas, the bank panel, and the first New.
#include <QApplication>
#include <QHBoxLayout>
#include <filesystem>
#include <system_error>

#include "core/errors.h"
#include "gui/editor/colours.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/focus_return.h"
#include "gui/shell/form_main.h"
#include "gui/shell/main_actions.h"
#include "gui/shell/mouse_editor_window.h"
#include "gui/shell/parameter_panel.h"
#include "gui/shell/recovery_keeper.h"
#include "gui/shell/shell_commands.h"
#include "gui/shell/shell_state.h"
#include "gui/shell/window_input.h"
#include "gui/shell/window_options.h"

namespace velmar::gui {

namespace {

// The undo snapshots live in a folder of this window's own, so that two workbenches
// never load each other's; without one nothing is recorded.
std::unique_ptr<editor::SnapshotFolder> ownSnapshotFolder() {
    try {
        return std::make_unique<editor::SnapshotFolder>("velmar-" +
                                                        std::to_string(QCoreApplication::applicationPid()));
    } catch (const FileError&) { return nullptr; }
}

}  // namespace

TFormMain::TFormMain(Host* dialogs, QWidget* parent, const ShellPlaces* places)
    : QMainWindow(parent),
      shell_(std::make_unique<ShellState>()),
      ownDialogs_(dialogs
                      ? nullptr
                      : std::make_unique<DialogHost>(this, [this](std::string_view t) { return say(t); })),
      host_(*this, dialogs ? *dialogs : *ownDialogs_, dialogs == nullptr),
      wb_(host_),
      canvas_(std::make_unique<SchemeCanvas>(wb_, state_)),
      edit_(wb_, state_, *canvas_),
      run_(state_, *canvas_),
      regimes_(state_),
      files_(wb_, state_, *this),
      snapshotFolder_(ownSnapshotFolder()),
      history_(snapshotFolder_ ? snapshotFolder_->path() : std::filesystem::path()),
      mouseWindow_(new MouseEditorWindow(*this)),
      mouse_(wb_, state_, files_, *mouseWindow_) {
    setObjectName("FormMain");
    setWindowTitle("VELMAR for Windows");
    // The analyses leave their side files (CfFile.txt, mcad/) in the folder the
    // workbench was started in.
    std::error_code noFolder;
    wb_.analysis.workingFolder = std::filesystem::current_path(noFolder);

    MainActions built = buildMainActions(*this);
    actions_ = built.byName;
    speedBar_ = built.speedBar;
    status_ = new StatusLine(statusBar());
    commands_ = new ShellCommands(*this, *shell_, host_);
    commands_->connectActions(built.popupMenuHelp);
    mouseWindow_->connectActions(built.popupMenu2, built.popupMenu3);
    options_ = new WindowOptions(*this, *speedBar_);
    recovery_ = new RecoveryKeeper(this, *shell_, files_, wb_.scheme, host_, *status_);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    scrollBox_ = new QScrollArea(central);
    scrollBox_->setObjectName("ScrollBoxMain");
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    QPalette green = scrollBox_->palette();
    green.setColor(QPalette::Window, tableColour(Green));
    scrollBox_->setPalette(green);
    canvas_->attach(scrollBox_);
    layout->addWidget(scrollBox_, 1);
    bank_ = new BankPanel(central);
    bank_->hide();
    layout->addWidget(bank_);
    setCentralWidget(central);
    discrip_ = new TDiscrip(*this);
    installParameterPanel(*this);
    new FocusReturn(*this, *canvas_->widget());

    action("UndoBtn")->setEnabled(false);
    action("RedoBtn")->setEnabled(false);
    action("SpeedButton1")->setEnabled(false);
    input_ = new WindowInput(*this);
    startShell(places);

    // The first showing: a new scheme in "Edit".
    state_.regime = editor::Regime::File;
    newScheme();
}

// The input first: it filters the application's events and reads the members.
TFormMain::~TFormMain() {
    delete input_;
    delete discrip_;
}

}  // namespace velmar::gui
