// The main window's share of the application shell: the configuration file and the
// working folders, the interface language, the help and description windows, and what
// the block popup's test-scheme commands remember.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "core/shell/configuration.h"
#include "core/shell/presence.h"
#include "core/shell/recovery.h"
#include "core/shell/translations.h"
#include "gui/shell/localiser.h"

namespace velmar::gui {

class THelpForm;
class THintForm;

// The program's own surroundings: its folder, the user's folders, the source tree's
// data folder.
ShellPlaces programPlaces();

struct ShellState {
    ShellPaths paths;
    // The configuration file, when the window uses one (the program does, a window
    // made for a test only when given its surroundings).
    std::optional<Configuration> config;
    WorkingFolders folders;
    // Where the scheme dialogs start: the schemes folder, until a file is chosen
    // elsewhere; the Path dialog points it back to the schemes folder.
    QString schemeDialogFolder;
    // This workbench's mark in the temporary folder and its recovery copies, when the
    // window has the program's surroundings.
    std::optional<PresenceMark> presence;
    std::unique_ptr<RecoveryStore> recovery;
    Localisation texts;
    std::unique_ptr<WindowLocaliser> localiser;
    THelpForm* help = nullptr;  // made on first use, a child window
    THintForm* hint = nullptr;

    int popupCode = 0;             // the block type of the popup last shown
    std::string testFile;          // the test scheme last loaded from a popup, for its description
    bool testBlockChosen = false;  // a block chosen in the bank while a test scheme is open
    bool descriptionOff = false;   // ... and then put down: the description no longer fits
};

}  // namespace velmar::gui
