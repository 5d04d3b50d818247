// The processors of the cursor regimes: "Edit" (moving, putting down and picking up
// codes, drawing lines with Shift, the marked-block commands) and the cursor of "Run"
// (moving over the compiled scheme; Enter and the analysis commands go to the Run-regime
// dispatcher of the analysis).
#pragma once

#include <cstdint>

#include "core/editor/editor_state.h"
#include "core/editor/editor_view.h"
#include "core/workbench/workbench.h"

namespace velmar::editor {

class EditProcessor {
public:
    EditProcessor(Workbench& wb, EditorState& state, EditorView& view)
        : wb_(wb), state_(state), view_(view) {}

    // Entering "Edit": the cursor is drawn with the held code and captions are shown.
    void enter();
    // A key code: movement keys move (and draw lines while the shift flag is set),
    // Enter puts the held code down, Space picks up the code under the cursor.
    void key(int code);
    // The marked-block commands 23..27, zoom (29) and clear screen (32).
    void command(int code);
    // The cursor jumps to a cell (the mouse), without drawing lines; a line drawn next
    // starts afresh.
    void moveTo(Cell to);
    void putDown();
    void pickUp();
    // The end of a Ctrl drag with the mouse: the code picked up at `from` is put down at
    // `to`, with the parameters, marks and label of the element picked up; a move also
    // erases `from`, unless the code put down covers it.
    void dropDragged(Cell from, Cell to, bool move);

private:
    void move(int key);
    void showCursor();

    Workbench& wb_;
    EditorState& state_;
    EditorView& view_;
};

class RunProcessor {
public:
    RunProcessor(EditorState& state, EditorView& view) : state_(state), view_(view) {}

    // Entering "Run" (mode 0): the cursor is drawn, carrying no code.
    void enter();
    // Movement keys, with the digits moving a block width.
    void key(int code);
    void moveTo(Cell to);

private:
    EditorState& state_;
    EditorView& view_;
};

}  // namespace velmar::editor
