#include "core/shell/shell_texts.h"

#include <array>
#include <ctime>

namespace velmar {

std::string calculatorMissingText(std::string_view tried) {
    return "Calculator not found! Looked for: " + std::string(tried) + ".";
}

std::string calculatorFailedText(std::string_view program) {
    return "Unknown error! No calculator! " + std::string(program) + " did not start.";
}

std::string aboutText(const ShellPaths& paths, bool configured, const WorkingFolders& folders) {
    std::string where = "No configuration file is used.";
    if (configured)
        where = "Configuration: " + paths.configFile.string() + " (" +
                (paths.configPlace == ConfigPlace::BesideProgram
                     ? "beside the program"
                     : "in your configuration folder, the program's folder is not writable") +
                ").";
    return "VELMAR for Windows\n\nA workbench for the study of automatic control systems.\n\n" + where +
           "\nTest schemes: " + folders.tests + "\nHelp: " + paths.helpFolder.string();
}

std::string recoveryQuestion(const RecoveredScheme& orphan) {
    const std::time_t kept = static_cast<std::time_t>(orphan.keptAt);
    std::array<char, 32> when{};
    if (const std::tm* local = std::localtime(&kept))
        std::strftime(when.data(), when.size(), "%Y-%m-%d %H:%M:%S", local);
    return "A workbench that did not close kept its unsaved scheme \"" + orphan.fileName + "\" at " +
           when.data() + ". Reopen it?\n\nNo deletes the copy, Cancel keeps it for the next start.";
}

}  // namespace velmar
