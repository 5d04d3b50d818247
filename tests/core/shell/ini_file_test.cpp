#include "core/shell/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmar {
namespace {

constexpr std::string_view kConfig =
    "; working folders\r\n"
    "[Path]\r\n"
    "Schemes = C:\\Velmar\\Schemes\\ \r\n"
    "points=\"C:\\Velmar\\My Points\\\"\r\n"
    "Schemes=second one is ignored\r\n"
    "\r\n"
    "[Language]\r\n"
    "Eng=0\r\n"
    "Rus=1\r\n";

TEST(IniFile, ReadsKeysOfTheirSectionOnly) {
    const IniFile ini = IniFile::parse(kConfig);
    EXPECT_TRUE(ini.hasSection("path"));
    EXPECT_FALSE(ini.hasSection("Tests"));
    // Names without regard to case, values trimmed and unquoted, the first key counting.
    EXPECT_EQ(ini.readString("PATH", "schemes", "ERROR"), "C:\\Velmar\\Schemes\\");
    EXPECT_EQ(ini.readString("Path", "Points", "ERROR"), "C:\\Velmar\\My Points\\");
    EXPECT_EQ(ini.readString("Path", "Tests", "ERROR"), "ERROR");
    EXPECT_EQ(ini.readString("Language", "Schemes", "ERROR"), "ERROR");
    EXPECT_FALSE(ini.value("Missing", "Eng").has_value());
    EXPECT_FALSE(ini.value("Path", "; working folders").has_value());
}

TEST(IniFile, ReadsTheUsualBooleanForms) {
    const IniFile ini =
        IniFile::parse("[B]\na=1\nb=True\nc=yes\nd=ON\ne=0\nf=false\ng=No\nh=off\ni=maybe\nj=\n");
    for (const char* key : {"a", "b", "c", "d"}) EXPECT_TRUE(ini.readBool("B", key, false)) << key;
    for (const char* key : {"e", "f", "g", "h"}) EXPECT_FALSE(ini.readBool("B", key, true)) << key;
    // Anything else, and a missing key, keeps the fallback.
    for (const char* key : {"i", "j", "missing"}) {
        EXPECT_TRUE(ini.readBool("B", key, true)) << key;
        EXPECT_FALSE(ini.readBool("B", key, false)) << key;
    }
}

TEST(IniFile, WritingKeepsEverythingElse) {
    IniFile ini = IniFile::parse(kConfig);
    ini.writeString("path", "POINTS", "D:\\Points\\");  // replaced on its own line
    ini.writeString("Path", "Tests", "D:\\Tests");      // added at the end of the section
    ini.writeBool("Language", "Rom", false);
    ini.writeString("Window", "State", "max");  // a new section at the end
    EXPECT_EQ(ini.text(),
              "; working folders\r\n"
              "[Path]\r\n"
              "Schemes = C:\\Velmar\\Schemes\\ \r\n"
              "POINTS=D:\\Points\\\r\n"
              "Schemes=second one is ignored\r\n"
              "Tests=D:\\Tests\r\n"
              "\r\n"
              "[Language]\r\n"
              "Eng=0\r\n"
              "Rus=1\r\n"
              "Rom=0\r\n"
              "\r\n"
              "[Window]\r\n"
              "State=max\r\n");
    EXPECT_EQ(IniFile::parse(ini.text()).readString("Path", "Points", ""), "D:\\Points\\");
}

TEST(IniFile, KeepsAByteOrderMarkAndTheLineEnds) {
    const std::string text = "\xEF\xBB\xBF[Тест]\nTF=Текст\n";
    IniFile ini = IniFile::parse(text);
    EXPECT_EQ(ini.readString("Тест", "TF", ""), "Текст");
    EXPECT_EQ(ini.text(), text);
    ini.writeString("Тест", "Prm", "100");
    EXPECT_EQ(ini.text(), "\xEF\xBB\xBF[Тест]\nTF=Текст\nPrm=100\n");
}

TEST(IniFile, SavesAndLoadsFiles) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmar_ini_test";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "VELMAR.INI";
    std::filesystem::remove(file);

    IniFile ini = IniFile::load(file);  // a missing file reads as an empty one
    EXPECT_EQ(ini.text(), "");
    ini.writeString("Path", "Schemes", "/home/user/Schemes/");
    ini.writeBool("Language", "Eng", true);
    ini.save(file);
    EXPECT_EQ(IniFile::load(file).text(), "[Path]\nSchemes=/home/user/Schemes/\n\n[Language]\nEng=1\n");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velmar
