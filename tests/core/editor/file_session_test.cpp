#include "core/editor/file_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/model/scheme_file.h"
#include "core/scripted_host.h"

namespace velmar::editor {
namespace {

namespace fs = std::filesystem;

// The window's part, recorded as one word per call; the file dialog answers `chosen`.
class FakeWindow : public FileSessionView {
public:
    std::string chosen;
    bool pictureReadable = true;
    std::vector<std::string> calls;
    std::string title;

    std::string pickFile(FileDialogKind kind, const std::string& suggested) override {
        calls.push_back(std::string(kind == FileDialogKind::OpenScheme ? "open:" : "save:") + suggested);
        return chosen;
    }
    void leaveAdvRed() override { calls.push_back("leaveAdvRed"); }
    void enterFile() override { calls.push_back("file"); }
    void schemeReplaced() override { calls.push_back("replaced"); }
    bool showBackground(const std::string&) override {
        calls.push_back("background");
        return pictureReadable;
    }
    void redraw() override { calls.push_back("redraw"); }
    void enterEdit() override { calls.push_back("edit"); }
    void showTitle(const std::string& t) override { title = t; }
    void takeSnapshot() override { calls.push_back("snapshot"); }
};

class FileSessionTest : public ::testing::Test {
protected:
    FileSessionTest()
        : dir(fs::temp_directory_path() / ("velmar-session-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(dir);
    }
    ~FileSessionTest() override { fs::remove_all(dir); }

    std::string file(const char* name) const { return (dir / name).string(); }
    void edit() { wb.scheme.PutCell(10, 10, 22); }
    std::vector<std::string> statuses() const {
        std::vector<std::string> out;
        for (const std::string& l : host.lines)
            if (l.rfind("status: ", 0) == 0) out.push_back(l.substr(8));
        return out;
    }

    fs::path dir;
    ScriptedHost host;
    Workbench wb{host};
    EditorState state;
    FakeWindow window;
    FileSession files{wb, state, window};
};

TEST_F(FileSessionTest, NewReplacesTheSchemeAndCountsAsSaved) {
    edit();
    wb.scheme.Labels[1] = "Lag";
    state.cursor = {30, 30};
    host.reply = Reply::No;
    files.newScheme();
    EXPECT_EQ(host.lines.front(), "Предупреждение: Схема не была сохранена. Сохранить схему?");
    EXPECT_EQ(wb.scheme.ElementCount(), 0);
    EXPECT_TRUE(wb.scheme.Labels[1].empty());
    EXPECT_EQ(state.cursor, Cell{});
    EXPECT_EQ(window.calls, (std::vector<std::string>{"leaveAdvRed", "file", "replaced", "edit"}));
    EXPECT_EQ(window.title, "VELMAR For Windows : NoName.shm");
    EXPECT_EQ(statuses(), std::vector<std::string>{"Создан."});
    EXPECT_TRUE(files.isSaved());
}

TEST_F(FileSessionTest, YesWithACancelledSaveStopsTheCommand) {
    edit();
    host.reply = Reply::Yes;
    files.newScheme();  // NoName: Save As is asked, and cancelled
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    EXPECT_EQ(window.calls.back(), "save:NoName.shm");
    host.reply = Reply::Cancel;
    EXPECT_FALSE(files.mayClose());
    host.reply = Reply::Yes;
    window.chosen = file("kept.shm");
    EXPECT_TRUE(files.mayClose());
    EXPECT_TRUE(fs::exists(window.chosen));
    EXPECT_TRUE(files.isSaved());
}

TEST_F(FileSessionTest, SavedSchemesOpenWithTheirLabels) {
    edit();
    wb.scheme.Labels[1] = "Lag";
    window.chosen = file("one.shm");
    files.saveAs();
    EXPECT_EQ(files.fileName(), window.chosen);
    EXPECT_EQ(window.title, "VELMAR For Windows : one.shm");
    files.newScheme();
    window.calls.clear();
    files.open();
    EXPECT_EQ(window.calls, (std::vector<std::string>{"leaveAdvRed", "file", "open:NoName.shm", "snapshot",
                                                      "replaced", "edit"}));
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    EXPECT_EQ(wb.scheme.Labels[1], "Lag");
    EXPECT_TRUE(files.isSaved());
    EXPECT_EQ(statuses(), (std::vector<std::string>{"Сохранен.", "Создан.", "Открыт."}));
    // Save writes back under the name it was opened with, asking nothing.
    wb.scheme.PutCell(20, 20, 5);
    window.calls.clear();
    files.save();
    EXPECT_EQ(window.calls, std::vector<std::string>{"leaveAdvRed"});
    EXPECT_TRUE(files.isSaved());
}

TEST_F(FileSessionTest, AFileThatCannotBeReadLeavesTheSchemeAsItWas) {
    edit();
    window.chosen = file("broken.shm");
    std::ofstream(window.chosen, std::ios::binary) << "\x05\x05";
    host.reply = Reply::No;
    files.open();
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    ASSERT_EQ(host.messagesOf(Box::Error).size(), 1u);
    const std::string fault = host.messagesOf(Box::Error).front();
    EXPECT_NE(fault.find("damaged"), std::string::npos) << fault;
    EXPECT_NE(fault.find(window.chosen), std::string::npos) << fault;
    EXPECT_EQ(window.calls.back(), "edit");
    EXPECT_FALSE(files.isSaved());
    // At start-up the same file gets the same words.
    files.openAtStart(window.chosen);
    ASSERT_EQ(host.messagesOf(Box::Error).size(), 2u);
    EXPECT_EQ(host.messagesOf(Box::Error).back(), fault);
    EXPECT_NE(fault.find(", try again."), std::string::npos);
    files.openAtStart(file("notes.txt"));  // not a scheme: ignored
    EXPECT_EQ(host.messagesOf(Box::Error).size(), 2u);
}

TEST_F(FileSessionTest, ASchemeCutShortOpensWithAWarningAndCountsAsUnsaved) {
    window.chosen = file("cut.shm");
    // A block and the terminator, without its record.
    std::ofstream(window.chosen, std::ios::binary) << std::string("\x05\x05\x16\x00", 4);
    files.open();
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    EXPECT_EQ(
        host.messagesOf(Box::Warning),
        std::vector<std::string>{"The file ends before the parameters of element 1: it keeps its defaults"});
    EXPECT_FALSE(files.isSaved());
    files.openAtStart(window.chosen);
    EXPECT_EQ(host.messagesOf(Box::Warning).size(), 2u);
    EXPECT_FALSE(files.isSaved());
    files.save();
    EXPECT_TRUE(files.isSaved());
}

TEST_F(FileSessionTest, APictureBecomesTheBackgroundAndIsNeverSavedOver) {
    window.chosen = file("plan.bmp");
    files.open();
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"leaveAdvRed", "file", "open:NoName.shm", "background", "edit"}));
    EXPECT_EQ(files.fileName(), window.chosen);
    window.chosen = file("plan.shm");
    files.save();  // a picture's name is not a scheme's: Save As
    EXPECT_EQ(files.fileName(), window.chosen);
    window.pictureReadable = false;
    window.chosen = file("bad.ico");
    files.open();
    EXPECT_EQ(host.messagesOf(Box::Error).size(), 1u);
    EXPECT_EQ(files.fileName(), file("plan.shm"));
}

