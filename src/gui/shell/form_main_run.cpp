// Running from the main window, its settings, the parameter grid and printing.
#include <QApplication>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "core/analysis/optimisation/method_choice.h"
#include "core/editor/key_codes.h"
#include "core/errors.h"
#include "core/simulation/driver.h"
#include "core/workbench/dispatcher.h"
#include "gui/grid/grid_form.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"
#include "gui/shell/main_actions.h"
#include "gui/shell/print_hooks.h"
#include "gui/shell/recovery_keeper.h"

namespace velmar::gui {

using namespace velmar::editor;

void TFormMain::guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const MathError& e) { host_.message(Box::Error, e.what()); }
}

void TFormMain::runCommand(int code) {
    if (busy_) return;
    recovery_->keep();
    busy_ = true;
    menuBar()->setEnabled(false);
    speedBar_->setEnabled(false);
    canvas_->restorePatch();
    wb_.run.UserStop = false;
    guarded([&] {
        switch (code) {
            case kCommandSolve:
                // The thumbnails of the last run go with its results.
                canvas_->clearThumbnails();
                canvas_->redraw();
                RunSimulation(wb_);
                followRecorders(*this);
                break;
            case kCommandChangeParameters:
                ChangeParameters(wb_, state_.cursor.col, state_.cursor.row, gridFilling);
                break;
            case kCommandHarmonic:
            case kCommandPopov: analysisMenuCommand(wb_, code); break;
            default: groupCommand(wb_, code); break;
        }
    });
    busy_ = false;
    menuBar()->setEnabled(true);
    speedBar_->setEnabled(true);
    keyQueue_ = 0;
    syncRunMenu();
    if (state_.regime == Regime::Run) run_.enter();
}

void TFormMain::solve() {
    if (solveAllowed(host_, state_.regime == Regime::Run)) runCommand(kCommandSolve);
}

void TFormMain::solveFromButton() {
    if (busy_) return;
    if (state_.regime != Regime::Run) runScheme();
    if (state_.regime == Regime::Run) runCommand(kCommandSolve);
}

void TFormMain::changeParameters() {
    if (state_.regime == Regime::Run) recordedEdit([&] { runCommand(kCommandChangeParameters); });
}

void TFormMain::runAnalysis(int code) {
    if (state_.regime == Regime::Run) runCommand(code);
}

void TFormMain::chooseConstantStep() {
    wb_.settings.VariableStep = 0;
    syncRunMenu();
}

void TFormMain::chooseVariableStep() {
    wb_.settings.VariableStep = 1;
    syncRunMenu();
}

void TFormMain::chooseOptimMethod(int method) {
    chooseSearchMethod(wb_.optimisation, method);
    syncRunMenu();
}

void TFormMain::syncRunMenu() {
    const bool variable = wb_.settings.VariableStep != 0;
    action(variable ? "Var1" : "Constant1")->setChecked(true);
    action("Step1")->setText(QString::fromStdString(say(variable ? "Шаг: Переменный" : "Шаг: Постоянный")));
    const int method = chosenSearchMethod(wb_.optimisation);
    const char* item = optimMethodItem(method);
    if (item) action(item)->setChecked(true);
    // The method as its item names it in the interface language.
    QString name =
        item ? action(item)->text() : QString::fromUtf8(kMethodCaptions[static_cast<std::size_t>(method)]);
    QAction* methods = action("OptimMethods1");
    const QString caption = methods->text();
    const qsizetype colon = caption.lastIndexOf(": ");
    if (colon >= 0) methods->setText(caption.left(colon + 2) + name.remove('&'));
}

void TFormMain::editCaptions() {
    if (busy_ || wb_.scheme.ElementCount() == 0) return;
    if (state_.regime != Regime::Run) runScheme();
    discrip_->showBeside();
}

void TFormMain::previewPrint() { printCommand(*this, PrintCommand::Preview); }
void TFormMain::setUpPrinter() { printCommand(*this, PrintCommand::Setup); }
void TFormMain::printScheme() {
    leaveAdvRed();
    printCommand(*this, PrintCommand::Print);
}

// The parameter grid: "Параметры" opens it; while it is being filled, Enter on a block in
// "Run" opens no dialog.
TGridForm& TFormMain::gridForm() {
    if (gridForm_ == nullptr) {
        gridForm_ = new TGridForm(wb_, this);
        connect(gridForm_, &TGridForm::fillingChanged, this, [this](bool on) { gridFilling = on; });
        gridForm_->asUndoStep = [this](const std::function<void()>& store) { recordedEdit(store); };
    }
    return *gridForm_;
}

void TFormMain::openParameterGrid() {
    gridForm().OpenFromSpeedButton();
    if (state_.regime == Regime::Edit) action("SpeedButton1")->setEnabled(false);
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        status_->hint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate) languageOnActivation();
    return QMainWindow::event(event);
}

}  // namespace velmar::gui
