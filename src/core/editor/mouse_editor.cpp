#include "core/editor/mouse_editor.h"

#include <algorithm>
#include <cstdlib>

#include "core/editor/block_clipboard.h"
#include "core/editor/marked_block.h"
#include "core/model/catalogue.h"

namespace velmar::editor {

namespace {

Cell cellOf(PixelPoint p) { return cellAtPixel(p.x, p.y); }

}  // namespace

PixelRect MouseEditor::selectionRect() const {
    const Mark& m = wb_.scheme.mark;
    if (m.empty()) return {};
    return {m.left * kCellWidth, m.top * kCellHeight, (m.right - m.left + 1) * kCellWidth,
            (m.bottom - m.top + 1) * kCellHeight};
}

std::vector<PixelRect> MouseEditor::itemRects() const {
    const Scheme& s = wb_.scheme;
    const Mark& m = s.mark;
    std::vector<PixelRect> items;
    if (m.empty()) return items;
    for (int c = m.left; c <= m.right; ++c)
        for (int r = m.top; r <= m.bottom; ++r) {
            const std::uint8_t code = s.cell(c, r);
            if (code != 0 && !isBlockCode(code))
                items.push_back({c * kCellWidth, r * kCellHeight, kCellWidth, kCellHeight});
            else if (s.IsBlockCorner(c, r))
                items.push_back({c * kCellWidth, r * kCellHeight, kBlockWidth, kBlockHeight});
        }
    return items;
}

MouseCommands MouseEditor::buttons() const {
    MouseCommands b;
    b.cut = b.copy = b.del = selected_;
    b.paste = clipboardHolds();
    return b;
}

MouseCommands MouseEditor::popupCommands(bool insideSelection) const {
    MouseCommands c;
    if (insideSelection) {
        c.cut = c.copy = c.del = c.write = true;
    } else {
        c.paste = clipboardHolds();
        c.read = c.clear = true;
    }
    return c;
}

void MouseEditor::showSelection(int dx, int dy) {
    std::vector<PixelRect> rects;
    if (selected_) {
        rects.push_back(selectionRect().moved(dx, dy));
        for (const PixelRect& r : itemRects()) rects.push_back(r.moved(dx, dy));
    }
    view_.showFocus(rects);
}

void MouseEditor::finished() {
    view_.redraw();
    showSelection();
    view_.buttonsChanged(buttons());
}

void MouseEditor::dropSelection() {
    wb_.scheme.mark = Mark{};
    selected_ = false;
}

void MouseEditor::selectMark() {
    Mark& m = wb_.scheme.mark;
    m.right = std::min(m.right, GridMax);
    m.bottom = std::min(m.bottom, GridMax);
    selected_ = !itemRects().empty();
    if (!selected_) dropSelection();
}

void MouseEditor::reset() {
    dropSelection();
    banding_ = dragging_ = pending_ = false;
    view_.showFocus({});
}

void MouseEditor::press(MouseButton button, PixelPoint at) {
    if (pending_) dragChosen(DragChoice::Cancel);
    lastPress_ = at;
    if (button == MouseButton::Right) {
        view_.offerCommands(at, popupCommands(selected_ && selectionRect().contains(at)));
        return;
    }
    if (button != MouseButton::Left) return;
    anchor_ = at;
    if (selected_ && selectionRect().contains(at)) {
        dragging_ = true;
        return;
    }
    dropSelection();
    view_.redraw();
    view_.buttonsChanged(buttons());
    banding_ = true;
    view_.showFocus({{at.x, at.y, 1, 1}});
}

void MouseEditor::move(PixelPoint at) {
    if (banding_) {
        view_.showFocus({{std::min(anchor_.x, at.x), std::min(anchor_.y, at.y),
                          std::abs(at.x - anchor_.x) + 1, std::abs(at.y - anchor_.y) + 1}});
    } else if (dragging_) {
        showSelection(at.x - anchor_.x, at.y - anchor_.y);
    }
}

void MouseEditor::release(MouseButton button, PixelPoint at) {
    if (button != MouseButton::Left) return;
    if (banding_) {
        banding_ = false;
        if (at == anchor_) {
            // A click: the cursor goes to the cell, nothing is selected.
            state_.cursor = cellOf(at);
            view_.showFocus({});
            return;
        }
        const Cell from = cellOf({std::min(anchor_.x, at.x), std::min(anchor_.y, at.y)});
        const Cell to = cellOf({std::max(anchor_.x, at.x), std::max(anchor_.y, at.y)});
        wb_.scheme.mark = Mark{from.col, from.row, to.col, to.row};
        selectMark();
        finished();
    } else if (dragging_) {
        dragging_ = false;
        const PixelRect dropped = selectionRect().moved(at.x - anchor_.x, at.y - anchor_.y);
        dropAt_ = cellOf({dropped.x, dropped.y});
        const Mark& m = wb_.scheme.mark;
        if (dropAt_.col != m.left || dropAt_.row != m.top) {
            pending_ = true;
            view_.offerDragChoice(at);
        } else {
            dragChosen(DragChoice::Cancel);
        }
    }
}

void MouseEditor::dragChosen(DragChoice choice) {
    const bool wasPending = pending_;
    pending_ = false;
    if (choice != DragChoice::Cancel && wasPending && selected_) {
        view_.takeSnapshot();
        state_.cursor = dropAt_;
        copyMarkedBlock(wb_.scheme, dropAt_, choice == DragChoice::Move);
    }
    dropSelection();
    finished();
}

void MouseEditor::copy() {
    if (selected_ && files_.tryFile([&] { copyToClipboard(wb_.scheme); })) view_.buttonsChanged(buttons());
}

void MouseEditor::cut() {
    if (!selected_) return;
    view_.takeSnapshot();
    // The block is deleted only once it is safe in the clipboard.
    if (files_.tryFile([&] { copyToClipboard(wb_.scheme); })) {
        deleteMarkedBlock(wb_.scheme);
        dropSelection();
    }
    finished();
}

void MouseEditor::remove() {
    if (!selected_) return;
    view_.takeSnapshot();
    deleteMarkedBlock(wb_.scheme);
    dropSelection();
    finished();
}

void MouseEditor::paste() {
    if (!clipboardHolds()) return;
    view_.takeSnapshot();
    if (files_.tryFile([&] { pasteFromClipboard(wb_.scheme, cellOf(lastPress_)); })) selectMark();
    finished();
}

void MouseEditor::writeBlock() {
    if (selected_) writeBlockFile(files_, wb_);
}

void MouseEditor::readBlock() {
    if (readBlockFile(files_, wb_, cellOf(lastPress_), [&] { view_.takeSnapshot(); })) {
        state_.held = 0;
        selectMark();
    }
    finished();
}

void MouseEditor::clear() {
    view_.takeSnapshot();
    wb_.scheme.NewScheme();
    dropSelection();
    finished();
}

}  // namespace velmar::editor
