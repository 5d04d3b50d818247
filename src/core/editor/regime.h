// The editor's regimes: what the keys and the mouse do at a given moment. The status
// line shows the current one.
#pragma once

#include <string>
#include <string_view>

namespace velmar::editor {

enum class Regime {
    New,     // until the window is first shown
    Edit,    // the cursor keys move and draw, Enter puts down, Space picks up
    Bank,    // the keys move the highlight in the Bank of Blocks
    Run,     // the compiled scheme: keys go to the Run-regime processor, Solve works
    AdvRed,  // the mouse editor: selection, drag and popup menus
    File,    // New and Open until they have replaced the scheme
    ToEdit,  // a wiring fault found on entering Run; "Edit" follows at once
};

// The regime's name: "Edit", "AdvRed", ...
std::string_view regimeName(Regime regime);

// The regime as the status line shows it: the mouse editor as "Editor"; the passing
// regimes (New, File, ToEdit) show nothing.
std::string regimeCaption(Regime regime);

}  // namespace velmar::editor
