// The mouse editor, the regime "AdvRed" (shown as "Editor"). A rubber band drawn with
// the left button selects the cells it covers (the selection is the scheme's mark); a
// press inside the selection drags it, and dropping it elsewhere offers to copy or move
// it there. A right click offers cut, copy, paste, delete, the block files and clearing
// the scheme, each enabled by what is possible. Cut and copy go through the clipboard
// file shared by every running workbench; every change takes an undo snapshot first.
#pragma once

#include <vector>

#include "core/editor/canvas_mouse.h"
#include "core/editor/editor_state.h"
#include "core/editor/file_session.h"
#include "core/workbench/workbench.h"

namespace velmar::editor {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(PixelPoint a, PixelPoint b) { return a.x == b.x && a.y == b.y; }
};

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool contains(PixelPoint p) const { return p.x >= x && p.x < x + width && p.y >= y && p.y < y + height; }
    PixelRect moved(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The mouse editor's commands that can be given now.
struct MouseCommands {
    bool cut = false, copy = false, del = false, write = false;  // need a selection
    bool paste = false;                                          // needs the clipboard file
    bool read = false, clear = false;
    friend bool operator==(const MouseCommands&, const MouseCommands&) = default;
};

enum class DragChoice { Copy, Move, Cancel };

class MouseEditorView {
public:
    virtual ~MouseEditorView() = default;
    // The scheme; the items of the selection are drawn in silver.
    virtual void redraw() = 0;
    // The focus rectangles over the canvas: the band, or the selection and each of its
    // items; none removes them.
    virtual void showFocus(const std::vector<PixelRect>& rects) = 0;
    // "Копировать", "Переместить", "Отменить" near the mouse; the answer comes back
    // through dragChosen.
    virtual void offerDragChoice(PixelPoint at) = 0;
    // The right-click popup with its items enabled as given.
    virtual void offerCommands(PixelPoint at, const MouseCommands& enabled) = 0;
    // The Cut, Copy, Paste and Del speed buttons.
    virtual void buttonsChanged(const MouseCommands& enabled) = 0;
    // Before a change: the undo snapshot.
    virtual void takeSnapshot() = 0;
};

class MouseEditor {
public:
    MouseEditor(Workbench& wb, EditorState& state, FileSession& files, MouseEditorView& view)
        : wb_(wb), state_(state), files_(files), view_(view) {}

    // Entering or leaving the regime: nothing selected, nothing dragged.
    void reset();

    void press(MouseButton button, PixelPoint at);
    void move(PixelPoint at);
    void release(MouseButton button, PixelPoint at);
    void dragChosen(DragChoice choice);

    // The commands; cut, copy, delete and write need a selection. Paste and read put the
    // block down at the cell last pressed, and what they put down becomes the selection.
    void cut();
    void copy();
    void paste();
    void remove();
    void writeBlock();
    void readBlock();
    void clear();

    bool hasSelection() const { return selected_; }
    bool dragChoicePending() const { return pending_; }
    PixelPoint lastPress() const { return lastPress_; }
    MouseCommands buttons() const;
    MouseCommands popupCommands(bool insideSelection) const;
    // The selection's rectangle and those of the items in it, in canvas pixels.
    PixelRect selectionRect() const;
    std::vector<PixelRect> itemRects() const;

private:
    void dropSelection();
    // The mark becomes the selection when it holds an item; else it is dropped.
    void selectMark();
    void showSelection(int dx = 0, int dy = 0);
    void finished();

    Workbench& wb_;
    EditorState& state_;
    FileSession& files_;
    MouseEditorView& view_;

    bool selected_ = false;
    bool banding_ = false;
    bool dragging_ = false;
    bool pending_ = false;  // the drag popup waits for its answer
    PixelPoint anchor_;     // where the band or the drag started
    PixelPoint lastPress_;
    Cell dropAt_;  // where a drag was dropped
};

}  // namespace velmar::editor
