#include "core/shell/help_topics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "core/model/catalogue.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;

TEST(HelpTopics, TheContextFollowsTheCodeAndTheRegime) {
    // clang-format off
    const struct { int code; HelpRegime regime; int topic; } cases[] = {
        {0, HelpRegime::Edit, 6}, {0, HelpRegime::Run, 13}, {0, HelpRegime::Other, 4},
        {1, HelpRegime::Edit, 4}, {16, HelpRegime::Run, 4}, {17, HelpRegime::Edit, 2}, {21, HelpRegime::Run, 2},
        {22, HelpRegime::Edit, 22}, {23, HelpRegime::Edit, 20}, {24, HelpRegime::Run, 24},
        {25, HelpRegime::Edit, 32}, {26, HelpRegime::Edit, 26}, {27, HelpRegime::Other, 14},
        {138, HelpRegime::Edit, 132}, {139, HelpRegime::Edit, 134}, {143, HelpRegime::Edit, 142},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(helpContext(c.code, c.regime), c.topic) << c.code;
}

TEST(HelpTopics, EveryBlockTypeHasATopicOfItsOwnOnItsFamilysPage) {
    std::set<int> topics;
    for (int code = 22; code <= 144; ++code) {
        const int topic = blockTopic(code);
        EXPECT_TRUE(topics.insert(topic).second) << code << " shares topic " << topic;
        EXPECT_EQ(topicCode(topic), code);
        const HelpTarget t = helpTarget(topic);
        EXPECT_EQ(t.anchor, "code-" + std::to_string(code));
        EXPECT_TRUE(t.page.starts_with("blocks-")) << code;
    }
    EXPECT_EQ(helpTarget(kTopicEdit), (HelpTarget{"edit.html", ""}));
    EXPECT_EQ(helpTarget(kTopicRun), (HelpTarget{"run.html", ""}));
    EXPECT_EQ(helpTarget(kTopicNodes), (HelpTarget{"blocks-structural.html", "nodes"}));
    EXPECT_EQ(helpTarget(999), (HelpTarget{"index.html", ""}));
}

TEST(HelpTopics, KeywordsComeFromTheMetaListAndTheHeadingsWithIds) {
    const std::string html =
        "<html><head><title>The &amp; Run\n regime</title>"
        "<meta name=\"keywords\" content=\"Run; Solve (F6) ;; step\"></head><body>"
        "<h1>Run</h1><h2 id=\"grid\">The <b>parameter</b> grid</h2><h3 class=\"x\" id=\"code-60\">Block "
        "60</h3>"
        "</body></html>";
    const std::vector<HelpKeyword> k = pageKeywords(html, "run.html");
    ASSERT_EQ(k.size(), 5u);
    EXPECT_EQ(k[1].keyword, "Solve (F6)");
    EXPECT_EQ(k[2].target, (HelpTarget{"run.html", ""}));
    EXPECT_EQ(k[3].keyword, "The parameter grid");
    EXPECT_EQ(k[3].target, (HelpTarget{"run.html", "grid"}));
    EXPECT_EQ(k[4].target.anchor, "code-60");
    EXPECT_EQ(pageTitle(html), "The & Run regime");
    EXPECT_EQ(pageTitle("<p>none</p>"), "");
}

std::string readText(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool hasAnchor(const std::string& html, const std::string& anchor) {
    return html.find("name=\"" + anchor + "\"") != std::string::npos ||
           html.find("id=\"" + anchor + "\"") != std::string::npos;
}

class ShippedHelp : public ::testing::TestWithParam<const char*> {};

// Every page of the contents is there with a title, every link leads to a shipped page,
// and every topic's place exists.
TEST_P(ShippedHelp, PagesLinksAndTopicsAreComplete) {
    const fs::path folder = fs::path(VELMAR_DATA_DIR) / "help" / GetParam();
    std::set<std::string> files;
    for (const HelpPage& p : helpPages()) {
        const fs::path page = folder / p.file;
        ASSERT_TRUE(fs::exists(page)) << page;
        const std::string html = readText(page);
        EXPECT_FALSE(pageTitle(html).empty()) << page;
        EXPECT_FALSE(pageKeywords(html, p.file).empty()) << page;
        files.insert(std::string(p.file));
    }
    static const std::regex link(R"re(href="([^"#:]*)(#([^"]*))?")re");
    for (const std::string& file : files) {
        const std::string html = readText(folder / file);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator();
             ++it) {
            const std::string target = (*it)[1].str().empty() ? file : (*it)[1].str();
            EXPECT_TRUE(files.count(target)) << file << " links to " << target;
            if ((*it)[3].matched && files.count(target))
                EXPECT_TRUE(hasAnchor(readText(folder / target), (*it)[3].str()))
                    << file << " links to " << target << "#" << (*it)[3].str();
        }
    }
    for (const int topic : {kTopicNodes, kTopicPieces, kTopicEdit, kTopicRun})
        EXPECT_TRUE(helpTarget(topic).anchor.empty() ||
                    hasAnchor(readText(folder / helpTarget(topic).page), helpTarget(topic).anchor))
            << topic;
    for (int code = 22; code <= 144; ++code) {
        const HelpTarget t = helpTarget(blockTopic(code));
        EXPECT_TRUE(hasAnchor(readText(folder / t.page), t.anchor))
            << GetParam() << "/" << t.page << "#" << t.anchor;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedHelp, ::testing::Values("en", "ru", "ro"));

}  // namespace
}  // namespace velmar
