// Regimes of the main window, the keys and the mouse.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QToolBar>
#include <QWindow>

#include "gui/shell/caption_editor.h"
#include "gui/editor/bank_palettes.h"
#include "core/editor/key_codes.h"
#include "gui/shell/form_main.h"
#include "gui/grid/grid_form.h"
#include "gui/shell/lock_keys.h"
#include "core/model/compile.h"

namespace velmar::gui {

using namespace velmar::editor;

void TFormMain::applyActions(RegimeSwitch s) {
    const ActionSet& set = regimeActions(s);
    for (std::string_view name : set.enable)
        if (QAction* a = action(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))) a->setEnabled(true);
    for (std::string_view name : set.disable)
        if (QAction* a = action(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))) a->setEnabled(false);
}

void TFormMain::setRegime(const char* regime) { state_.Regime = regime; }

void TFormMain::showRegime() { countPanel_->setText(QString::fromStdString(regimeCaption(state_.Regime))); }

void TFormMain::leaveRunOrBank() {
    if (state_.Regime == kRegimeRun) {
        ReleaseCompiled(wb_);
    } else {
        canvas_->restorePatch();
        if (state_.Regime == kRegimeBank) leaveBank();
    }
}

void TFormMain::leaveAdvRed() {
    if (action("editor")->isChecked()) {
        action("editor")->setChecked(false);
        editorClick();
    }
}

void TFormMain::Edit2Click() {
    if (busy_) return;
    action("EditBtn")->setChecked(true);
    applyActions(RegimeSwitch::Edit);
    canvas_->restorePatch();
    if (state_.Regime == kRegimeRun) ReleaseCompiled(wb_);
    setRegime(kRegimeEdit);
    showRegime();
    edit_.enter();
}

void TFormMain::EditBtnClick() { Edit2Click(); }

void TFormMain::Run2Click() {
    if (busy_) return;
    applyActions(RegimeSwitch::Run);
    canvas_->restorePatch();
    if (state_.Regime == kRegimeBank) leaveBank();
    setRegime(kRegimeRun);
    showRegime();
    state_.held = 0;
    bank_->hide();
    action("BankBtn")->setChecked(false);
    action("RunBtn")->setChecked(true);
    bool compiled = false;
    guarded([&] { compiled = CompileScheme(wb_); });
    if (!compiled) {
        canvas_->redraw();  // the fault cells in their colours
        setRegime(kRegimeToEdit);
        ReleaseCompiled(wb_);
        Edit2Click();
        return;
    }
    run_.enter();
    gridForm().RefreshGrid();
}

void TFormMain::RunBtnClick() { Run2Click(); }

void TFormMain::enterBank() {
    action("BankBtn")->setChecked(true);
    bank_->show();
    applyActions(RegimeSwitch::Bank);
    setRegime(kRegimeBank);
    showRegime();
    bankHighlight_.bigLevel = false;
    bank_->highlight(false, smallPaletteCode(bankHighlight_.small));
}

void TFormMain::leaveBank() {
    bank_->unhighlight(false);
    bank_->unhighlight(true);
    bankHighlight_.bigLevel = false;
    setRegime(kRegimeEdit);
    showRegime();
}

void TFormMain::TabTmpClick() {
    if (busy_) return;
    if (state_.Regime == kRegimeEdit) {
        enterBank();
    } else if (state_.Regime == kRegimeBank && !bankHighlight_.bigLevel) {
        bankHighlight_.bigLevel = true;
        bank_->highlight(true, bigPaletteCode(bankHighlight_.big));
        bank_->showBigRow(bankHighlight_.big.row);
    } else if (state_.Regime == kRegimeBank) {
        leaveBank();
    }
}

void TFormMain::BankBtnClick() {
    if (busy_) return;
    if (state_.Regime == kRegimeBank) {
        leaveBank();
        bank_->hide();
        action("BankBtn")->setChecked(false);
    } else if (state_.Regime == kRegimeRun) {
        bank_->show();
        action("BankBtn")->setChecked(true);
        Edit2Click();
    } else {
        bank_->setVisible(!bank_->isVisible());
        action("BankBtn")->setChecked(bank_->isVisible());
    }
    applyActions(RegimeSwitch::Bank);
    discrip_->bankShown(bank_->isVisible());
}

void TFormMain::Banck1Click() {
    if (busy_) return;
    if (state_.Regime == kRegimeBank) leaveBank();
    bank_->setVisible(!bank_->isVisible());
    action("BankBtn")->setChecked(bank_->isVisible());
    discrip_->bankShown(bank_->isVisible());
}

void TFormMain::chooseHeld(std::uint8_t code) {
    canvas_->restorePatch();
    state_.held = code;
    if (state_.Regime == kRegimeBank) leaveBank();
    canvas_->savePatch(state_.cursor);
    canvas_->drawCursor(state_.cursor, state_.held);
}

