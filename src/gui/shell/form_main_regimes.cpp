// Regimes of the main window, the bank, the Edit commands and the keys.

#include "core/editor/key_codes.h"
#include "core/model/compile.h"
#include "gui/editor/bank_palettes.h"
#include "gui/grid/grid_form.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/shell/lock_keys.h"
#include "gui/shell/mouse_editor_window.h"

namespace velmar::gui {

using namespace velmar::editor;

void TFormMain::applyActions(RegimeSwitch s) {
    const ActionSet& set = regimeActions(s);
    for (std::string_view name : set.enable)
        if (QAction* a = action(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))))
            a->setEnabled(true);
    for (std::string_view name : set.disable)
        if (QAction* a = action(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))))
            a->setEnabled(false);
}

void TFormMain::switchRegime(RegimeEvent event) {
    const RegimeStep step = regimes_.on(event);
    if (step.actions) applyActions(*step.actions);
    for (const RegimeTask task : step.tasks) {
        switch (task) {
            case RegimeTask::RestorePatch: canvas_->restorePatch(); break;
            case RegimeTask::LeaveBank:
                bank_->unhighlight(false);
                bank_->unhighlight(true);
                break;
            case RegimeTask::ReleaseCompiled: ReleaseCompiled(wb_); break;
            case RegimeTask::ShowCaption: showRegime(); break;
            case RegimeTask::ShowBank:
                bank_->show();
                action("BankBtn")->setChecked(true);
                break;
            case RegimeTask::HideBank:
                bank_->hide();
                action("BankBtn")->setChecked(false);
                break;
            case RegimeTask::ToggleBank: flipBank(); break;
            case RegimeTask::Highlight: highlightBank(); break;
            case RegimeTask::Compile: {
                bool compiled = false;
                guarded([&] { compiled = CompileScheme(wb_); });
                switchRegime(compiled ? RegimeEvent::Compiled : RegimeEvent::Faulted);
                break;
            }
            case RegimeTask::EnterEdit: edit_.enter(); break;
            case RegimeTask::EnterRun: run_.enter(); break;
            case RegimeTask::RefreshGrid: gridForm().RefreshGrid(); break;
            case RegimeTask::RedrawCanvas: canvas_->redraw(); break;
            case RegimeTask::RedrawAll: redrawAll(); break;
            case RegimeTask::GoToEdit: editScheme(); break;
        }
    }
}

void TFormMain::showRegime() {
    status_->showCount(QString::fromStdString(say(regimeCaption(state_.regime))));
}

void TFormMain::editScheme() {
    if (busy_) return;
    // Ctrl+E ends the mouse editor as its own button does, so that the button is up.
    leaveAdvRed();
    action("EditBtn")->setChecked(true);
    switchRegime(RegimeEvent::Edit);
}

void TFormMain::runScheme() {
    if (busy_) return;
    action("RunBtn")->setChecked(true);
    switchRegime(RegimeEvent::Run);
}

void TFormMain::pressTab() {
    if (!busy_) switchRegime(RegimeEvent::Tab);
}

void TFormMain::pressBankButton() {
    if (busy_) return;
    switchRegime(RegimeEvent::BankButton);
    discrip_->bankShown(bank_->isVisible());
}

void TFormMain::flipBank() {
    bank_->setVisible(!bank_->isVisible());
    action("BankBtn")->setChecked(bank_->isVisible());
}

void TFormMain::toggleBankPanel() {
    if (busy_) return;
    switchRegime(RegimeEvent::LeaveBank);
    flipBank();
    discrip_->bankShown(bank_->isVisible());
}

void TFormMain::chooseHeld(std::uint8_t code) {
    canvas_->restorePatch();
    state_.held = code;
    switchRegime(RegimeEvent::LeaveBank);
    canvas_->savePatch(state_.cursor);
    canvas_->drawCursor(state_.cursor, state_.held);
}

