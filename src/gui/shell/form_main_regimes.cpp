// Regimes of the main window, the keys and the mouse.
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include "core/editor/canvas_mouse.h"
#include "core/editor/key_codes.h"
#include "core/model/compile.h"
#include "gui/editor/bank_palettes.h"
#include "gui/grid/grid_form.h"
#include "gui/shell/caption_editor.h"
#include "gui/shell/form_main.h"
#include "gui/shell/lock_keys.h"

namespace velmar::gui {

using namespace velmar::editor;

namespace {

Cell cellAt(QPoint at) { return cellAtPixel(at.x(), at.y()); }

PixelPoint pixelOf(QPoint at) { return {at.x(), at.y()}; }

MouseButton buttonOf(Qt::MouseButton button) {
    return button == Qt::LeftButton    ? MouseButton::Left
           : button == Qt::RightButton ? MouseButton::Right
                                       : MouseButton::Other;
}

}  // namespace

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
            case RegimeTask::ToggleBank: toggleBank(); break;
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
            case RegimeTask::GoToEdit: Edit2Click(); break;
        }
    }
}

void TFormMain::showRegime() {
    status_->showCount(QString::fromStdString(say(regimeCaption(state_.regime))));
}

void TFormMain::Edit2Click() {
    if (busy_) return;
    // Ctrl+E ends the mouse editor as its own button does, so that the button is up.
    leaveAdvRed();
    action("EditBtn")->setChecked(true);
    switchRegime(RegimeEvent::Edit);
}

void TFormMain::EditBtnClick() { Edit2Click(); }

void TFormMain::Run2Click() {
    if (busy_) return;
    action("RunBtn")->setChecked(true);
    switchRegime(RegimeEvent::Run);
}

void TFormMain::RunBtnClick() { Run2Click(); }

void TFormMain::TabTmpClick() {
    if (!busy_) switchRegime(RegimeEvent::Tab);
}

void TFormMain::BankBtnClick() {
    if (busy_) return;
    switchRegime(RegimeEvent::BankButton);
    discrip_->bankShown(bank_->isVisible());
}

void TFormMain::toggleBank() {
    bank_->setVisible(!bank_->isVisible());
    action("BankBtn")->setChecked(bank_->isVisible());
}

void TFormMain::Banck1Click() {
    if (busy_) return;
    switchRegime(RegimeEvent::LeaveBank);
    toggleBank();
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

void TFormMain::N20Click() {
    action("editor")->setChecked(action("N20")->isChecked());
    editorClick();
}

void TFormMain::editorClick() {
    const bool on = action("editor")->isChecked();
    action("N20")->setChecked(on);
    mouse_.reset();
    if (on) {
        if (action("BankBtn")->isChecked()) BankBtnClick();
        Edit2Click();
    }
    switchRegime(on ? RegimeEvent::AdvRedOn : RegimeEvent::AdvRedOff);
    if (on) buttonsChanged(mouse_.buttons());
}

void TFormMain::N7Click() { redrawAll(); }

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

void TFormMain::MarkBegin1Click() { editCommand(kCmdMarkBegin); }
void TFormMain::MarkEnd1Click() { editCommand(kCmdMarkEnd); }
void TFormMain::Copy1Click() { editCommand(kCmdCopyBlock); }
void TFormMain::Paste1Click() { editCommand(kCmdMoveBlock); }
void TFormMain::Cut1Click() {
    if (state_.regime == Regime::AdvRed) G03Click();
    else editCommand(kCmdDeleteBlock);
}
void TFormMain::Zoom1Click() { editCommand(kCmdZoom); }
void TFormMain::Delete1Click() { editCommand(kCmdClearScreen); }

void TFormMain::sampleLocks(bool shift) {
    state_.shift = shift;
    state_.numLock = action("NumLock1")->isChecked() || lockKeyOn(LockKey::NumLock);
    state_.scrollLock = action("ScrollLock1")->isChecked() || lockKeyOn(LockKey::ScrollLock);
}

int TFormMain::takeKey() {
    const int k = keyQueue_;
    keyQueue_ = 0;
    return k;
}

void TFormMain::UpTmpClick(int key, bool shift) {
    keyQueue_ = key;
    if (busy_) {
        if (key == kKeyEsc) wb_.run.UserStop = true;
        return;
    }
    keyQueue_ = 0;
    sampleLocks(shift);
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

void TFormMain::EditEnterClick() {
    if (busy_) return;
    if (state_.regime == Regime::Edit) handOver(kKeyEnter);
    else if (state_.regime == Regime::Run) ChangeParameters1Click();
    else if (state_.regime == Regime::Bank) bankKey(kKeyEnter);
}

bool TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    const bool ctrl = mods & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_T) {
        (status_->clockShowsWork() ? action("CurrentTime1") : action("TimeOfWork1"))->trigger();
        return true;
    }
    if (key == Qt::Key_F5 && !ctrl) {
        if (isMaximized()) showNormal();
        else showMaximized();
        return true;
    }
    if (ctrl && key == Qt::Key_Delete && !busy_) {
        // Clearing the scheme would destroy elements the compiled form refers to.
        if (state_.regime == Regime::Run) Edit2Click();
        if (state_.regime == Regime::AdvRed) N19Click();
        if (state_.regime == Regime::Edit) editCommand(kCmdClearScreen);
        return true;
    }
    return ctrl && mouseEditorKey(key);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        auto* k = static_cast<QKeyEvent*>(event);
        const bool ctrl = k->modifiers() & Qt::ControlModifier;
        const bool mouseKey = state_.regime == Regime::AdvRed &&
                              (k->key() == Qt::Key_X || k->key() == Qt::Key_C || k->key() == Qt::Key_V);
        const bool ours = (ctrl && (k->key() == Qt::Key_T || k->key() == Qt::Key_Delete || mouseKey)) ||
                          k->key() == Qt::Key_F5;
        if (ours) {
            if (event->type() == QEvent::KeyPress) FormKeyDown(k->key(), k->modifiers());
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::moveCursorTo(Cell cell) {
    if (state_.regime == Regime::Edit) edit_.moveTo(cell);
    else if (state_.regime == Regime::Run) run_.moveTo(cell);
}

void TFormMain::ImageMainMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at) {
    if (busy_) return;
    const MouseButton b = buttonOf(button);
    if (state_.regime == Regime::AdvRed) {
        mouse_.press(b, pixelOf(at));
        return;
    }
    const Cell cell = cellAt(at);
    const std::uint8_t code = wb_.scheme.cell(cell.col, cell.row);
    const CanvasPress press =
        canvasPress(state_.regime, b, mods & Qt::ControlModifier, mods & Qt::ShiftModifier, code);
    if (press == CanvasPress::None) return;
    if (press == CanvasPress::Follow) leftHeld_ = true;
    moveCursorTo(cell);
    switch (press) {
        case CanvasPress::CtrlDrag:
            ctrlDrag_ = button;
            ctrlFrom_ = cell;
            edit_.pickUp();
            break;
        case CanvasPress::PickUp:
            if (state_.regime == Regime::Edit) edit_.pickUp();
            break;
        case CanvasPress::BlockPopup: showBlockPopup(code, canvas_->widget()->mapToGlobal(at)); break;
        case CanvasPress::Follow:
        case CanvasPress::None: break;
    }
}

void TFormMain::ImageMainMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint at) {
    if (busy_) return;
    if (state_.regime == Regime::AdvRed) {
        mouse_.move(pixelOf(at));
        return;
    }
    if (!leftHeld_ || !(buttons & Qt::LeftButton)) return;
    const Cell cell = cellAt(at);
    if (!(cell == state_.cursor)) moveCursorTo(cell);
}

