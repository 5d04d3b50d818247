#include "core/shell/configuration.h"

#include <array>

#include "core/model/scheme_file.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPath = "Path";
constexpr std::string_view kLanguage = "Language";
// What a missing "Path" key reads as; it stands for the key's default.
constexpr std::string_view kMissing = "ERROR";

struct LanguageKey {
    Language language;
    std::string_view key;
};
constexpr std::array<LanguageKey, 3> kLanguageKeys = {
    {{Language::English, "Eng"}, {Language::Russian, "Rus"}, {Language::Romanian, "Rom"}}};

struct FolderKey {
    std::string_view key;
    std::string WorkingFolders::*field;
};
constexpr std::array<FolderKey, 3> kFolderKeys = {{{"Schemes", &WorkingFolders::schemes},
                                                   {"Points", &WorkingFolders::points},
                                                   {"Tests", &WorkingFolders::tests}}};

fs::path withoutTrailingSeparator(fs::path p) {
    if (!p.has_filename() && p.has_parent_path()) p = p.parent_path();
    return p;
}

std::string folderText(const fs::path& base, std::string_view name, bool trailingSeparator) {
    std::string text = (withoutTrailingSeparator(base) / name).string();
    if (trailingSeparator) text += fs::path::preferred_separator;
    return text;
}

bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

}  // namespace

fs::path installedShare(const ShellPlaces& places) {
    return withoutTrailingSeparator(places.programFolder).parent_path() / "share" / "velmar";
}

fs::path findDataFolder(const ShellPlaces& places, std::string_view name) {
    const fs::path program = withoutTrailingSeparator(places.programFolder);
    const fs::path candidates[] = {program / name, installedShare(places) / name};
    for (const fs::path& c : candidates)
        if (isFolder(c)) return c;
    return withoutTrailingSeparator(places.sourceData) / name;
}

ShellPaths resolveShellPaths(const ShellPlaces& places) {
    ShellPaths paths;
    // An installed program (its prefix holds share/velmar) keeps its file with the user
    // even where it could write beside itself, e.g. installed into the user's own prefix.
    const bool beside = places.programFolderWritable && !isFolder(installedShare(places));
    paths.configPlace = beside ? ConfigPlace::BesideProgram : ConfigPlace::UserConfig;
    const fs::path home = beside ? places.programFolder : places.userConfigFolder;
    paths.configFile = withoutTrailingSeparator(home) / kConfigFileName;
    const fs::path work = beside ? places.programFolder : places.userDataFolder;
    paths.defaults.schemes = folderText(work, "Schemes", true);
    paths.defaults.points = folderText(work, "Points", true);
    paths.defaults.tests = findDataFolder(places, "Tests").string();
    paths.helpFolder = findDataFolder(places, "help");
    return paths;
}

Configuration::Configuration(fs::path file, WorkingFolders defaults)
    : file_(std::move(file)), defaults_(std::move(defaults)), folders_(defaults_) {}

bool Configuration::exists() const {
    std::error_code ec;
    return fs::is_regular_file(file_, ec);
}

void Configuration::readFolders() {
    folders_ = defaults_;
    IniFile ini = IniFile::load(file_);
    bool written = false;
    for (const FolderKey& k : kFolderKeys) {
        const std::string value = ini.readString(kPath, k.key, kMissing);
        if (value == kMissing) {
            ini.writeString(kPath, k.key, defaults_.*k.field);
            written = true;
        } else {
            folders_.*k.field = value;
        }
    }
    if (written) ini.save(file_);
}

void Configuration::writeFolders(const WorkingFolders& folders) {
    IniFile ini = IniFile::load(file_);
    for (const FolderKey& k : kFolderKeys) ini.writeString(kPath, k.key, folders.*k.field);
    ini.save(file_);
    folders_ = folders;
}

std::vector<Language> Configuration::languagesToApply() const {
    if (!exists()) return {};
    const IniFile ini = IniFile::load(file_);
    std::vector<Language> languages;
    for (const LanguageKey& k : kLanguageKeys)
        if (ini.readBool(kLanguage, k.key, true)) languages.push_back(k.language);
    return languages;
}

void Configuration::writeLanguage(Language language) const {
    if (!exists()) return;
    IniFile ini = IniFile::load(file_);
    for (const LanguageKey& k : kLanguageKeys) ini.writeBool(kLanguage, k.key, k.language == language);
    ini.save(file_);
}

std::vector<fs::path> temporaryFilesAtExit(const fs::path& temporaryFolder, bool configExists,
                                          bool anotherWorkbenchRuns) {
    std::vector<fs::path> files;
    if (anotherWorkbenchRuns) return files;
    // Each is written as a scheme or block file, with its labels file beside it.
    const auto add = [&](const std::string& name) {
        files.push_back(temporaryFolder / name);
        files.push_back(labelsFileFor(files.back()));
    };
    if (configExists)
        for (char digit = '0'; digit <= '9'; ++digit) add(std::string("~VelTmp") + digit + ".tmp");
    for (const char* name : {"~VelTmpC.tmp", "~VelTmpU.tmp", "~VelTmpR.tmp"}) add(name);
    return files;
}

std::string commandLineFile(const std::vector<std::string>& parameters) {
    std::string file;
    for (std::size_t i = 0; i < parameters.size(); ++i) file += (i == 0 ? "" : " ") + parameters[i];
    return file;
}

}  // namespace velmar
