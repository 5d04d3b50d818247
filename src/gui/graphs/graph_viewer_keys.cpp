// The viewer's keys and its point-reading, magnifier and arithmetic commands.
#include <QComboBox>
#include <QKeyEvent>
#include <QToolButton>

#include "core/graphs/curve_arithmetic.h"
#include "core/graphs/point_cursor.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/graphs/point_grid.h"

namespace velmar::gui {

namespace {

// The leaving keys and the codes they return.
int leavingCode(int key) {
    switch (key) {
        case Qt::Key_Escape: return kLeaveEsc;
        case Qt::Key_Home: return kLeaveHome;
        case Qt::Key_PageUp: return kLeavePgUp;
        case Qt::Key_End: return kLeaveEnd;
        case Qt::Key_PageDown: return kLeavePgDn;
        default: return 0;
    }
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F12; }

std::optional<CursorKey> cursorKey(int key) {
    switch (key) {
        case Qt::Key_Up: return CursorKey::Up;
        case Qt::Key_Down: return CursorKey::Down;
        case Qt::Key_Tab: return CursorKey::Tab;
        default: return isEnter(key) ? std::optional(CursorKey::Enter) : std::nullopt;
    }
}

}  // namespace

void TFormGraphPg::handleKey(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() & Qt::ControlModifier) {
        if (key == Qt::Key_A) ArithmeticSpBtnClick();
        if (key == Qt::Key_C) CommentsSpBtnClick();
        return;
    }
    if (handleModeKey(key)) return;
    if (const int code = leavingCode(key)) {
        leave(code);
        return;
    }
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Up:
        case Qt::Key_Down: startReading(); break;
        case Qt::Key_Left: SpeedButtonClick(slots_.current() == 1 ? kSlotCount : slots_.current() - 1); break;
        case Qt::Key_Right:
            SpeedButtonClick(slots_.current() == kSlotCount ? 1 : slots_.current() + 1);
            break;
        case Qt::Key_Delete: SpeedButton8Click(); break;
        case Qt::Key_L: startMagnifier(); break;
        default:
            if (isEnter(key)) {
                if (slots_.currentSlot().present()) SaveAsPNTClick();
                else OpenPNTClick();
            }
    }
}

// Keys while the point cursor is shown; true when the key was taken.
bool TFormGraphPg::handleModeKey(int key) {
    if (!reading_) return false;
    if (key == Qt::Key_Escape) {
        if (selecting_ != 0) endMagnifier();
        else endReading();
        return true;
    }
    if (key == Qt::Key_L && selecting_ != 0) {
        endMagnifier();
        return true;
    }
    if (selecting_ != 0 && isEnter(key)) {
        fixMagnifierPoint();
        return true;
    }
    if (cursorKey(key)) {
        moveCursor(key);
        return true;
    }
    return true;  // other keys do nothing while points are read
}

void TFormGraphPg::moveCursor(int key) {
    Slot& s = slots_.currentSlot();
    s.cursor = velmar::moveCursor(s.cursor, s.count(), *cursorKey(key));
    redraw();
    if (pointGrid_ != nullptr && pointGrid_->isVisible()) pointGrid_->selectPoint(s.cursor);
}

void TFormGraphPg::startReading() {
    if (!slots_.currentSlot().present()) return;
    reading_ = true;
    redraw();
    if (pointGrid_ != nullptr && pointGrid_->isVisible())
        pointGrid_->selectPoint(slots_.currentSlot().cursor);
}

void TFormGraphPg::endReading() {
    reading_ = false;
    selecting_ = 0;
    redraw();
}

void TFormGraphPg::SpeedButton8Click() {
    if (slots_.removeCurrent()) {
        reading_ = false;
        syncSlotButtons();
        slotsChanged();
    } else {
        refreshPointGrid();
    }
}

// --- magnifier ---

void TFormGraphPg::MagnifierBtnClick() {
    if (selecting_ != 0) endMagnifier();
    else startMagnifier();
}

void TFormGraphPg::startMagnifier() {
    if (!slots_.currentSlot().present()) return;
    startReading();
    selecting_ = 1;
    MagnPointBtn->setToolTip(viewerTexts().firstPoint);
    MagnPointBtn->setVisible(true);
}

void TFormGraphPg::endMagnifier() {
    MagnPointBtn->setToolTip(viewerTexts().firstPoint);
    MagnPointBtn->setVisible(false);
    endReading();
}

void TFormGraphPg::MagnPointBtnClick() {
    if (selecting_ != 0) fixMagnifierPoint();
}

void TFormGraphPg::fixMagnifierPoint() {
    const Slot& source = slots_.currentSlot();
    if (selecting_ == 1) {
        firstPoint_ = source.cursor;
        selecting_ = 2;
        MagnPointBtn->setToolTip(viewerTexts().secondPoint);
        return;
    }
    const int second = source.cursor;
    endMagnifier();
    const auto range = magnifierRange(firstPoint_, second);
    if (!range) {
        showError(kFewPointsText);
        return;
    }
    const Slot magnified = magnifiedSlot(source, *range);
    Diagrams only;
    only[0] = magnified.diagram;
    magnify(only, slots_.kind());
}

// --- arithmetic ---

void TFormGraphPg::SolveSpBtnClick() {
    const std::string sign = ComboBoxSign->currentText().toStdString();
    const std::string name =
        (ComboBox1->currentText() + ComboBoxSign->currentText() + ComboBox2->currentText()).toStdString();
    arithmeticDone(solveArithmetic(slots_, ComboBox1->currentText().toInt(), curveOpOf(sign.at(0)),
                                   ComboBox2->currentText().toInt(), name));
}

void TFormGraphPg::arithmeticDone(const std::string& error) {
    if (!error.empty()) {
        showError(QString::fromStdString(error));
        return;
    }
    syncSlotButtons();
    slotsChanged();
}

}  // namespace velmar::gui
