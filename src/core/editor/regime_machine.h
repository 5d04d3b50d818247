// How the editor moves between its regimes. The window reports what happened (a menu
// item, a speed button, Tab, the outcome of compiling); the machine changes the
// regime in the editor state and answers with the action set to apply and what the
// window must do, in order. It never touches a widget, the canvas or the compiled form.
//
//   event        from            to        the window then
//   Edit         any             Edit      takes the cursor off, releases the compiled
//                                          form if it came from Run, enters Edit
//   Run          any             Run       takes the cursor off, leaves the bank,
//                                          closes the bank panel, compiles
//   Compiled     Run             Run       enters Run, refreshes the parameter grid
//   Faulted      Run             ToEdit    draws the fault cells, releases, goes to Edit
//   Tab          Edit            Bank      opens the bank, the small palette has the keys
//                Bank (small)    Bank      the big palette has the keys
//                Bank (big)      Edit      leaves the bank
//   LeaveBank    Bank            Edit      leaves the bank
//   BankButton   Bank            Edit      leaves and closes the bank
//                Run             Run       opens the bank and goes to Edit
//                other           same      opens or closes the bank
//   File         Run             File      releases the compiled form
//                other           File      takes the cursor off (and leaves the bank)
//   Close        Run             Run       releases the compiled form
//                Bank            Edit      leaves the bank
//   AdvRedOn     any             AdvRed    the regime left is kept for AdvRedOff
//   AdvRedOff    any             kept      redraws
//
// Events that mean nothing in the current regime change nothing and ask for nothing.
#pragma once

#include <optional>
#include <vector>

#include "core/editor/editor_state.h"
#include "core/editor/regime_actions.h"

namespace velmar::editor {

enum class RegimeEvent {
    Edit,        // Edit2, EditBtn, the end of every file command
    Run,         // Run2, RunBtn, SolveBtn outside Run: the scheme is compiled next
    Compiled,    // the compilation on entering Run found no fault
    Faulted,     // it found wiring faults
    Tab,         // the Tab key
    LeaveBank,   // a code chosen from the bank, the bank's menu item in Bank
    BankButton,  // BankBtn
    File,        // New and Open before they replace the scheme
    Close,       // the window closes
    AdvRedOn,    // the "editor" button pressed
    AdvRedOff,   // the "editor" button released
};

// What the window does for a regime switch, after the regime has changed.
enum class RegimeTask {
    RestorePatch,     // take the cursor off the canvas
    LeaveBank,        // drop the bank's highlights
    ReleaseCompiled,  // the compiled form goes
    ShowCaption,      // the status line shows the regime
    ShowBank,         // the bank panel opens, its button down
    HideBank,         // the bank panel closes, its button up
    ToggleBank,       // the bank panel opens or closes
    Highlight,        // the highlight of the palette that has the keys, in view
    Compile,          // compile; the outcome comes back as Compiled or Faulted
    EnterEdit,        // the Edit processor's entry
    EnterRun,         // the Run processor's entry
    RefreshGrid,      // the parameter grid follows the compiled scheme
    RedrawCanvas,     // the scheme with its fault cells
    RedrawAll,        // the scheme and the cursor of the regime
    GoToEdit,         // then the Edit event, as the Edit2 item gives it
};

struct RegimeStep {
    std::optional<RegimeSwitch> actions;  // applied before the tasks
    std::vector<RegimeTask> tasks;
};

class RegimeMachine {
public:
    explicit RegimeMachine(EditorState& state) : state_(state) {}

    // Changes the regime in the editor state for the event; the window carries out the
    // step returned.
    RegimeStep on(RegimeEvent event);

private:
    RegimeStep enter(Regime next, std::optional<RegimeSwitch> actions, std::vector<RegimeTask> tasks);
    RegimeStep tab();
    RegimeStep bankButton();
    // Leaving the bank: its highlights go and the small palette will have the keys.
    void dropBank(std::vector<RegimeTask>& tasks);
    RegimeStep leaveBank(std::vector<RegimeTask> more = {});

    EditorState& state_;
    Regime kept_ = Regime::Edit;  // the regime the mouse editor returns to
};

}  // namespace velmar::editor