void TFormMain::ImageMainMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (button == Qt::LeftButton) leftHeld_ = false;
    if (state_.regime == Regime::AdvRed && !busy_) {
        mouse_.release(buttonOf(button), pixelOf(at));
        return;
    }
    if (busy_ || ctrlDrag_ == Qt::NoButton || button != ctrlDrag_) return;
    const Qt::MouseButton drag = ctrlDrag_;
    ctrlDrag_ = Qt::NoButton;
    if (state_.regime != Regime::Edit) return;
    const Cell to = cellAt(at);
    if (to == ctrlFrom_) return;
    takeSnapshot();
    guarded([&] { edit_.dropDragged(ctrlFrom_, to, drag == Qt::RightButton); });
}

void TFormMain::ImageMainDblClick(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at) {
    if (busy_ || button != Qt::LeftButton || (mods & Qt::ControlModifier)) return;
    if (state_.regime == Regime::Edit) takeSnapshot();
    moveCursorTo(cellAt(at));
    if (state_.regime == Regime::Edit) {
        testSchemeEdited();
        guarded([&] { edit_.putDown(); });
    } else if (state_.regime == Regime::Run) {
        ChangeParameters1Click();
    }
}

void TFormMain::BankSmollImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (busy_ || button != Qt::LeftButton) return;
    if (state_.regime != Regime::Edit && state_.regime != Regime::Bank) return;
    const auto code = paletteCodeAt(Palette::Small, at);
    if (!code) return;
    state_.bank.small = smallPaletteCell(*code);
    chooseHeld(static_cast<std::uint8_t>(*code));
}

void TFormMain::BankBigImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (busy_ || (state_.regime != Regime::Edit && state_.regime != Regime::Bank)) return;
    const auto code = paletteCodeAt(Palette::Big, at);
    if (!code) return;
    if (button == Qt::RightButton) {
        showBlockPopup(*code, bank_->bigImage()->mapToGlobal(at));
        return;
    }
    if (button != Qt::LeftButton) return;
    testBlockChosen();
    state_.bank.big = bigPaletteCell(*code);
    chooseHeld(static_cast<std::uint8_t>(*code));
    if (state_.centreChosen) {
        const int visible = scrollBox_->viewport()->width();
        QScrollBar* h = scrollBox_->horizontalScrollBar();
        if (canvas_->cursorScreenX() > visible)
            h->setValue(
                std::min(canvas_->cursorScreenX() + visible / 2 + h->value() - visible, h->maximum()));
    }
}

void TFormMain::BankBigImageMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) {
    const auto code = paletteCodeAt(Palette::Big, at);
    if (!code) return;
    status_->blockName(QString::fromStdString(blockName(*code, wb_.names)));
}

}  // namespace velmar::gui
