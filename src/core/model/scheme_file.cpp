#include "core/model/scheme_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <optional>
#include <system_error>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/model/bytes.h"
#include "core/model/element_carry.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr int kLabelLines = kMaxElements;
// No scheme, labels or block file comes near this; a larger file is not one of them.
constexpr std::uintmax_t kMaxFileSize = 64u << 20;
// Block files hold positions relative to their rectangle, 1 .. 91 for the whole grid.
constexpr int kBlockSpan = kGridSize;
// A block file keeps the layout every reader knows (cells, terminator, the records of
// every element of the scheme, which cannot be told apart without the whole scheme)
// and ends in the records of the block's own elements, in the block's order, their
// length (4 bytes, least significant first) and this mark. A reader that stops at the
// terminator reads the block as before; a block file without the mark gives its blocks
// their defaults.
constexpr std::array<std::uint8_t, 8> kBlockRecordsMark = {'V', 'e', 'l', 'B', 'l', 'o', 'c', 'k'};
constexpr std::size_t kBlockTrailer = 4 + kBlockRecordsMark.size();
using LabelArray = std::array<std::string, kMaxElements + 1>;

// A cell a file stores: pieces and nodes, and the top-left cell of a block square.
bool storedCode(const Scheme& s, int col, int row) {
    const std::uint8_t code = s.cell(col, row);
    return code != 0 && (!isBlockCode(code) || s.IsBlockCorner(col, row));
}

// Scheme files cannot hold column 0: its column byte would read as the terminator.
bool storedInScheme(const Scheme& s, int col, int row) { return col > 0 && storedCode(s, col, row); }

std::vector<std::uint8_t> readFile(const fs::path& file, const char* kind) {
    return readFileBytes(file, kMaxFileSize, std::string("The file is too large to be a ") + kind);
}

std::string_view asText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The triples up to the terminator (or the end), each handed on.
struct Triples {
    std::size_t end = 0;  // the position after the terminator, or the file's size
    bool terminated = false;
};

template <typename OnCell>
Triples readTriples(std::span<const std::uint8_t> bytes, OnCell onCell) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const int col = bytes[pos++];
        if (col == 0) return {pos, true};
        if (bytes.size() - pos < 2) throw FileError("The file is damaged: it ends inside a cell entry");
        const int row = bytes[pos++];
        const std::uint8_t code = bytes[pos++];
        onCell(col, row, code);
    }
    return {pos, false};
}

// True when the element's record holds anything (nodes have none).
bool hasRecord(const Element& e) {
    ByteWriter probe;
    e.WriteParameters(probe);
    return !probe.bytes().empty();
}

// A line break inside a text kept on one line of a text file becomes a blank.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    return text;
}

// The line of a text file from `pos` without its CR LF or LF; `pos` moves past it.
std::string_view takeLine(std::string_view text, std::size_t& pos) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Reads a whole number from the front of `text` and the blank after it.
bool takeNumber(std::string_view& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + text.size() || *end != ' ') return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
    return true;
}

// The elements whose top-left cell lies in the rectangle, column by column: the order
// they take in a scheme holding only the block.
std::vector<const Element*> blockElements(const Scheme& s, int c1, int r1, int c2, int r2) {
    std::vector<const Element*> found;
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r)
            if (const Element* e = storedCode(s, c, r) ? s.ElementAt(c, r) : nullptr)
                if (e->Col == c && e->Row == r) found.push_back(e);
    return found;
}

// Where the records of the block's own elements lie; not present in a file without them.
struct BlockRecords {
    bool present = false;
    std::size_t begin = 0, length = 0;
};
BlockRecords blockRecords(std::span<const std::uint8_t> bytes, std::size_t recordsBegin) {
    if (bytes.size() < recordsBegin + kBlockTrailer ||
        !std::equal(kBlockRecordsMark.begin(), kBlockRecordsMark.end(), bytes.end() - kBlockRecordsMark.size()))
        return {};
    const std::size_t lengthAt = bytes.size() - kBlockTrailer;
    std::size_t length = 0;
    for (int i = 3; i >= 0; --i) length = (length << 8) | bytes[lengthAt + static_cast<std::size_t>(i)];
    if (length > lengthAt - recordsBegin)
        throw FileError("The file is damaged: the parameters of its blocks reach into the cells");
    return {true, lengthAt - length, length};
}

std::string labelsFileText(const LabelArray& labels) {
    const bool any =
        std::any_of(labels.begin() + 1, labels.end(), [](const std::string& l) { return !l.empty(); });
    if (!any) return {};
    std::string text;
    for (int k = 1; k <= kLabelLines; ++k) text += oneLine(labels[static_cast<size_t>(k)]) + "\r\n";
    return text;
}

