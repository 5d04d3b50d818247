// Which menu items and speed buttons each regime switch enables and disables, by their
// component names. The window applies these sets; everything it does not name keeps
// its state.
#pragma once

#include <string_view>
#include <vector>

namespace velmar::editor {

enum class RegimeSwitch {
    Edit,       // entering "Edit"
    Bank,       // the bank button
    Run,        // entering "Run"
    File,       // New, Open, Undo and Redo before they enter "Edit"
    AdvRedOn,   // the "editor" button pressed
    AdvRedOff,  // the "editor" button released
};

struct ActionSet {
    std::vector<std::string_view> enable;
    std::vector<std::string_view> disable;
};

// The thirteen analysis items of the Run menu and the ten items of the Edit menu.
const std::vector<std::string_view>& analysisItems();
const std::vector<std::string_view>& editItems();

const ActionSet& regimeActions(RegimeSwitch s);

}  // namespace velmar::editor
