#include "core/shell/shell_texts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "core/shell/translations.h"

namespace velmar {
namespace {

TEST(ShellTexts, TheAboutBoxSaysWhereTheConfigurationIs) {
    ShellPaths paths;
    paths.configFile = "/home/u/.config/velmar/VELMAR.INI";
    paths.configPlace = ConfigPlace::UserConfig;
    paths.helpFolder = "/opt/velmar/help";
    WorkingFolders folders;
    folders.tests = "/opt/velmar/Tests";
    const std::string configured = aboutText(paths, true, folders);
    EXPECT_NE(
        configured.find("Configuration: /home/u/.config/velmar/VELMAR.INI (in your configuration folder, "
                        "the program's folder is not writable)."),
        std::string::npos);
    EXPECT_NE(configured.find("\nTest schemes: /opt/velmar/Tests\nHelp: /opt/velmar/help"),
              std::string::npos);
    paths.configPlace = ConfigPlace::BesideProgram;
    EXPECT_NE(aboutText(paths, true, folders).find("(beside the program)."), std::string::npos);
    EXPECT_NE(aboutText(paths, false, folders).find("No configuration file is used."), std::string::npos);
}

TEST(ShellTexts, TheRecoveryQuestionNamesTheFileAndTheLocalTimeItWasKept) {
    setenv("TZ", "UTC", 1);
    tzset();
    RecoveredScheme orphan;
    orphan.fileName = "loop.shm";
    orphan.keptAt = 1700000000;  // 2023-11-14 22:13:20 UTC
    EXPECT_EQ(recoveryQuestion(orphan),
              "A workbench that did not close kept its unsaved scheme \"loop.shm\" at 2023-11-14 22:13:20. "
              "Reopen it?\n\nNo deletes the copy, Cancel keeps it for the next start.");
}

// The faults are said in the interface language: their texts must stay those of the
// translation table's messages.
TEST(ShellTexts, TheCalculatorsFaultsAreSaidInTheLanguageInForce) {
    Localisation texts;
    texts.apply(Language::Russian);
    EXPECT_EQ(texts.say(calculatorMissingText("kcalc, xcalc")),
              "Калькулятор не найден! Искали: kcalc, xcalc.");
    EXPECT_EQ(texts.say(calculatorFailedText("/usr/bin/xcalc")),
              "Неизвестная ошибка! Нет калькулятора! /usr/bin/xcalc не запустился.");
}

}  // namespace
}  // namespace velmar