void readLabelLines(LabelArray& labels, std::string_view text) {
    std::size_t pos = 0;
    for (int k = 1; k <= kLabelLines; ++k) {
        std::string& label = labels[static_cast<size_t>(k)];
        if (pos >= text.size()) {
            label.clear();
            continue;
        }
        label.assign(takeLine(text, pos));
    }
}

// A file and its labels file replaced as one; no labels text deletes the labels file.
void replaceWithLabels(const char* kind, const fs::path& file, const fs::path& labelsFile,
                       const std::vector<std::uint8_t>& bytes, const std::string& labels) {
    if (sameFile(file, labelsFile))
        throw FileError(describeFile(file, std::string("The labels file of this name would be the ") + kind + " itself"));
    replaceFiles({{file, asText(bytes)},
                  {labelsFile, labels.empty() ? std::nullopt : std::optional<std::string_view>(labels)}});
}

}  // namespace

std::vector<std::uint8_t> SchemeBytes(const Scheme& scheme) {
    ByteWriter out;
    for (int c = 0; c < kGridSize; ++c)
        for (int r = 0; r < kGridSize; ++r)
            if (storedInScheme(scheme, c, r)) {
                out.byte(static_cast<std::uint8_t>(c));
                out.byte(static_cast<std::uint8_t>(r));
                out.byte(scheme.cell(c, r));
            }
    out.byte(0);
    for (const auto& e : scheme.ElementList())
        if (storedInScheme(scheme, e->Col, e->Row)) e->WriteParameters(out);
    const std::size_t length = std::min(scheme.SchemeComment.size(), kMaxCommentLength);
    for (std::size_t i = 0; i < length; ++i) out.byte(static_cast<std::uint8_t>(scheme.SchemeComment[i]));
    out.byte(static_cast<std::uint8_t>(length));
    out.byte(kCommentMark);
    return std::move(out.bytes());
}

SchemeRead readSchemeBytes(Scheme& scheme, std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) throw FileError("The file is damaged: it is empty");
    Scheme read;
    read.elementFactory = scheme.elementFactory;  // the elements are the scheme's kind
    read.Labels = scheme.Labels;
    std::vector<Scheme::PlacedCell> cells;
    const Triples triples = readTriples(bytes, [&cells](int col, int row, std::uint8_t code) {
        if (code != 0)
            cells.push_back({static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row), code});
    });
    if (!triples.terminated) throw FileError("The file is damaged: the list of cells has no end");
    // PutCell refuses what cannot be placed: positions off the grid, codes above 144,
    // squares reaching past the grid, a 256th element.
    read.LayCells(cells);
    const std::size_t recordsBegin = triples.end;

    // The trailer: L comment characters, L, 42. Records lie between it and the triples.
    std::size_t recordsEnd = bytes.size();
    if (bytes.back() == kCommentMark) {
        const std::size_t length = bytes.size() >= 2 ? bytes[bytes.size() - 2] : 0;
        if (bytes.size() < length + 2 || bytes.size() - length - 2 < recordsBegin)
            throw FileError("The file is damaged: the comment at its end reaches into the cells");
        recordsEnd = bytes.size() - length - 2;
        read.SchemeComment.assign(reinterpret_cast<const char*>(bytes.data()) + recordsEnd, length);
    }

    // A record region ending where a record would begin leaves the rest at their
    // defaults; one ending inside a record is an error (ByteReader throws).
    SchemeRead result;
    ByteReader records(bytes.data() + recordsBegin, recordsEnd - recordsBegin);
    try {
        for (const auto& e : read.ElementList()) {
            if (!records.atEnd()) e->ReadParameters(records);
            else if (hasRecord(*e)) result.defaulted.push_back(e->Number);
        }
    } catch (const MathError& fault) {
        throw FileError(std::string("The file is damaged: a value in it cannot be used: ") + fault.what());
    } catch (const FileError& cut) { throw FileError(std::string("The file is damaged: ") + cut.what()); }
    read.mark = Mark{};
    read.ConnectErrors.clear();
    scheme.swap(read);
    return result;
}

std::string SchemeRead::warning() const {
    if (defaulted.empty()) return {};
    std::string numbers;
    for (const int n : defaulted) numbers += (numbers.empty() ? "" : ", ") + std::to_string(n);
    return std::string("The file ends before the parameters of element") +
           (defaulted.size() > 1 ? "s " : " ") + numbers + ": " +
           (defaulted.size() > 1 ? "they keep their defaults" : "it keeps its defaults");
}

std::string labelsText(const Scheme& scheme) { return labelsFileText(scheme.Labels); }

void readLabelsText(Scheme& scheme, std::string_view text) { readLabelLines(scheme.Labels, text); }