TEST_F(FileSessionTest, TestSchemesAndNamesThatAreNoSchemesAreNotWritten) {
    edit();
    window.chosen = file("test.sht");
    SaveScheme(wb.scheme, window.chosen, labelsFileFor(window.chosen));
    host.reply = Reply::No;
    files.open();
    files.save();
    EXPECT_EQ(host.messagesOf(Box::Warning).size(), 1u);
    window.chosen = file("copy.txt");
    files.saveAs();
    EXPECT_FALSE(fs::exists(window.chosen));
    EXPECT_EQ(files.chooseBlockFile(FileDialogKind::SaveScheme), "");
    window.chosen = file("block.shm");
    EXPECT_EQ(files.chooseBlockFile(FileDialogKind::OpenScheme), window.chosen);
}

TEST_F(FileSessionTest, AFailedSaveSaysSoAndKeepsTheSchemeUnsaved) {
    edit();
    window.chosen = (dir / "missing" / "x.shm").string();
    files.saveAs();
    ASSERT_EQ(host.messagesOf(Box::Error).size(), 1u);
    EXPECT_NE(host.messagesOf(Box::Error).front().find(", try again."), std::string::npos);
    EXPECT_FALSE(files.isSaved());
    EXPECT_EQ(files.fileName(), kNoName);
    host.reply = Reply::Yes;
    EXPECT_FALSE(files.mayClose());
}

