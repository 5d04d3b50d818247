// Building the main window: the actions from their tables, the status line, the
// scroll box with the canvas, the bank panel, and the first New.
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QTimer>
#include <filesystem>
#include <system_error>

#include "core/errors.h"
#include "gui/editor/colours.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/focus_return.h"
#include "gui/shell/form_main.h"
#include "gui/shell/main_actions.h"
#include "gui/shell/parameter_panel.h"
#include "gui/shell/shell_state.h"

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
      mouse_(wb_, state_, files_, *this) {
    setObjectName("FormMain");
    setWindowTitle("VELMAR for Windows");
    // The analyses leave their side files (CfFile.txt, mcad/) in the folder the
    // workbench was started in.
    std::error_code noFolder;
    wb_.analysis.workingFolder = std::filesystem::current_path(noFolder);

    MainActions built = buildMainActions(*this);
    actions_ = built.byName;
    speedBar_ = built.speedBar;
    popupMenuHelp_ = built.popupMenuHelp;
    popupMenu2_ = built.popupMenu2;
    popupMenu3_ = built.popupMenu3;
    status_ = new StatusLine(statusBar());

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

    connect(canvas_->widget(), &ImageWidget::mouseDown, this, &TFormMain::ImageMainMouseDown);
    connect(canvas_->widget(), &ImageWidget::mouseMove, this, &TFormMain::ImageMainMouseMove);
    connect(canvas_->widget(), &ImageWidget::mouseUp, this, &TFormMain::ImageMainMouseUp);
    connect(canvas_->widget(), &ImageWidget::doubleClick, this, &TFormMain::ImageMainDblClick);
    connect(bank_->smallImage(), &ImageWidget::mouseDown, this, &TFormMain::BankSmollImageMouseDown);
    connect(bank_->bigImage(), &ImageWidget::mouseDown, this, &TFormMain::BankBigImageMouseDown);
    connect(bank_->bigImage(), &ImageWidget::mouseMove, this, &TFormMain::BankBigImageMouseMove);

    action("UndoBtn")->setEnabled(false);
    action("RedoBtn")->setEnabled(false);
    // The drag popup closed without a choice cancels the drag; a choice is handled
    // first, the popup hiding before its item triggers.
    connect(popupMenu3_, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (mouse_.dragChoicePending()) mouse_.dragChosen(editor::DragChoice::Cancel);
        });
    });
    action("SpeedButton1")->setEnabled(false);
    qApp->installEventFilter(this);
    startShell(places);

    // The first showing: a new scheme in "Edit".
    state_.regime = editor::Regime::File;
    New1Click();
}

TFormMain::~TFormMain() {
    qApp->removeEventFilter(this);
    delete discrip_;
}

}  // namespace velmar::gui