void TFormMain::bankKey(int key) {
    if (key == kKeyEnter) {
        chooseHeld(static_cast<std::uint8_t>(bankHighlight_.bigLevel ? bigPaletteCode(bankHighlight_.big)
                                                                     : smallPaletteCode(bankHighlight_.small)));
        return;
    }
    if (bankHighlight_.bigLevel) {
        bigPaletteKey(bankHighlight_.big, key, bankPageRows(bank_->bigVisibleHeight()));
        bank_->highlight(true, bigPaletteCode(bankHighlight_.big));
        bank_->showBigRow(bankHighlight_.big.row);
    } else {
        smallPaletteKey(bankHighlight_.small, key);
        bank_->highlight(false, smallPaletteCode(bankHighlight_.small));
    }
}

void TFormMain::N20Click() {
    action("editor")->setChecked(action("N20")->isChecked());
    editorClick();
}

void TFormMain::editorClick() {
    const bool on = action("editor")->isChecked();
    action("N20")->setChecked(on);
    wb_.scheme.mark = Mark{};
    if (on) {
        if (action("BankBtn")->isChecked()) BankBtnClick();
        Edit2Click();
        keptRegime_ = regime();
        applyActions(RegimeSwitch::AdvRedOn);
        canvas_->restorePatch();
        setRegime(kRegimeAdvRed);
        redrawAll();
    } else {
        applyActions(RegimeSwitch::AdvRedOff);
        state_.Regime = keptRegime_.isEmpty() ? std::string(kRegimeEdit) : keptRegime_.toStdString();
        redrawAll();
    }
    showRegime();
}

void TFormMain::N7Click() { redrawAll(); }

void TFormMain::redrawAll() {
    canvas_->redraw();
    if (state_.Regime == kRegimeEdit || state_.Regime == kRegimeBank) {
        canvas_->savePatch(state_.cursor);
        canvas_->drawCursor(state_.cursor, state_.held);
    } else if (state_.Regime == kRegimeRun) {
        canvas_->savePatch(state_.cursor);
        canvas_->drawCursor(state_.cursor, 0);
    }
}

void TFormMain::editCommand(int code) {
    if (busy_ || state_.Regime != kRegimeEdit) return;
    guarded([&] { edit_.command(code); });
}

void TFormMain::MarkBegin1Click() { editCommand(kCmdMarkBegin); }
void TFormMain::MarkEnd1Click() { editCommand(kCmdMarkEnd); }
void TFormMain::Copy1Click() { editCommand(kCmdCopyBlock); }
void TFormMain::Paste1Click() { editCommand(kCmdMoveBlock); }
void TFormMain::Cut1Click() { editCommand(kCmdDeleteBlock); }
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
    if (state_.Regime == kRegimeRun) guarded([&] { run_.key(key); });
    else if (state_.Regime == kRegimeEdit) guarded([&] { edit_.key(key); });
    else if (state_.Regime == kRegimeBank) bankKey(key);
}

void TFormMain::EditEnterClick() {
    if (busy_) return;
    if (state_.Regime == kRegimeEdit) guarded([&] { edit_.key(kKeyEnter); });
    else if (state_.Regime == kRegimeRun) ChangeParameters1Click();
    else if (state_.Regime == kRegimeBank) bankKey(kKeyEnter);
}

bool TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    const bool ctrl = mods & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_T) {
        (clockShowsWork_ ? action("CurrentTime1") : action("TimeOfWork1"))->trigger();
        return true;
    }
    if (key == Qt::Key_F5 && !ctrl) {
        if (isMaximized()) showNormal();
        else showMaximized();
        return true;
    }
    if (ctrl && key == Qt::Key_Delete && !busy_) {
        // Clearing the scheme would destroy elements the compiled form refers to.
        if (state_.Regime == kRegimeRun) Edit2Click();
        if (state_.Regime == kRegimeAdvRed) leaveAdvRed();
        if (state_.Regime == kRegimeEdit) editCommand(kCmdClearScreen);
        return true;
    }
    return false;
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* k = static_cast<QKeyEvent*>(event);
        const bool ours = (k->key() == Qt::Key_T && (k->modifiers() & Qt::ControlModifier)) || k->key() == Qt::Key_F5 ||
                          (k->key() == Qt::Key_Delete && (k->modifiers() & Qt::ControlModifier));
        if (ours) {
            if (event->type() == QEvent::KeyPress) FormKeyDown(k->key(), k->modifiers());
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

CursorCell TFormMain::cellAt(QPoint at) const { return cellAtPixel(at.x(), at.y()); }

void TFormMain::moveCursorTo(CursorCell cell) {
    if (state_.Regime == kRegimeEdit) edit_.moveTo(cell);
    else if (state_.Regime == kRegimeRun) run_.moveTo(cell);
}

void TFormMain::ImageMainMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at) {
    if (busy_) return;
    const bool edit = state_.Regime == kRegimeEdit, run = state_.Regime == kRegimeRun;
    if (!edit && !run) return;
    const CursorCell cell = cellAt(at);
    if (mods & Qt::ControlModifier) {
        if (!edit || (button != Qt::LeftButton && button != Qt::RightButton)) return;
        moveCursorTo(cell);
        ctrlDrag_ = button;
        ctrlFrom_ = cell;
        edit_.pickUp();
        return;
    }
    if (button == Qt::LeftButton) {
        leftHeld_ = true;
        moveCursorTo(cell);
    } else if (button == Qt::RightButton && (mods & Qt::ShiftModifier)) {
        moveCursorTo(cell);
        if (edit) edit_.pickUp();
    } else if (button == Qt::RightButton && run) {
        const std::uint8_t code = wb_.scheme.cell(cell.col, cell.row);
        if (code >= 22) {
            moveCursorTo(cell);
            showBlockPopup(code, canvas_->widget()->mapToGlobal(at));
        }
    }
}

