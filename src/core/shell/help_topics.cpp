#include "core/shell/help_topics.h"

#include <algorithm>
#include <regex>

#include "core/model/catalogue.h"

namespace velmar {

namespace {

// Block types whose topic is not their own code. The pairs 25/32 and the even codes of
// 132..142 are swapped or shifted so that every type keeps a topic of its own.
// clang-format off
constexpr struct {
    int code;
    int topic;
} kTopicExceptions[] = {
    {23, 20}, {25, 32}, {27, 14}, {32, 25},
    {132, 139}, {134, 141}, {136, 143},
    {138, 132}, {139, 134}, {140, 136}, {141, 138}, {142, 140}, {143, 142},
};

constexpr HelpPage kPages[] = {
    {"index.html", 0},
    {"overview.html", 1},
    {"edit.html", 1},
    {"editor.html", 2},
    {"blocks-linear.html", 1},
    {"blocks-sources.html", 1},
    {"blocks-nonlinear.html", 1},
    {"blocks-discrete.html", 1},
    {"blocks-structural.html", 1},
    {"blocks-recorders.html", 1},
    {"run.html", 1},
    {"analysis.html", 2},
    {"viewer.html", 1},
    {"files.html", 1},
    {"settings.html", 1},
    {"help.html", 1},
};
// clang-format on

std::string familyPage(int code) {
    switch (blockInfo(code).family) {
        case Family::Linear: return "blocks-linear.html";
        case Family::Source: return "blocks-sources.html";
        case Family::Nonlinear: return "blocks-nonlinear.html";
        case Family::Discrete: return "blocks-discrete.html";
        case Family::Recorder:
        case Family::Analysis: return "blocks-recorders.html";
        case Family::Structural:
        case Family::Piece: break;
    }
    return "blocks-structural.html";
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The text of an HTML fragment: tags dropped, the common entities decoded, blanks
// collapsed.
std::string plainText(std::string_view html) {
    static const std::regex tag("<[^>]*>");
    std::string text = std::regex_replace(std::string(html), tag, "");
    constexpr struct {
        const char* entity;
        const char* text;
    } entities[] = {{"&nbsp;", " "},  {"&lt;", "<"},    {"&gt;", ">"},    {"&quot;", "\""},
                    {"&mdash;", "—"}, {"&ndash;", "–"}, {"&times;", "×"}, {"&amp;", "&"}};
    for (const auto& e : entities) {
        const std::string_view from = e.entity, to = e.text;
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    }
    std::string collapsed;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (blank && (collapsed.empty() || collapsed.back() == ' ')) continue;
        collapsed += blank ? ' ' : c;
    }
    return std::string(trimmed(collapsed));
}

}  // namespace

int blockTopic(int code) {
    if (code <= 0 || code >= kCodeCount) return kTopicContents;
    const BlockInfo& info = blockInfo(code);
    if (info.isPiece()) return kTopicPieces;
    if (info.isNode()) return kTopicNodes;
    for (const auto& e : kTopicExceptions)
        if (e.code == code) return e.topic;
    return code;
}

int helpContext(int code, HelpRegime regime) {
    if (code != 0) return blockTopic(code);
    switch (regime) {
        case HelpRegime::Edit: return kTopicEdit;
        case HelpRegime::Run: return kTopicRun;
        case HelpRegime::Other: break;
    }
    return kTopicPieces;
}

int topicCode(int topic) {
    for (int code = 0; code < kCodeCount; ++code)
        if (blockInfo(code).isBlock() && blockTopic(code) == topic) return code;
    return 0;
}

HelpTarget helpTarget(int topic) {
    switch (topic) {
        case kTopicNodes: return {"blocks-structural.html", "nodes"};
        case kTopicPieces: return {"edit.html", "lines"};
        case kTopicEdit: return {"edit.html", ""};
        case kTopicRun: return {"run.html", ""};
        default: break;
    }
    if (const int code = topicCode(topic)) return {familyPage(code), "code-" + std::to_string(code)};
    return {std::string(kContentsPage), ""};
}

std::span<const HelpPage> helpPages() { return kPages; }

std::vector<HelpKeyword> pageKeywords(std::string_view html, std::string_view page) {
    std::vector<HelpKeyword> keywords;
    const std::string text(html);
    static const std::regex meta(R"re(<meta\s+name\s*=\s*"keywords"\s+content\s*=\s*"([^"]*)")re",
                                 std::regex::icase);
    std::smatch m;
    if (std::regex_search(text, m, meta)) {
        const std::string list = m[1].str();
        std::size_t from = 0;
        while (from <= list.size()) {
            const std::size_t to = std::min(list.find(';', from), list.size());
            const std::string word = plainText(std::string_view(list).substr(from, to - from));
            if (!word.empty()) keywords.push_back({word, {std::string(page), ""}});
            from = to + 1;
        }
    }
    static const std::regex heading(R"re(<h([1-6])[^>]*\sid\s*=\s*"([^"]+)"[^>]*>([\s\S]*?)</h\1>)re",
                                    std::regex::icase);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), heading); it != std::sregex_iterator();
         ++it) {
        const std::string word = plainText((*it)[3].str());
        if (!word.empty()) keywords.push_back({word, {std::string(page), (*it)[2].str()}});
    }
    return keywords;
}

std::string pageTitle(std::string_view html) {
    static const std::regex title(R"re(<title>([\s\S]*?)</title>)re", std::regex::icase);
    const std::string text(html);
    std::smatch m;
    return std::regex_search(text, m, title) ? plainText(m[1].str()) : std::string();
}

}  // namespace velmar
