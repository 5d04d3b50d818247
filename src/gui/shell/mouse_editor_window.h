// The mouse editor ("Editor", the regime "AdvRed") as the main window shows it: its
// focus rectangles over the canvas, its two popups, the Cut, Copy, Paste and Del speed
// buttons, and its commands. What each command does is the mouse editor's.
#pragma once

#include <QObject>

#include "core/editor/mouse_editor.h"

class QMenu;

namespace velmar::gui {

class TFormMain;

class MouseEditorWindow : public QObject, public editor::MouseEditorView {
public:
    explicit MouseEditorWindow(TFormMain& form);

    // Connects the popups' items and the speed buttons, once the actions are built.
    void connectActions(QMenu* commands, QMenu* dragChoice);
    // Ctrl+X, Ctrl+C and Ctrl+V; false when the key is not the mouse editor's now.
    bool key(int key);

    // The commands of the popup and the speed buttons, in "AdvRed" only.
    void cut() { command(&editor::MouseEditor::cut); }
    void copy() { command(&editor::MouseEditor::copy); }
    void paste() { command(&editor::MouseEditor::paste); }
    void remove() { command(&editor::MouseEditor::remove); }
    void writeBlock() { command(&editor::MouseEditor::writeBlock); }
    void readBlock() { command(&editor::MouseEditor::readBlock); }
    void clear() { command(&editor::MouseEditor::clear); }
    // The drag popup's answers.
    void dragCopies() { dragChosen(editor::DragChoice::Copy); }
    void dragMoves() { dragChosen(editor::DragChoice::Move); }
    void dragCancelled() { dragChosen(editor::DragChoice::Cancel); }

    void redraw() override;
    void showFocus(const std::vector<editor::PixelRect>& rects) override;
    void offerDragChoice(editor::PixelPoint at) override;
    void offerCommands(editor::PixelPoint at, const editor::MouseCommands& enabled) override;
    void buttonsChanged(const editor::MouseCommands& enabled) override;
    void takeSnapshot() override;

private:
    void command(void (editor::MouseEditor::*run)());
    void dragChosen(editor::DragChoice choice);
    bool active() const;

    TFormMain& form_;
    QMenu* commands_ = nullptr;    // PopupMenu2
    QMenu* dragChoice_ = nullptr;  // PopupMenu3
};

}  // namespace velmar::gui
