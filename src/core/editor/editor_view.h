// What the editor's processors need from the canvas that shows the scheme. The window
// implements it on its drawing image; tests implement it in memory.
//
// The cursor is drawn over the canvas: before it is drawn the block-sized patch under
// it is saved, and before it moves the patch is restored, so a cursor move never
// redraws the scheme. Cells changed through the scheme model are drawn by the view
// itself (it listens to Scheme::onCellsChanged).
#pragma once

#include <cstdint>

#include "core/editor/cursor_motion.h"

namespace velmar::editor {

class EditorView {
public:
    virtual ~EditorView() = default;
    virtual Viewport viewport() const = 0;
    virtual void scrollTo(int x, int y) = 0;
    virtual void savePatch(Cell at) = 0;
    virtual void restorePatch() = 0;
    virtual void drawCursor(Cell at, std::uint8_t code) = 0;
    virtual void redraw() = 0;
};

}  // namespace velmar::editor
