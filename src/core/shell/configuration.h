// Where the workbench keeps its configuration and finds its data, and the
// configuration file "VELMAR.INI" itself.
//
// The file lives beside the program while the program's folder is writable (a program
// run from where it was built or unpacked); an installed program — its folder is not
// writable, or its prefix holds share/velmar — keeps it in the user's configuration
// folder. The working folders "Schemes" and
// "Points" default to the same place (the user's data folder for an installed
// program). The shipped test schemes and help pages are found beside the program, in
// the installation's share folder, or in the source tree, whichever comes first.
//
// The file: section "Path" with "Schemes", "Points", "Tests" (strings), section
// "Language" with "Eng", "Rus", "Rom" (booleans). A missing "Path" key reads as the
// text "ERROR", which stands for the key's default; the default is written back at
// once. Folder values are used as they are read.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/shell/ini_file.h"
#include "core/shell/translations.h"

namespace velmar {

inline constexpr std::string_view kConfigFileName = "VELMAR.INI";

// What the program knows about its surroundings; the window system supplies it.
struct ShellPlaces {
    std::filesystem::path programFolder;  // the folder of the program file
    bool programFolderWritable = true;
    std::filesystem::path userConfigFolder;  // e.g. ~/.config/velmar
    std::filesystem::path userDataFolder;    // e.g. ~/.local/share/velmar
    std::filesystem::path sourceData;        // the source tree's data folder, built in
    // e.g. ~/.local/state/velmar, where the recovery copies are kept; none without it
    std::filesystem::path userStateFolder;
};

enum class ConfigPlace { BesideProgram, UserConfig };

struct WorkingFolders {
    std::string schemes;
    std::string points;
    std::string tests;
    bool operator==(const WorkingFolders&) const = default;
};

struct ShellPaths {
    std::filesystem::path configFile;
    ConfigPlace configPlace = ConfigPlace::BesideProgram;
    // The defaults of the "Path" keys and of the Path dialog's "По умолчанию": the
    // schemes and points folders end in a separator, the tests folder does not.
    WorkingFolders defaults;
    std::filesystem::path helpFolder;  // holds one folder per language
};

// The first of: beside the program, the installation's share/velmar folder (the
// program being in <prefix>/bin), the source tree's data folder; the last when none
// exists.
std::filesystem::path findDataFolder(const ShellPlaces& places, std::string_view name);
// Where an installation keeps the shipped data: <prefix>/share/velmar.
std::filesystem::path installedShare(const ShellPlaces& places);

ShellPaths resolveShellPaths(const ShellPlaces& places);

class Configuration {
public:
    Configuration(std::filesystem::path file, WorkingFolders defaults);

    const std::filesystem::path& file() const { return file_; }
    bool exists() const;

    // Reads the "Path" keys; a missing one takes its default, which is written back at
    // once. Throws FileError when the file cannot be read or written; the folders are
    // set before a write fails.
    void readFolders();
    const WorkingFolders& folders() const { return folders_; }
    // The Path dialog's OK: the three folders, written at once. Throws FileError.
    void writeFolders(const WorkingFolders& folders);

    // The languages to apply, in order, read from the file as it is now: each of
    // "Eng", "Rus", "Rom" that is true (a missing key counts as true), none without a
    // file. So a file without "Language" keys ends in Romanian. Throws FileError.
    std::vector<Language> languagesToApply() const;
    // Marks the language true and the others false, when the file exists. Throws
    // FileError.
    void writeLanguage(Language language) const;

private:
    std::filesystem::path file_;
    WorkingFolders defaults_;
    WorkingFolders folders_;
};

// The temporary files the workbench removes at exit, in the temporary folder: the
// undo snapshots "~VelTmp0.tmp" to "~VelTmp9.tmp" when the configuration file exists,
// and "~VelTmpC.tmp", "~VelTmpU.tmp", "~VelTmpR.tmp", each with its labels file ".sdf"
// beside it. Every workbench using the folder
// shares these names (a block copied in one is pasted in another), so none is removed
// while another workbench still runs there.
std::vector<std::filesystem::path> temporaryFilesAtExit(const std::filesystem::path& temporaryFolder,
                                                        bool configExists, bool anotherWorkbenchRuns);

// A command line's parameters as one file name: joined with single blanks, so that a
// path with blanks arrives whole.
std::string commandLineFile(const std::vector<std::string>& parameters);

}  // namespace velmar
