#include "core/shell/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/errors.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;

class ConfigurationTest : public ::testing::Test {
protected:
    ConfigurationTest()
        : root(fs::temp_directory_path() / ("velmar-config-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(root / "prefix" / "bin");
        fs::create_directories(root / "source");
    }
    ~ConfigurationTest() override { fs::remove_all(root); }

    ShellPlaces places(bool writable) const {
        return {root / "prefix" / "bin", writable, root / "config", root / "data", root / "source"};
    }
    static std::string read(const fs::path& file) {
        std::ifstream in(file);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }

    fs::path root;
};

TEST_F(ConfigurationTest, AnInstalledProgramKeepsItsFileAndWorkInTheUsersFolders) {
    const fs::path bin = root / "prefix" / "bin";
    const ShellPaths beside = resolveShellPaths(places(true));
    EXPECT_EQ(beside.configPlace, ConfigPlace::BesideProgram);
    EXPECT_EQ(beside.configFile, bin / "VELMAR.INI");
    EXPECT_EQ(beside.defaults.schemes, (bin / "Schemes").string() + "/");
    EXPECT_EQ(beside.defaults.points, (bin / "Points").string() + "/");

    const ShellPaths installed = resolveShellPaths(places(false));
    EXPECT_EQ(installed.configPlace, ConfigPlace::UserConfig);
    EXPECT_EQ(installed.configFile, root / "config" / "VELMAR.INI");
    EXPECT_EQ(installed.defaults.schemes, (root / "data" / "Schemes").string() + "/");

    // Installed into a prefix the user may write (cmake --install --prefix ~/.local).
    fs::create_directories(root / "prefix" / "share" / "velmar");
    EXPECT_EQ(resolveShellPaths(places(true)).configFile, root / "config" / "VELMAR.INI");
}

// The shipped data is looked for beside the program, then in the installation's share
// folder, then in the source tree; the tests folder has no trailing separator.
TEST_F(ConfigurationTest, DataFoldersAreFoundInTheirOrder) {
    const fs::path bin = root / "prefix" / "bin";
    const fs::path share = root / "prefix" / "share" / "velmar";
    EXPECT_EQ(resolveShellPaths(places(true)).defaults.tests, (root / "source" / "Tests").string());
    EXPECT_EQ(resolveShellPaths(places(true)).helpFolder, root / "source" / "help");
    fs::create_directories(share / "Tests");
    fs::create_directories(share / "help");
    EXPECT_EQ(resolveShellPaths(places(false)).defaults.tests, (share / "Tests").string());
    EXPECT_EQ(resolveShellPaths(places(false)).helpFolder, share / "help");
    fs::create_directories(bin / "Tests");
    EXPECT_EQ(resolveShellPaths(places(true)).defaults.tests, (bin / "Tests").string());
    EXPECT_EQ(resolveShellPaths(places(true)).helpFolder, share / "help");
}

TEST_F(ConfigurationTest, MissingPathKeysTakeTheirDefaultsAndAreWrittenBack) {
    const fs::path file = root / "VELMAR.INI";
    const WorkingFolders defaults{"/d/Schemes/", "/d/Points/", "/d/Tests"};
    write(file, "; mine\n[Path]\nPoints=/my/points\nTests=ERROR\n[Other]\nKey=1\n");
    Configuration config(file, defaults);
    config.readFolders();
    EXPECT_EQ(config.folders(), (WorkingFolders{"/d/Schemes/", "/my/points", "/d/Tests"}));
    EXPECT_EQ(read(file),
              "; mine\n[Path]\nPoints=/my/points\nTests=/d/Tests\nSchemes=/d/Schemes/\n[Other]\nKey=1\n");

    // No file at all: it is made with the three keys.
    const fs::path fresh = root / "fresh" / "VELMAR.INI";
    fs::create_directories(fresh.parent_path());
    Configuration made(fresh, defaults);
    EXPECT_FALSE(made.exists());
    made.readFolders();
    EXPECT_TRUE(made.exists());
    EXPECT_EQ(made.folders(), defaults);
    made.writeFolders({"/a/", "/b/", "/c"});
    Configuration again(fresh, defaults);
    again.readFolders();
    EXPECT_EQ(again.folders(), (WorkingFolders{"/a/", "/b/", "/c"}));

    // A folder that cannot hold the file: the defaults are in force and the fault is told.
    Configuration nowhere(root / "missing" / "VELMAR.INI", defaults);
    EXPECT_THROW(nowhere.readFolders(), FileError);
    EXPECT_EQ(nowhere.folders(), defaults);
}

TEST_F(ConfigurationTest, LanguagesApplyInTheOrderOfTheirKeys) {
    const fs::path file = root / "VELMAR.INI";
    Configuration config(file, {});
    EXPECT_TRUE(config.languagesToApply().empty());  // no file: the window's own texts stay
    config.writeLanguage(Language::Russian);         // and none is made for it
    EXPECT_FALSE(config.exists());

    write(file, "[Path]\nSchemes=/s/\n");
    using L = std::vector<Language>;
    EXPECT_EQ(config.languagesToApply(), (L{Language::English, Language::Russian, Language::Romanian}));
    write(file, "[Language]\nEng=0\nRus=1\n");
    EXPECT_EQ(config.languagesToApply(), (L{Language::Russian, Language::Romanian}));
    config.writeLanguage(Language::English);
    EXPECT_EQ(config.languagesToApply(), L{Language::English});
    EXPECT_EQ(read(file), "[Language]\nEng=1\nRus=0\nRom=0\n");
}

TEST(ShellFiles, ExitRemovesSnapshotsOnlyWithAConfigurationFile) {
    const fs::path tmp = "/tmp";
    const auto with = temporaryFilesAtExit(tmp, true, false);
    ASSERT_EQ(with.size(), 26u);
    EXPECT_EQ(with.front(), tmp / "~VelTmp0.tmp");
    EXPECT_EQ(with[19], tmp / "~VelTmp9.sdf");
    // Each file goes with the labels file written beside it.
    const auto without = temporaryFilesAtExit(tmp, false, false);
    EXPECT_EQ(without, (std::vector<fs::path>{tmp / "~VelTmpC.tmp", tmp / "~VelTmpC.sdf", tmp / "~VelTmpU.tmp",
                                              tmp / "~VelTmpU.sdf", tmp / "~VelTmpR.tmp", tmp / "~VelTmpR.sdf"}));
    // The clipboard and the rest are shared: kept while another workbench runs.
    EXPECT_TRUE(temporaryFilesAtExit(tmp, true, true).empty());
}

TEST(ShellFiles, TheCommandLineIsOneFileNameJoinedWithBlanks) {
    EXPECT_EQ(commandLineFile({}), "");
    EXPECT_EQ(commandLineFile({"/home/u/My", "scheme.shm"}), "/home/u/My scheme.shm");
    EXPECT_EQ(commandLineFile({"a.shm"}), "a.shm");
}

}  // namespace
}  // namespace velmar
