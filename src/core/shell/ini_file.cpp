#include "core/shell/ini_file.h"

#include <algorithm>
#include <array>

#include "core/file_io.h"

namespace velmar {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A configuration or description file is a few kilobytes; far larger is not one.
constexpr std::uintmax_t kMaxIniSize = 4u << 20;

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[name]" line.
std::optional<std::string_view> headerName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

bool isComment(std::string_view line) {
    line = trimmed(line);
    return !line.empty() && line.front() == ';';
}

// The key of a "key=value" line, and its value.
struct Entry {
    std::string_view key;
    std::string_view value;
};
std::optional<Entry> entryOf(std::string_view line) {
    if (isComment(line) || headerName(line)) return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view value = trimmed(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return Entry{trimmed(line.substr(0, eq)), value};
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    if (text.starts_with(kByteOrderMark)) {
        ini.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    bool first = true;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        const bool crlf = line.ends_with('\r');
        if (crlf) line.remove_suffix(1);
        if (first && lf != std::string_view::npos) ini.lineEnd_ = crlf ? "\r\n" : "\n";
        first = false;
        ini.lines_.emplace_back(line);
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
    }
    return ini;
}

IniFile IniFile::load(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return IniFile{};
    const std::vector<std::uint8_t> bytes =
        readFileBytes(file, kMaxIniSize, "The file is too large to be an initialisation file");
    return parse({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

std::optional<std::size_t> IniFile::sectionLine(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (const auto name = headerName(lines_[i]); name && sameName(*name, trimmed(section))) return i;
    return std::nullopt;
}

std::optional<std::size_t> IniFile::keyLine(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size() && !headerName(lines_[i]); ++i)
        if (const auto entry = entryOf(lines_[i]); entry && sameName(entry->key, trimmed(key))) return i;
    return std::nullopt;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && !headerName(lines_[i]); ++i)
        if (!trimmed(lines_[i]).empty()) end = i + 1;
    return end;
}

bool IniFile::hasSection(std::string_view section) const { return sectionLine(section).has_value(); }

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto header = sectionLine(section);
    if (!header) return std::nullopt;
    const auto line = keyLine(*header, key);
    if (!line) return std::nullopt;
    return std::string(entryOf(lines_[*line])->value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    const auto text = value(section, key);
    if (!text) return fallback;
    constexpr std::array<std::string_view, 4> yes = {"1", "true", "yes", "on"};
    constexpr std::array<std::string_view, 4> no = {"0", "false", "no", "off"};
    const auto among = [&](const auto& words) {
        return std::any_of(words.begin(), words.end(),
                           [&](std::string_view w) { return sameName(w, *text); });
    };
    if (among(yes)) return true;
    if (among(no)) return false;
    return fallback;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(trimmed(key)) + "=" + std::string(value);
    auto header = sectionLine(section);
    if (!header) {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(trimmed(section)) + "]");
        header = lines_.size() - 1;
    }
    if (const auto existing = keyLine(*header, key)) {
        lines_[*existing] = line;
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(*header)), line);
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

std::string IniFile::text() const {
    std::string out = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : lines_) out += line + lineEnd_;
    return out;
}

void IniFile::save(const std::filesystem::path& file) const { PendingFile(file, text()).commit(); }

}  // namespace velmar