std::string functionsText(const Scheme& scheme) {
    std::string text;
    for (const auto& e : scheme.ElementList())
        if (e->info().keptBeside && storedInScheme(scheme, e->Col, e->Row))
            text += std::to_string(e->Col) + " " + std::to_string(e->Row) + " " + oneLine(e->SideText()) + "\r\n";
    return text;
}

StoredScheme storedForm(const Scheme& scheme) {
    return {SchemeBytes(scheme), labelsText(scheme), functionsText(scheme)};
}

void readFunctionsText(Scheme& scheme, std::string_view text) {
    struct Line {
        Element* element;
        std::string_view text;
    };
    std::vector<Line> lines;
    int number = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::string_view line = takeLine(text, pos);
        ++number;
        if (line.empty()) continue;
        int col = 0, row = 0;
        if (!takeNumber(line, col) || !takeNumber(line, row))
            throw FileError("The file is damaged: line " + std::to_string(number) +
                            " is not a column, a row and an expression");
        Element* e = Scheme::inGrid(col, row) ? scheme.ElementAt(col, row) : nullptr;
        if (e && e->Col == col && e->Row == row && e->info().keptBeside) lines.push_back({e, line});
    }
    for (const Line& l : lines) l.element->ReadSideText(l.text);
}

std::vector<std::uint8_t> blockBytes(const Scheme& scheme, int c1, int r1, int c2, int r2) {
    ByteWriter out;
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r) {
            out.byte(static_cast<std::uint8_t>(c - c1 + 1));
            out.byte(static_cast<std::uint8_t>(r - r1 + 1));
            out.byte(storedCode(scheme, c, r) ? scheme.cell(c, r) : 0);
        }
    out.byte(0);
    for (const auto& e : scheme.ElementList()) e->WriteParameters(out);
    const std::size_t ownBegin = out.bytes().size();
    for (const Element* e : blockElements(scheme, c1, r1, c2, r2)) e->WriteParameters(out);
    const std::size_t length = out.bytes().size() - ownBegin;
    for (int i = 0; i < 4; ++i) out.byte(static_cast<std::uint8_t>(length >> (8 * i)));
    for (const std::uint8_t b : kBlockRecordsMark) out.byte(b);
    return std::move(out.bytes());
}

std::string blockLabelsText(const Scheme& scheme, int c1, int r1, int c2, int r2) {
    LabelArray labels;
    std::size_t k = 0;
    for (const Element* e : blockElements(scheme, c1, r1, c2, r2)) labels[++k] = scheme.Labels[e->Number];
    return labelsFileText(labels);
}

void readBlockBytes(Scheme& scheme, int col, int row, std::span<const std::uint8_t> bytes,
                    std::span<const std::string> labels) {
    // Positions 1 .. kBlockSpan; anything else cannot come from a rectangle of the grid.
    std::vector<std::array<std::uint8_t, kBlockSpan + 1>> scratch(kBlockSpan + 1);
    int w = 0, h = 0;
    const Triples triples = readTriples(bytes, [&](int c, int r, std::uint8_t code) {
        if (c > kBlockSpan || r < 1 || r > kBlockSpan) return;
        w = std::max(w, c);
        h = std::max(h, r);
        scratch[static_cast<size_t>(c)][static_cast<size_t>(r)] = code;
    });

    // What the block's elements carry, read whole before the scheme changes.
    struct Landing {
        int col, row;
        ElementCarry carry;
    };
    std::vector<Landing> landings;
    const BlockRecords records = triples.terminated ? blockRecords(bytes, triples.end) : BlockRecords{};
    ByteReader in(bytes.data() + records.begin, records.length);
    for (int i = 1; i <= w; ++i)
        for (int j = 1; j <= h; ++j) {
            const std::uint8_t code = scratch[static_cast<size_t>(i)][static_cast<size_t>(j)];
            if (!blockInfo(code).hasElement()) continue;
            const std::unique_ptr<Element> probe = scheme.elementFactory ? scheme.elementFactory(code) : CreateElement(code);
            if (!probe) continue;
            ElementCarry carry{code, {}, {}, {}};
            if (landings.size() < labels.size()) carry.label = labels[landings.size()];
            if (records.present) {
                const std::size_t from = records.begin + in.position();
                try {
                    probe->ReadParameters(in);
                } catch (const MathError& fault) {
                    throw FileError(std::string("The file is damaged: a value in it cannot be used: ") + fault.what());
                } catch (const FileError&) {
                    throw FileError("The file is damaged: the parameters of its blocks end early");
                }
                carry.record.assign(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                                    bytes.begin() + static_cast<std::ptrdiff_t>(records.begin + in.position()));
            }
            landings.push_back({col + i - 1, row + j - 1, std::move(carry)});
        }
    if (records.present && !in.atEnd()) throw FileError("The file is damaged: its blocks' parameters do not match its cells");

    for (int c = col; c < col + w; ++c)
        for (int r = row; r < row + h; ++r)
            if (scheme.cell(c, r) != 0) scheme.PutCell(c, r, 0);
    for (int i = 1; i <= w; ++i)
        for (int j = 1; j <= h; ++j)
            if (const std::uint8_t code = scratch[static_cast<size_t>(i)][static_cast<size_t>(j)]; code != 0)
                scheme.PutCell(col + i - 1, row + j - 1, code);
    // A file without the blocks' records leaves their defaults; their labels still land.
    for (const Landing& l : landings) landCarry(scheme, l.col, l.row, l.carry);
    scheme.mark = Mark{col, row, std::min(col + w - 1, kGridSize - 1), std::min(row + h - 1, kGridSize - 1)};
}

