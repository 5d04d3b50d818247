// Running from the main window, the options and the clock.
#include <QApplication>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include "core/analysis/optimisation/method_choice.h"
#include "core/editor/key_codes.h"
#include "core/errors.h"
#include "core/simulation/driver.h"
#include "core/workbench/dispatcher.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"
#include "gui/shell/main_actions.h"
#include "gui/shell/print_hooks.h"

namespace velmar::gui {

using namespace velmar::editor;

void TFormMain::guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const MathError& e) { host_.message(Box::Error, e.what()); }
}

void TFormMain::runCommand(int code) {
    if (busy_) return;
    keepRecovery();
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
            case kCommandPopov: AnalysisMenuCommand(wb_, code); break;
            default: GroupCommand(wb_, code); break;
        }
    });
    busy_ = false;
    menuBar()->setEnabled(true);
    speedBar_->setEnabled(true);
    keyQueue_ = 0;
    syncRunMenu();
    if (state_.regime == Regime::Run) run_.enter();
}

void TFormMain::Solve1Click() {
    if (SolveAllowed(host_, state_.regime == Regime::Run)) runCommand(kCommandSolve);
}

void TFormMain::SolveBtnClick() {
    if (busy_) return;
    if (state_.regime != Regime::Run) Run2Click();
    if (state_.regime == Regime::Run) runCommand(kCommandSolve);
}

void TFormMain::ChangeParameters1Click() {
    if (state_.regime == Regime::Run) recordedEdit([&] { runCommand(kCommandChangeParameters); });
}

void TFormMain::analysisItemClick(int code) {
    if (state_.regime == Regime::Run) runCommand(code);
}

void TFormMain::Constant1Click() {
    wb_.settings.VariableStep = 0;
    syncRunMenu();
}

void TFormMain::Var1Click() {
    wb_.settings.VariableStep = 1;
    syncRunMenu();
}

void TFormMain::optimMethodClick(int method) {
    ChooseSearchMethod(wb_.optimisation, method);
    syncRunMenu();
}

void TFormMain::syncRunMenu() {
    const bool variable = wb_.settings.VariableStep != 0;
    action(variable ? "Var1" : "Constant1")->setChecked(true);
    action("Step1")->setText(QString::fromStdString(say(variable ? "Шаг: Переменный" : "Шаг: Постоянный")));
    const int method = ChosenSearchMethod(wb_.optimisation);
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

void TFormMain::N23Click() { state_.autoArrows = action("N23")->isChecked(); }

void TFormMain::N24Click() {
    state_.captions.showNames = action("N24")->isChecked();
    discrip_->syncChecks();
    redrawAll();
}

void TFormMain::N25Click() {
    state_.captions.showLabels = action("N25")->isChecked();
    discrip_->syncChecks();
    redrawAll();
}

void TFormMain::N26Click() {
    if (busy_ || wb_.scheme.ElementCount() == 0) return;
    if (state_.regime != Regime::Run) RunBtnClick();
    discrip_->showBeside();
}

void TFormMain::N27Click() { state_.centreChosen = action("N27")->isChecked(); }

void TFormMain::PrintPrew1Click() { printCommand(*this, PrintCommand::Preview); }
void TFormMain::PrinterSetup1Click() { printCommand(*this, PrintCommand::Setup); }
void TFormMain::Print1Click() {
    leaveAdvRed();
    printCommand(*this, PrintCommand::Print);
}

void TFormMain::ShowSpeedBar1Click() { speedBar_->setVisible(action("ShowSpeedBar1")->isChecked()); }

void TFormMain::ShowHints1Click() {
    const bool on = action("ShowHints1")->isChecked();
    for (QAction* a : speedBar_->actions())
        if (QWidget* w = speedBar_->widgetForAction(a)) w->setToolTip(on ? a->toolTip() : QString());
}

void TFormMain::TimeOfProgress1Click() {
    wb_.settings.TimeOfProgress = action("TimeOfProgress1")->isChecked();
}

void TFormMain::CurrentTime1Click() { status_->setClockShowsWork(false); }

void TFormMain::TimeOfWork1Click() { status_->setClockShowsWork(true); }

bool TFormMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        status_->hint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate) languageOnActivation();
    return QMainWindow::event(event);
}

}  // namespace velmar::gui