void TFormMain::highlightBank() {
    const BankHighlight& h = state_.bank;
    if (h.bigLevel) {
        bank_->highlight(true, bigPaletteCode(h.big));
        bank_->showBigRow(h.big.row);
    } else {
        bank_->highlight(false, smallPaletteCode(h.small));
    }
}

void TFormMain::bankKey(int key) {
    BankHighlight& h = state_.bank;
    if (key == kKeyEnter) {
        chooseHeld(static_cast<std::uint8_t>(h.bigLevel ? bigPaletteCode(h.big) : smallPaletteCode(h.small)));
        return;
    }
    if (h.bigLevel) bigPaletteKey(h.big, key, bankPageRows(bank_->bigVisibleHeight()));
    else smallPaletteKey(h.small, key);
    highlightBank();
}

void TFormMain::switchMouseEditorItem() {
    action("editor")->setChecked(action("N20")->isChecked());
    switchMouseEditor();
}

void TFormMain::switchMouseEditor() {
    const bool on = action("editor")->isChecked();
    action("N20")->setChecked(on);
    mouse_.reset();
    if (on) {
        if (action("BankBtn")->isChecked()) pressBankButton();
        editScheme();
    }
    switchRegime(on ? RegimeEvent::AdvRedOn : RegimeEvent::AdvRedOff);
    if (on) mouseWindow_->buttonsChanged(mouse_.buttons());
}

void TFormMain::redrawAll() {
    canvas_->redraw();
    if (state_.regime == Regime::Edit || state_.regime == Regime::Bank) {
        canvas_->savePatch(state_.cursor);
        canvas_->drawCursor(state_.cursor, state_.held);
    } else if (state_.regime == Regime::Run) {
        canvas_->savePatch(state_.cursor);
        canvas_->drawCursor(state_.cursor, 0);
    }
}

void TFormMain::editCommand(int code) {
    if (busy_ || state_.regime != Regime::Edit) return;
    recordedEdit([&] { edit_.command(code); });
}

void TFormMain::markBegin() { editCommand(kCmdMarkBegin); }
void TFormMain::markEnd() { editCommand(kCmdMarkEnd); }
void TFormMain::copyBlock() { editCommand(kCmdCopyBlock); }
void TFormMain::moveBlock() { editCommand(kCmdMoveBlock); }
void TFormMain::deleteBlock() {
    if (state_.regime == Regime::AdvRed) mouseWindow_->remove();
    else editCommand(kCmdDeleteBlock);
}
void TFormMain::zoom() { editCommand(kCmdZoom); }
void TFormMain::clearScreen() { editCommand(kCmdClearScreen); }

int TFormMain::takeKey() {
    const int k = keyQueue_;
    keyQueue_ = 0;
    return k;
}

void TFormMain::typeKey(int key, bool shift) {
    keyQueue_ = key;
    if (busy_) {
        if (key == kKeyEsc) wb_.run.UserStop = true;
        return;
    }
    keyQueue_ = 0;
    state_.shift = shift;
    state_.numLock = action("NumLock1")->isChecked() || lockKeyOn(LockKey::NumLock);
    state_.scrollLock = action("ScrollLock1")->isChecked() || lockKeyOn(LockKey::ScrollLock);
    handOver(key);
}

void TFormMain::handOver(int key) {
    if (state_.regime == Regime::Run) {
        recordedEdit([&] { run_.key(key); });
    } else if (state_.regime == Regime::Edit) {
        recordedEdit([&] { edit_.key(key); });
    } else if (state_.regime == Regime::Bank) {
        bankKey(key);
    }
}

void TFormMain::pressEnter() {
    if (busy_) return;
    if (state_.regime == Regime::Edit) handOver(kKeyEnter);
    else if (state_.regime == Regime::Run) changeParameters();
    else if (state_.regime == Regime::Bank) bankKey(kKeyEnter);
}

void TFormMain::moveCursorTo(Cell cell) {
    if (state_.regime == Regime::Edit) edit_.moveTo(cell);
    else if (state_.regime == Regime::Run) run_.moveTo(cell);
}

}  // namespace velmar::gui
