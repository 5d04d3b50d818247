#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/errors.h"
#include "core/graphs/point_file.h"
#include "core/numtext.h"

using namespace velmar;

namespace {

class PointFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("velmar-pnt-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }

    std::filesystem::path dir_;
};

std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

// A file of this system with the given count line and point lines.
std::string fileWith(const std::string& countLine, const std::vector<std::string>& points) {
    std::string t = "Points of x\r\nCreated by programm VELMAR\r\n\r\n" + countLine +
                    "\r\nStep is constant\r\n" + std::string(1, '\0') + "\r\n  X  Y\r\n";
    for (const std::string& p : points) t += p + "\r\n";
    return t + "\r\n";
}

std::string withoutLastLine(std::string text) {
    text.resize(text.size() - 2);
    return text;
}

}  // namespace

TEST_F(PointFileTest, ThreePointsMakeElevenLines) {
    const std::vector<Real48> x{0, 0.5, 1}, y{0, 1, 4};
    const Diagram d{x.data(), y.data(), 3, "Number:1"};
    const std::vector<std::string> lines = crlfLines(pointFileText(" Переходный процесс", d, false));
    const std::vector<std::string> expected = {
        "Points of  Переходный процесс",
        "Created by programm VELMAR",
        "",
        "Number of points = 3",
        "Step is constant",
        std::string(1, '\0'),
        "             X                   Y",
        "1.   " + realText(0) + "   " + realText(0),
        "2.   " + realText(0.5) + "   " + realText(1),
        "3.   " + realText(1) + "   " + realText(4),
        "",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(realText(0.5), " 5.00000000000000E-0001");
    EXPECT_EQ(crlfLines(pointFileText("t", d, true))[4], "Step is variable");
}

TEST_F(PointFileTest, WrittenFileReadsBackExactly) {
    std::vector<Real48> x, y;
    for (int i = 0; i < 150; ++i) {  // point numbers of 100 and above overrun the number field
        x.push_back(i * -0.01L);     // negative X right after a one-digit number keeps its sign
        y.push_back(-1.0L / (i + 3) * 1e-7L);
    }
    x.back() = 1.7e38L;
    const Diagram d{x.data(), y.data(), 150, "n"};
    const std::string file = path("run_a.pnt");
    writePointFile(file, "t", d, false);
    const PointFileContent c = readPointFile(file);
    EXPECT_EQ(c.kind, PointFileContent::Kind::Loaded);
    EXPECT_EQ(c.name, "RUN_A");
    EXPECT_EQ(c.x, x);
    EXPECT_EQ(c.y, y);
}

TEST_F(PointFileTest, OnlyPointFileNamesAreRead) {
    const std::string text = fileWith("Number of points = 1", {"1.   1   2"});
    EXPECT_EQ(readPointFile(write("a.txt", text)).kind, PointFileContent::Kind::NotPointFile);
    EXPECT_EQ(readPointFile(write("b.Pnt", text)).kind, PointFileContent::Kind::Loaded);
    EXPECT_FALSE(isPointFileName("dir.pnt/file"));
}

TEST_F(PointFileTest, ForeignFileLoadsNothing) {
    std::string text = fileWith("Number of points = 1", {"1.   1   2"});
    text.replace(text.find("VELMAR"), 6, "OTHERS");
    const PointFileContent c = readPointFile(write("f.pnt", text));
    EXPECT_EQ(c.kind, PointFileContent::Kind::Foreign);
    EXPECT_EQ(c.name, "");
    EXPECT_TRUE(c.x.empty());
}

TEST_F(PointFileTest, DamagedFilesSayWhatIsWrong) {
    struct Case {
        std::string name, text, message;
    };
    const std::vector<Case> cases = {
        {"letters.pnt", fileWith("Number of points = abc", {}), "File read error"},
        {"negative.pnt", fileWith("Number of points = -3", {}), "File read error"},
        {"short.pnt", withoutLastLine(fileWith("Number of points = 3", {"1.   1   2"})),
         "File read error: the file ends after 1 of 3 points"},
        {"one.pnt", fileWith("Number of points = 2", {"1.   1   2", "2.   7"}),
         "File read error: line 9 does not hold the X and Y of point 2"},
        {"huge.pnt", fileWith("Number of points = 1", {"1.   1E99   2"}),
         "File read error: line 8 does not hold the X and Y of point 1"},
        {"unnumbered.pnt", fileWith("Number of points = 1", {"   1   2"}),
         "File read error: line 8 does not hold the X and Y of point 1"},
        {"header.pnt", "Points of x\r\nCreated by programm VELMAR\r\n",
         "File read error: the file ends before the count of points"},
    };
    for (const Case& c : cases) {
        try {
            readPointFile(write(c.name, c.text));
            ADD_FAILURE() << c.name << " was read";
        } catch (const FileError& e) { EXPECT_EQ(std::string(e.what()), c.message) << c.name; }
    }
    EXPECT_THROW(readPointFile(path("missing.pnt")), FileError);
}

TEST_F(PointFileTest, HandWrittenValuesAreRead) {
    // Blanks and short numbers are read as well as the full form.
    const PointFileContent c = readPointFile(
        write("hand.pnt", fileWith("Number of points = 2  ", {"1.   -0.25  3", "2.     1e1\t 4.5E+0000"})));
    ASSERT_EQ(c.kind, PointFileContent::Kind::Loaded);
    EXPECT_EQ(c.x, (std::vector<Real48>{-0.25, 10}));
    EXPECT_EQ(c.y, (std::vector<Real48>{3, 4.5}));
}
