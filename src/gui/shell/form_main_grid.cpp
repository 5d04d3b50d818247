// The main window's parameter grid: "Параметры" opens it; while it is being filled,
// Enter on a block in "Run" opens no dialog. Every value typed into it is an undo step.
#include "gui/grid/grid_form.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

TGridForm& TFormMain::gridForm() {
    if (gridForm_ == nullptr) {
        gridForm_ = new TGridForm(wb_, this);
        connect(gridForm_, &TGridForm::fillingChanged, this, [this](bool on) { gridFilling = on; });
        gridForm_->asUndoStep = [this](const std::function<void()>& store) { recordedEdit(store); };
    }
    return *gridForm_;
}

void TFormMain::SpeedButton1Click() {
    gridForm().OpenFromSpeedButton();
    if (state_.regime == editor::Regime::Edit) action("SpeedButton1")->setEnabled(false);
}

}  // namespace velmar::gui
