// The defaults of the host's window operations: hosts without those windows (the
// command-line tool, the tests) keep them, so every exchange still reaches a person
// through the value dialog or the report.
#include "core/host.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace velmar {

namespace {

// Lower-case ASCII letters, blanks removed: "PI   regulator" and "pi regulator" match.
std::string folded(std::string_view s) {
    std::string out;
    for (const char ch : s)
        if (!std::isspace(static_cast<unsigned char>(ch)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

std::string firstWord(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    std::size_t e = b;
    while (e < s.size() && !std::isspace(static_cast<unsigned char>(s[e]))) ++e;
    return folded(s.substr(b, e - b));
}

// A whole number typed in a dialog; nothing for any other text.
bool wholeNumber(const std::string& text, long& value) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    while (end && std::isspace(static_cast<unsigned char>(*end))) ++end;
    if (end == text.c_str() || !end || *end != '\0' || !std::isfinite(v)) return false;
    value = std::lround(std::trunc(v));
    return true;
}

ValueRow plainRow(const std::string& label, std::string text) {
    ValueRow row;
    row.label = label;
    row.text = std::move(text);
    row.markEnabled = false;
    return row;
}

}  // namespace

int choiceIndex(std::string_view answer, const std::vector<std::string>& items) {
    const std::string a = folded(answer);
    if (a.empty()) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (folded(items[i]) == a) return static_cast<int>(i);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (firstWord(items[i]) == a) return static_cast<int>(i);
    long n = 0;
    if (wholeNumber(std::string(answer), n) && n >= 1 && n <= static_cast<long>(items.size()))
        return static_cast<int>(n - 1);
    return -1;
}

int Host::showGraphWithTexts(const Diagrams& diagrams, int kind, const std::vector<std::string>& texts) {
    for (const std::string& t : texts) report(t);
    return showGraph(diagrams, kind);
}

bool Host::askValuePages(std::vector<ValueList>& pages, const RowCheck& check) {
    if (pages.empty()) return true;
    std::vector<ValueRow> head;
    for (const ValueList& p : pages) {
        if (!p.countLabel.empty())
            head.push_back(
                plainRow(p.countLabel, std::to_string(static_cast<long>(p.values.size()) - p.countShift)));
        if (!p.checkLabel.empty()) head.push_back(plainRow(p.checkLabel, p.checked ? "1" : "0"));
    }
    if (!head.empty() && !askValues(pages.front().caption, head, check)) return false;
    std::size_t r = 0;
    for (ValueList& p : pages) {
        if (!p.countLabel.empty()) {
            long n = 0;
            if (wholeNumber(head[r++].text, n)) {
                const long count = std::clamp(n + p.countShift, 1L, static_cast<long>(p.maxCount));
                p.values.resize(static_cast<std::size_t>(count), p.fill);
            }
        }
        if (!p.checkLabel.empty()) {
            long n = 0;
            p.checked = wholeNumber(head[r++].text, n) && n != 0;
        }
    }
    constexpr std::size_t kRowsPerDialog = 7;
    for (ValueList& p : pages)
        for (std::size_t first = 0; first < p.values.size(); first += kRowsPerDialog) {
            const std::size_t last = std::min(p.values.size(), first + kRowsPerDialog);
            std::vector<ValueRow> rows;
            for (std::size_t k = first; k < last; ++k) rows.push_back(plainRow(p.valueName(k), p.values[k]));
            if (!askValues(p.caption, rows, check)) return false;
            for (std::size_t k = first; k < last; ++k) p.values[k] = rows[k - first].text;
        }
    return true;
}

bool Host::askText(std::string_view caption, std::string_view label, std::string& text,
                   const TextCheck& check) {
    std::string_view key = label;
    while (!key.empty() && (key.back() == '=' || key.back() == ' ')) key.remove_suffix(1);
    std::vector<ValueRow> rows = {
        {.label = std::string(label), .text = text, .markEnabled = false, .key = std::string(key)}};
    const RowCheck onRows = [&check](const std::vector<ValueRow>& r) {
        return check ? check(r[0].text) : std::string();
    };
    if (!askValues(caption, rows, onRows)) return false;
    text = rows[0].text;
    return true;
}

bool Host::askChoices(std::string_view caption, std::vector<ChoiceRow>& rows) {
    std::vector<ValueRow> shown;
    for (const ChoiceRow& c : rows)
        shown.push_back(
            plainRow(c.label, c.items.empty() ? std::string() : c.items[static_cast<std::size_t>(c.index)]));
    const RowCheck check = [&rows](const std::vector<ValueRow>& answered) -> std::string {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (choiceIndex(answered[i].text, rows[i].items) < 0) {
                std::string problem = rows[i].label + ":";
                for (const std::string& item : rows[i].items) problem += " \"" + item + "\"";
                return problem;
            }
        return {};
    };
    if (!askValues(caption, shown, check)) return false;
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].index = choiceIndex(shown[i].text, rows[i].items);
    return true;
}

bool Host::showTable(const ResultTable& table) {
    report(table.title);
    auto line = [this](const std::vector<std::string>& cells) {
        std::string text;
        for (const std::string& c : cells) text += (text.empty() ? "" : "  ") + c;
        report(text);
    };
    line(table.columns);
    for (const auto& row : table.rows) line(row);
    return !table.button.empty();
}

}  // namespace velmar