// New and Open offer Cancel (which Esc gives) and then keep the scheme and its labels.
TEST_F(FileSessionTest, CancellingTheSaveQuestionKeepsTheScheme) {
    edit();
    wb.scheme.Labels[1] = "Lag";
    host.reply = Reply::Cancel;
    files.newScheme();
    files.open();
    EXPECT_EQ(wb.scheme.ElementCount(), 1);
    EXPECT_EQ(wb.scheme.Labels[1], "Lag");
    EXPECT_TRUE(window.calls.empty());
    EXPECT_FALSE(files.isSaved());
}

TEST_F(FileSessionTest, ATestSchemeLoadsWhateverItsNameAndIsNeverWrittenOver) {
    // A test scheme without an extension, as the user function's is.
    const std::string test = file("Functia polizovatelea");
    Scheme shipped;
    shipped.PutCell(5, 5, 30);
    shipped.Labels[1] = "Gain";
    SaveScheme(shipped, test, labelsFileFor(test));

    edit();
    host.reply = Reply::No;  // the warning declined: nothing changes
    EXPECT_FALSE(files.loadTestScheme(test));
    EXPECT_EQ(wb.scheme.cell(10, 10), 22);
    EXPECT_NE(host.lines.back().find("При загрузке тестовой схемы\rтекущая схема будет утеряна"),
              std::string::npos);

    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "snapshot"), 0);

    host.reply = Reply::Yes;
    ASSERT_TRUE(files.loadTestScheme(test));
    // The scheme it replaced can be brought back by Undo.
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "snapshot"), 1);
    EXPECT_EQ(wb.scheme.cell(5, 5), 30);
    EXPECT_EQ(wb.scheme.Labels[1], "Gain");
    EXPECT_EQ(window.title, "VELMAR For Windows : Test scheme.");
    EXPECT_EQ(statuses().back(), "Test scheme loaded.");
    EXPECT_TRUE(files.isSaved());
    EXPECT_TRUE(files.isTestScheme());
    wb.scheme.PutCell(20, 20, 22);
    files.save();
    EXPECT_EQ(host.messagesOf(Box::Warning).size(), 1u);
    Scheme onDisk;
    LoadScheme(onDisk, test, labelsFileFor(test));
    EXPECT_EQ(onDisk.ElementCount(), 1);

    // A file that is no scheme is never reported as loaded.
    const std::string broken = file("broken.sht");
    std::ofstream(broken, std::ios::binary) << "\x05\x05";
    const std::size_t before = statuses().size();
    EXPECT_FALSE(files.loadTestScheme(broken));
    EXPECT_EQ(statuses().size(), before);
    EXPECT_EQ(wb.scheme.cell(20, 20), 22);
    EXPECT_EQ(window.calls.back(), "edit");
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "snapshot"), 1);

    window.chosen = file("mine.shm");
    files.saveAs();
    EXPECT_FALSE(files.isTestScheme());
}

TEST(FileExtension, IsTheTextAfterTheLastDotInCapitals) {
    EXPECT_EQ(fileExtension("a.shm"), "SHM");
    EXPECT_EQ(fileExtension("/x/Test.Sht"), "SHT");
    EXPECT_EQ(fileExtension("noext"), "");
    EXPECT_EQ(fileExtension("dir.v2/file"), "V2/FILE");
}

}  // namespace
}  // namespace velmar::editor
