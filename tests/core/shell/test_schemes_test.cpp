#include "core/shell/test_schemes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "core/blocks/recorders.h"
#include "core/model/compile.h"
#include "core/model/scheme_file.h"
#include "core/scripted_host.h"
#include "core/simulation/driver.h"
#include "core/workbench/workbench.h"

namespace velmar {
namespace {

const std::filesystem::path kTests = std::filesystem::path(VELMAR_DATA_DIR) / "Tests";

TEST(TestSchemes, EveryTypeFindsItsOwnScheme) {
    std::set<std::string_view> files;
    for (const TestScheme& t : testSchemes()) {
        EXPECT_TRUE(files.insert(t.file).second) << t.file;
        for (const int code : t.types) EXPECT_EQ(testSchemeFor(code), &t) << code;
    }
    EXPECT_EQ(files.size(), 43u);
    for (const int code : {17, 33, 46, 60, 62, 137, 143}) EXPECT_EQ(testSchemeFor(code), nullptr) << code;
}

TEST(TestSchemes, ThePopupOffersTheCommandForThePlannedTypesAndEveryTypeWithAScheme) {
    for (const int code : {22, 33, 40, 47, 64, 101, 111, 123, 137, 144})
        EXPECT_TRUE(offersTestScheme(code)) << code;
    for (const int code : {17, 34, 46, 49, 60, 62, 77, 102, 110, 138})
        EXPECT_FALSE(offersTestScheme(code)) << code;
    for (const TestScheme& t : testSchemes())
        for (const int code : t.types) EXPECT_TRUE(offersTestScheme(code)) << code;
}

TEST(TestSchemes, DescriptionsFallBackWhereKeysAreMissing) {
    const IniFile ini = IniFile::parse(
        "[a.sht]\nTF=Text\n[b.sht]\nTF1=Head\nTF=Body\nPrm=140\n[c.sht]\nPrm=Empty\n"
        "[d.sht]\nPrm=12x\n");
    const TestDescription a = describeTest(ini, "a.sht");
    EXPECT_EQ(a.heading, "");
    EXPECT_EQ(a.label(), "Text");
    EXPECT_EQ(a.percent, 100);
    const TestDescription b = describeTest(ini, "B.SHT");
    EXPECT_EQ(b.label(), "Head\nBody");  // the heading on a line of its own
    EXPECT_EQ(b.percent, 140);
    EXPECT_EQ(describeTest(ini, "c.sht").percent, 100);
    EXPECT_EQ(describeTest(ini, "d.sht").percent, 100);
    EXPECT_EQ(describeTest(ini, "none.sht").label(), "");
    EXPECT_EQ(descriptionFile(NameSet::Russian), "Descript.dts");
    EXPECT_EQ(descriptionFile(NameSet::Romanian), "Descriere.dts");
}

// Every shipped scheme with a heading and a text in both description files, and
// nothing shipped that the table does not name (the scheme of the user function has
// its functions file).
TEST(TestSchemes, ShippedFilesAreTheTableAndAreDescribed) {
    std::set<std::string> expected = {"Descript.dts", "Descriere.dts"};
    for (const TestScheme& t : testSchemes()) {
        expected.insert(std::string(t.file));
        expected.insert(labelsFileFor(t.file).string());
        if (t.types == std::vector<std::uint8_t>{144}) expected.insert(functionsFileFor(t.file).string());
    }
    std::set<std::string> shipped;
    for (const auto& entry : std::filesystem::directory_iterator(kTests))
        shipped.insert(entry.path().filename().string());
    EXPECT_EQ(shipped, expected);

    for (const std::string_view name : {"Descript.dts", "Descriere.dts"}) {
        const IniFile descriptions = IniFile::load(kTests / name);
        for (const TestScheme& t : testSchemes()) {
            const TestDescription d = describeTest(descriptions, t.file);
            EXPECT_TRUE(descriptions.value(t.file, "TF1") && !d.heading.empty()) << name << ": " << t.file;
            EXPECT_TRUE(descriptions.value(t.file, "TF") && !d.text.empty()) << name << ": " << t.file;
            EXPECT_TRUE(descriptions.value(t.file, "Prm")) << name << ": " << t.file;
        }
    }
}

class ShippedScheme : public ::testing::TestWithParam<TestScheme> {};

bool varies(const Diagram& d) {
    return std::any_of(d.y, d.y + d.count, [&](Real48 v) { return !(v == d.y[0]); });
}

// Loads the scheme as the test-scheme command does, compiles it and runs it with the
// run dialog's defaults, as a user who only presses Enter would.
TEST_P(ShippedScheme, CompilesAndRunsShowingItsBlocks) {
    const TestScheme& test = GetParam();
    ScriptedHost host;
    Workbench wb(host);
    const std::filesystem::path file = kTests / std::string(test.file);
    ASSERT_NO_THROW(LoadScheme(wb.scheme, file, labelsFileFor(file)));
    EXPECT_FALSE(wb.scheme.SchemeComment.empty());

    for (const int code : test.types) {
        bool present = false;
        for (int c = 0; c < kGridSize && !present; ++c)
            for (int r = 0; r < kGridSize && !present; ++r) present = wb.scheme.cell(c, r) == code;
        EXPECT_TRUE(present) << "block type " << code;
    }

    ASSERT_TRUE(CompileScheme(wb)) << wb.scheme.ConnectErrors.size() << " wiring faults";
    // Every element shows in some recorder: nothing is drawn that the run leaves unseen,
    // except the blocks that work on parameters rather than signals.
    const CompiledScheme& compiled = *wb.compiled;
    for (int from = 1; from <= compiled.N; ++from) {
        const Element& e = *compiled.Elements[static_cast<size_t>(from)];
        if (dynamic_cast<const Recorder*>(&e) || e.Code == 47 || e.Code == 78) continue;
        std::vector<int> reached{from};
        std::set<int> seen{from};
        bool recorded = false;
        while (!reached.empty() && !recorded) {
            const int n = reached.back();
            reached.pop_back();
            for (int to = 1; to <= compiled.N; ++to)
                if (compiled.link(n, to) && seen.insert(to).second) {
                    recorded =
                        recorded || dynamic_cast<const Recorder*>(compiled.Elements[static_cast<size_t>(to)]);
                    reached.push_back(to);
                }
        }
        EXPECT_TRUE(recorded) << "element " << from << " (code " << int(e.Code) << ") reaches no recorder";
    }

    ASSERT_EQ(RunSimulation(wb), RunOutcome::Completed);
    EXPECT_TRUE(host.messages.empty()) << host.messages.front().second;
    for (const auto& e : wb.scheme.ElementList()) {
        const auto* recorder = dynamic_cast<const Recorder*>(e.get());
        if (!recorder) continue;
        bool points = false, changing = false;
        for (const Diagram& d : recorder->diagrams()) {
            if (!d.present()) continue;
            points = points || d.count > 0;
            changing = changing || varies(d);
            for (int i = 0; i < d.count; ++i)
                ASSERT_TRUE(std::isfinite(d.y[i].get())) << "recorder " << int(e->Number);
        }
        EXPECT_TRUE(points) << "recorder " << int(e->Number) << " got no points";
        EXPECT_TRUE(changing) << "recorder " << int(e->Number) << " shows only constants";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedScheme,
                         ::testing::ValuesIn(testSchemes().begin(), testSchemes().end()),
                         [](const ::testing::TestParamInfo<TestScheme>& info) {
                             std::string name;
                             for (const char c : info.param.file) {
                                 if (c == '.') break;
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace velmar