fs::path labelsFileFor(const fs::path& schemeFile) {
    fs::path labels = schemeFile;
    labels.replace_extension(".sdf");
    return labels;
}

fs::path functionsFileFor(const fs::path& schemeFile) {
    fs::path functions = schemeFile;
    functions.replace_extension(".fx");
    return functions;
}

void SaveScheme(const Scheme& scheme, const fs::path& schemeFile, const fs::path& labelsFile) {
    const fs::path functionsFile = functionsFileFor(schemeFile);
    if (sameFile(schemeFile, labelsFile))
        throw FileError(
            describeFile(schemeFile, "The labels file of this name would be the scheme file itself"));
    if (sameFile(schemeFile, functionsFile))
        throw FileError(
            describeFile(schemeFile, "The functions file of this name would be the scheme file itself"));
    if (sameFile(labelsFile, functionsFile))
        throw FileError(describeFile(labelsFile, "The labels file would be the functions file"));
    const std::vector<std::uint8_t> bytes = SchemeBytes(scheme);
    const std::string labels = labelsText(scheme);
    const std::string functions = functionsText(scheme);
    auto present = [](const std::string& text) {
        return text.empty() ? std::nullopt : std::optional<std::string_view>(text);
    };
    replaceFiles({{schemeFile, asText(bytes)}, {labelsFile, present(labels)}, {functionsFile, present(functions)}});
}

SchemeRead LoadScheme(Scheme& scheme, const fs::path& schemeFile, const fs::path& labelsFile) {
    const std::vector<std::uint8_t> bytes = readFile(schemeFile, "scheme");
    std::error_code ec;
    const bool hasLabels = fs::exists(labelsFile, ec);
    const std::vector<std::uint8_t> labels =
        hasLabels ? readFile(labelsFile, "labels file") : std::vector<std::uint8_t>{};
    Scheme read;
    read.elementFactory = scheme.elementFactory;
    read.Labels = scheme.Labels;
    SchemeRead result;
    try {
        result = readSchemeBytes(read, bytes);
    } catch (const FileError& e) { throw FileError(describeFile(schemeFile, std::string(e.what()) + ":")); }
    if (hasLabels) readLabelsText(read, asText(labels));
    const fs::path functionsFile = functionsFileFor(schemeFile);
    if (fs::exists(functionsFile, ec)) {
        const std::vector<std::uint8_t> functions = readFile(functionsFile, "functions file");
        try {
            readFunctionsText(read, asText(functions));
        } catch (const FileError& e) {
            throw FileError(describeFile(functionsFile, std::string(e.what()) + ":"));
        }
    }
    scheme.swap(read);
    return result;
}

bool WriteBlock(const Scheme& scheme, int c1, int r1, int c2, int r2, const fs::path& file) {
    c1 = std::max(c1, 0);
    r1 = std::max(r1, 0);
    c2 = std::min(c2, kGridSize - 1);
    r2 = std::min(r2, kGridSize - 1);
    if (c2 < c1 || r2 < r1) return false;
    replaceWithLabels("block file", file, labelsFileFor(file), blockBytes(scheme, c1, r1, c2, r2),
                      blockLabelsText(scheme, c1, r1, c2, r2));
    return true;
}

void ReadBlock(Scheme& scheme, int col, int row, const fs::path& file) {
    const std::vector<std::uint8_t> bytes = readFile(file, "block file");
    const fs::path labelsFile = labelsFileFor(file);
    std::error_code ec;
    LabelArray labels;
    if (fs::exists(labelsFile, ec)) readLabelLines(labels, asText(readFile(labelsFile, "labels file")));
    try {
        readBlockBytes(scheme, col, row, bytes, std::span<const std::string>(labels).subspan(1));
    } catch (const FileError& e) { throw FileError(describeFile(file, std::string(e.what()) + ":")); }
}

}  // namespace velmar
