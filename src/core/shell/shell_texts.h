// What the shell's own commands say: the about box, the calculator the Tools menu
// starts and its faults, the question of a recovery copy.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/shell/configuration.h"
#include "core/shell/recovery.h"

namespace velmar {

// The desktop calculators, the first found is started.
inline constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc",         "galculator",
                                               "mate-calc",        "qalculate-gtk", "xcalc"};

// None of `tried` (the programs, comma separated) was found.
std::string calculatorMissingText(std::string_view tried);
// `program` was found but did not start.
std::string calculatorFailedText(std::string_view program);

// The about box: the program, where its configuration is (none when `configured` is
// false), its test schemes and its help.
std::string aboutText(const ShellPaths& paths, bool configured, const WorkingFolders& folders);

// Whether to reopen the unsaved scheme a workbench that did not close kept; the time
// it was kept is given in local time.
std::string recoveryQuestion(const RecoveredScheme& orphan);

}  // namespace velmar
