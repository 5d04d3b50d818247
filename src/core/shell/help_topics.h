// The help pages and their topics. Each language has one folder of HTML pages with
// the same file names; a topic number stands for a page, or a place on one, and is
// what the window's help context holds: it follows the cell under the cursor and the
// highlighted cell of the Bank of Blocks.
//
// Topics: 2 the nodes, 4 the arrows and line pieces (and the empty cell outside Edit
// and Run), 6 the Edit regime, 13 the Run regime; every block type has a topic of its
// own that leads to the place "code-N" on its family's page.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr int kTopicContents = 0;
inline constexpr int kTopicNodes = 2;
inline constexpr int kTopicPieces = 4;
inline constexpr int kTopicEdit = 6;
inline constexpr int kTopicRun = 13;

// The regime as far as the help context is concerned.
enum class HelpRegime { Edit, Run, Other };

// The topic of a block type (22..144), or of a one-cell code.
int blockTopic(int code);
// The topic for the code under the cursor (or the bank highlight) in a regime.
int helpContext(int code, HelpRegime regime);
// The block type a topic belongs to, 0 for the topics of no block type.
int topicCode(int topic);

// A place in a language's help folder: a page and, maybe, a place on it.
struct HelpTarget {
    std::string page;
    std::string anchor;  // empty: the top of the page
    bool operator==(const HelpTarget&) const = default;
};
HelpTarget helpTarget(int topic);

inline constexpr std::string_view kContentsPage = "index.html";
inline constexpr std::string_view kHelpOnHelpPage = "help.html";

// The pages of the contents in reading order, with their depth: the contents page is
// the root.
struct HelpPage {
    std::string_view file;
    int depth;
};
std::span<const HelpPage> helpPages();

// One entry of the keyword index.
struct HelpKeyword {
    std::string keyword;
    HelpTarget target;
};
// The keywords a page offers: those of its <meta name="keywords" content="a; b">,
// leading to the page, and the text of every heading with an id, leading to it.
std::vector<HelpKeyword> pageKeywords(std::string_view html, std::string_view page);
// The text of a page's <title>.
std::string pageTitle(std::string_view html);

}  // namespace velmar
