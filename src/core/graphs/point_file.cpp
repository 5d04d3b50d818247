#include "core/graphs/point_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <optional>
#include <sstream>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kCountPrefix = "Number of points = ";
constexpr std::size_t kCountField = 5;
// 99999 points of two numbers in any spacing stay far below this.
constexpr std::uintmax_t kMaxPointFileSize = 64u << 20;

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void readError(const std::string& what) {
    throw FileError(std::string(kFileReadError) + ": " + what);
}

// The lines of a text, without their line ends.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // The next line; false at the end of the text.
    bool next(std::string& line) {
        if (pos_ >= text_.size()) return false;
        const std::size_t end = std::min(text_.find('\n', pos_), text_.size());
        std::string_view l = text_.substr(pos_, end - pos_);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        line.assign(l);
        pos_ = end + 1;
        ++number_;
        return true;
    }
    std::string need(const char* what) {
        std::string line;
        if (!next(line)) readError("the file ends before " + std::string(what));
        return line;
    }
    int number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

std::optional<int> parseCount(const std::string& line) {
    const std::size_t start = std::strlen(kCountPrefix);
    if (line.size() <= start) return std::nullopt;
    std::string field = line.substr(start, kCountField);
    const auto first = field.find_first_not_of(' ');
    const auto last = field.find_last_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    field = field.substr(first, last - first + 1);
    int count = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), count);
    if (ec != std::errc() || end != field.data() + field.size() || count < 0) return std::nullopt;
    return count;
}

// The X and Y of a point line: the point's number and its point are skipped, then two
// numbers follow separated by blanks. (The number field is not cut at a fixed width: a
// minus sign can stand right after the blanks of a one-digit number.)
bool parsePoint(const std::string& line, Real48& x, Real48& y) {
    const auto numberStart = line.find_first_not_of(" \t");
    if (numberStart == std::string::npos) return false;
    const auto numberEnd = line.find_first_not_of("0123456789", numberStart);
    if (numberEnd == numberStart || numberEnd == std::string::npos || line[numberEnd] != '.') return false;
    std::istringstream fields(line.substr(numberEnd + 1));
    std::string xs, ys, rest;
    if (!(fields >> xs >> ys) || (fields >> rest)) return false;
    const auto xv = parseNumber(xs);
    const auto yv = parseNumber(ys);
    if (!xv || !yv) return false;
    try {
        x = *xv;
        y = *yv;
    } catch (const MathError&) { return false; }
    return true;
}

}  // namespace

std::string pointFileText(const std::string& title, const Diagram& diagram, bool variableStep) {
    const int n = diagram.present() ? std::max(diagram.count, 0) : 0;
    std::string text;
    text += "Points of " + title + kEol;
    text += std::string(kPointFileSignature) + kEol;
    text += kEol;
    text += kCountPrefix + std::to_string(n) + kEol;
    text += std::string(variableStep ? "Step is variable" : "Step is constant") + kEol;
    text += std::string(1, '\0') + kEol;
    text += std::string(13, ' ') + "X" + std::string(19, ' ') + "Y" + kEol;
    for (int k = 1; k <= n; ++k)
        text += std::to_string(k) + ".   " + realText(diagram.x[k - 1]) + "   " + realText(diagram.y[k - 1]) +
                kEol;
    text += kEol;
    return text;
}

void writePointFile(const std::string& path, const std::string& title, const Diagram& diagram,
                    bool variableStep) {
    replaceFile(path, pointFileText(title, diagram, variableStep));
}

bool isPointFileName(const std::string& path) {
    const std::string name = baseName(path);
    const auto dot = name.find_last_of('.');
    return dot != std::string::npos && upper(name.substr(dot + 1)) == "PNT";
}

PointFileContent readPointFile(const std::string& path) {
    if (!isPointFileName(path)) return {};
    const std::vector<std::uint8_t> bytes =
        readFileBytes(path, kMaxPointFileSize, "The file is too large to be a point file");
    return readPointFileText(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

PointFileContent readPointFileText(const std::string& path, std::string_view text) {
    PointFileContent content;
    if (!isPointFileName(path)) return content;
    const std::string name = upper(baseName(path));
    content.name = name.substr(0, name.size() - 4);

    LineReader lines(text);
    lines.need("its header");
    if (lines.need("its header") != kPointFileSignature) {
        content.kind = PointFileContent::Kind::Foreign;
        content.name.clear();
        return content;
    }
    lines.need("the count of points");
    const auto count = parseCount(lines.need("the count of points"));
    if (!count) throw FileError(kFileReadError);
    for (int i = 0; i < 3; ++i) lines.need("the first point");

    content.x.resize(static_cast<std::size_t>(*count));
    content.y.resize(static_cast<std::size_t>(*count));
    for (int k = 0; k < *count; ++k) {
        std::string line;
        if (!lines.next(line))
            readError("the file ends after " + std::to_string(k) + " of " + std::to_string(*count) +
                      " points");
        if (!parsePoint(line, content.x[static_cast<std::size_t>(k)], content.y[static_cast<std::size_t>(k)]))
            readError("line " + std::to_string(lines.number()) + " does not hold the X and Y of point " +
                      std::to_string(k + 1));
    }
    content.kind = PointFileContent::Kind::Loaded;
    return content;
}

}  // namespace velmar
