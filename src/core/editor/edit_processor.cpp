#include "core/editor/edit_processor.h"

#include "core/model/catalogue.h"

#include "core/editor/key_codes.h"
#include "core/editor/line_drawing.h"
#include "core/editor/marked_block.h"
#include "core/model/element_carry.h"

#include <optional>

namespace velmar::editor {

namespace {

void scrollIntoView(EditorView& view, Cell at) {
    const Viewport before = view.viewport();
    const Viewport after = keepVisible(at, before);
    if (after.x != before.x || after.y != before.y) view.scrollTo(after.x, after.y);
}

}  // namespace

void EditProcessor::showCursor() {
    view_.savePatch(state_.cursor);
    view_.drawCursor(state_.cursor, state_.held);
}

void EditProcessor::enter() {
    showCursor();
    state_.captionsShown = true;
}

void EditProcessor::key(int code) {
    if (isMovementKey(code, false)) {
        move(code);
        // A corner is formed only between two consecutive Shift moves.
        state_.previousDirection = state_.shift ? code : 0;
    } else if (code == kKeyEnter) {
        putDown();
    } else if (code == kKeySpace) {
        pickUp();
    }
}

void EditProcessor::move(int key) {
    Scheme& scheme = wb_.scheme;
    const Cell left = state_.cursor;
    const std::uint8_t before = scheme.cell(left.col, left.row);
    view_.restorePatch();
    const bool drawing = state_.shift && isLineDirection(key);
    const LineMode mode{state_.numLock, state_.scrollLock};
    if (drawing) {
        const std::uint8_t code = leavingCode(before, key, state_.previousDirection, mode);
        if (code != before) {
            state_.held = code;
            scheme.PutCell(left.col, left.row, code);
        }
    }
    state_.cursor = moveCursor(left, key, view_.viewport());
    scrollIntoView(view_, state_.cursor);
    const std::uint8_t entered = scheme.cell(state_.cursor.col, state_.cursor.row);
    if (drawing) {
        const std::uint8_t code = enteringCode(entered, key, mode);
        state_.held = code;
        if (code != entered) scheme.PutCell(state_.cursor.col, state_.cursor.row, code);
    }
    showCursor();
    // A line drawn into a block or a node ends in an arrow at its edge.
    const bool intoElement =
        !blockInfo(entered).isPiece() && state_.held != before && !(state_.cursor == left);
    if (drawing && state_.autoArrows && !mode.scrollLock && intoElement)
        scheme.PutCell(left.col, left.row, arrowFor(key));
}

void EditProcessor::moveTo(Cell to) {
    view_.restorePatch();
    state_.cursor = {clampToCursorRange(to.col), clampToCursorRange(to.row)};
    // A jump ends the line being drawn: the next Shift move starts a new one, straight.
    state_.previousDirection = 0;
    scrollIntoView(view_, state_.cursor);
    showCursor();
}

void EditProcessor::putDown() {
    view_.restorePatch();
    wb_.scheme.PutCell(state_.cursor.col, state_.cursor.row, state_.held);
    showCursor();
}

void EditProcessor::pickUp() {
    state_.held = wb_.scheme.cell(state_.cursor.col, state_.cursor.row);
    view_.restorePatch();
    showCursor();
}

void EditProcessor::dropDragged(Cell from, Cell to, bool move) {
    // The block put down takes along what the one picked up carried.
    const Element* picked = wb_.scheme.ElementAt(from.col, from.row);
    const std::optional<ElementCarry> carry =
        picked != nullptr && picked->Code == state_.held ? std::optional(carryOf(wb_.scheme, *picked)) : std::nullopt;
    moveTo(to);
    putDown();
    if (carry) landCarry(wb_.scheme, to.col, to.row, *carry);
    if (!move) return;
    const Element* source = wb_.scheme.ElementAt(from.col, from.row);
    if (source != nullptr && source == wb_.scheme.ElementAt(to.col, to.row)) return;
    view_.restorePatch();
    wb_.scheme.EraseCell(from.col, from.row);
    showCursor();
}

void EditProcessor::command(int code) {
    Scheme& scheme = wb_.scheme;
    const Cell at = state_.cursor;
    view_.restorePatch();
    switch (code) {
        case kCmdMarkBegin:
            scheme.mark.left = at.col;
            scheme.mark.top = at.row;
            break;
        case kCmdMarkEnd:
            scheme.mark.right = at.col;
            scheme.mark.bottom = at.row;
            break;
        case kCmdCopyBlock:
        case kCmdMoveBlock: copyMarkedBlock(scheme, at, code == kCmdMoveBlock); break;
        case kCmdDeleteBlock: deleteMarkedBlock(scheme); break;
        case kCmdZoom: wb_.ui().message(Box::Information, "Хочешь в Масштабе? Смотри карту!"); break;
        case kCmdClearScreen:
            if (wb_.ui().ask("", "Очистить экран?", false) == Reply::Yes) scheme.NewScheme();
            break;
        default: break;
    }
    view_.redraw();
    showCursor();
}

void RunProcessor::enter() {
    state_.held = 0;
    view_.savePatch(state_.cursor);
    view_.drawCursor(state_.cursor, 0);
}

void RunProcessor::moveTo(Cell to) {
    view_.restorePatch();
    state_.cursor = {clampToCursorRange(to.col), clampToCursorRange(to.row)};
    scrollIntoView(view_, state_.cursor);
    view_.savePatch(state_.cursor);
    view_.drawCursor(state_.cursor, 0);
}

void RunProcessor::key(int code) {
    if (isMovementKey(code, true)) moveTo(moveCursor(state_.cursor, code, view_.viewport()));
}

}  // namespace velmar::editor