void TFormMain::ImageMainMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint at) {
    if (busy_ || !leftHeld_ || !(buttons & Qt::LeftButton)) return;
    const CursorCell cell = cellAt(at);
    if (!(cell == state_.cursor)) moveCursorTo(cell);
}

void TFormMain::ImageMainMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (button == Qt::LeftButton) leftHeld_ = false;
    if (busy_ || ctrlDrag_ == Qt::NoButton || button != ctrlDrag_) return;
    const Qt::MouseButton drag = ctrlDrag_;
    ctrlDrag_ = Qt::NoButton;
    if (state_.Regime != kRegimeEdit) return;
    const CursorCell to = cellAt(at);
    if (to == ctrlFrom_) return;
    guarded([&] {
        edit_.moveTo(to);
        edit_.putDown();
        if (drag == Qt::RightButton) {
            // A move: the cell the item came from is erased, unless the copy covers it.
            const Element* moved = wb_.scheme.ElementAt(to.col, to.row);
            const Element* source = wb_.scheme.ElementAt(ctrlFrom_.col, ctrlFrom_.row);
            if (source == nullptr || source != moved) {
                canvas_->restorePatch();
                wb_.scheme.EraseCell(ctrlFrom_.col, ctrlFrom_.row);
                canvas_->savePatch(state_.cursor);
                canvas_->drawCursor(state_.cursor, state_.held);
            }
        }
    });
}

void TFormMain::ImageMainDblClick(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at) {
    if (busy_ || button != Qt::LeftButton || (mods & Qt::ControlModifier)) return;
    moveCursorTo(cellAt(at));
    if (state_.Regime == kRegimeEdit) guarded([&] { edit_.putDown(); });
    else if (state_.Regime == kRegimeRun) ChangeParameters1Click();
}

void TFormMain::BankSmollImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (busy_ || button != Qt::LeftButton) return;
    if (state_.Regime != kRegimeEdit && state_.Regime != kRegimeBank) return;
    const auto code = paletteCodeAt(Palette::Small, at);
    if (!code) return;
    bankHighlight_.small = smallPaletteCell(*code);
    chooseHeld(static_cast<std::uint8_t>(*code));
}

void TFormMain::BankBigImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (busy_ || (state_.Regime != kRegimeEdit && state_.Regime != kRegimeBank)) return;
    const auto code = paletteCodeAt(Palette::Big, at);
    if (!code) return;
    if (button == Qt::RightButton) {
        showBlockPopup(*code, bank_->bigImage()->mapToGlobal(at));
        return;
    }
    if (button != Qt::LeftButton) return;
    bankHighlight_.big = bigPaletteCell(*code);
    chooseHeld(static_cast<std::uint8_t>(*code));
    if (state_.centreChosen) {
        const int visible = scrollBox_->viewport()->width();
        QScrollBar* h = scrollBox_->horizontalScrollBar();
        if (canvas_->cursorScreenX() > visible)
            h->setValue(std::min(canvas_->cursorScreenX() + visible / 2 + h->value() - visible, h->maximum()));
    }
}

void TFormMain::BankBigImageMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) {
    const auto code = paletteCodeAt(Palette::Big, at);
    if (!code) return;
    infoPanel_->setStyleSheet("color: #00ffff; font-weight: bold; font-size: 12pt;");
    infoPanel_->setText(QString::fromUtf8(" Блок : ") + QString::fromStdString(blockName(*code, wb_.names)));
}

void TFormMain::showBlockPopup(int code, QPoint globalAt) {
    action("Help_bl")->setText(QString::fromStdString(blockName(code, wb_.names)));
    popupMenuHelp_->popup(globalAt);
}

}  // namespace velmar::gui
