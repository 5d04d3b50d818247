#include "core/model/scheme_file.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <system_error>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/model/bytes.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr int kLabelLines = kMaxElements;
// No scheme, labels or block file comes near this; a larger file is not one of them.
constexpr std::uintmax_t kMaxFileSize = 64u << 20;
// Block files hold positions relative to their rectangle, 1 .. 91 for the whole grid.
constexpr int kBlockSpan = kGridSize;

// A cell a file stores: pieces and nodes, and the top-left cell of a block square.
bool storedCode(const Scheme& s, int col, int row) {
    const std::uint8_t code = s.cell(col, row);
    return code != 0 && (!isBlockCode(code) || s.IsBlockCorner(col, row));
}

// Scheme files cannot hold column 0: its column byte would read as the terminator.
bool storedInScheme(const Scheme& s, int col, int row) { return col > 0 && storedCode(s, col, row); }

std::vector<std::uint8_t> readFile(const fs::path& file) {
    return readFileBytes(file, kMaxFileSize, "The file is too large to be a scheme");
}

std::string_view asText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Reads triples up to the terminator (or the end), handing each on; returns the
// position after the terminator.
template <typename OnCell>
std::size_t readTriples(std::span<const std::uint8_t> bytes, OnCell onCell) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const int col = bytes[pos++];
        if (col == 0) break;
        if (bytes.size() - pos < 2) throw FileError("The file ends inside a cell entry");
        const int row = bytes[pos++];
        const std::uint8_t code = bytes[pos++];
        onCell(col, row, code);
    }
    return pos;
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

void ReadSchemeBytes(Scheme& scheme, std::span<const std::uint8_t> bytes) {
    Scheme read;
    read.elementFactory = scheme.elementFactory;  // the elements are the scheme's kind
    read.Labels = scheme.Labels;
    const std::size_t recordsBegin = readTriples(bytes, [&read](int col, int row, std::uint8_t code) {
        // PutCell refuses what cannot be placed: positions off the grid, codes above
        // 144, squares reaching past the grid, a 256th element.
        if (code != 0) read.PutCell(col, row, code);
    });

    // The trailer: L comment characters, L, 42. Records lie between it and the triples.
    std::size_t recordsEnd = bytes.size();
    if (!bytes.empty() && bytes.back() == kCommentMark) {
        const std::size_t length = bytes.size() >= 2 ? bytes[bytes.size() - 2] : 0;
        if (bytes.size() < length + 2 || bytes.size() - length - 2 < recordsBegin)
            throw FileError("The comment at the end of the file is damaged");
        recordsEnd = bytes.size() - length - 2;
        read.SchemeComment.assign(reinterpret_cast<const char*>(bytes.data()) + recordsEnd, length);
    }

    // A record region ending where a record would begin leaves the rest at their
    // defaults; one ending inside a record is an error (ByteReader throws).
    ByteReader records(bytes.data() + recordsBegin, recordsEnd - recordsBegin);
    try {
        for (const auto& e : read.ElementList()) {
            if (records.atEnd()) break;
            e->ReadParameters(records);
        }
    } catch (const MathError& fault) {
        throw FileError(std::string("A value in the file cannot be used: ") + fault.what());
    }
    read.mark = Mark{};
    read.ConnectErrors.clear();
    scheme.swap(read);
}

std::string LabelsText(const Scheme& scheme) {
    const bool any = std::any_of(scheme.Labels.begin() + 1, scheme.Labels.end(),
                                 [](const std::string& l) { return !l.empty(); });
    if (!any) return {};
    std::string text;
    for (int k = 1; k <= kLabelLines; ++k) {
        std::string line = scheme.Labels[static_cast<size_t>(k)];
        std::replace_if(
            line.begin(), line.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
        text += line + "\r\n";
    }
    return text;
}

void ReadLabelsText(Scheme& scheme, std::string_view text) {
    std::size_t pos = 0;
    for (int k = 1; k <= kLabelLines; ++k) {
        std::string& label = scheme.Labels[static_cast<size_t>(k)];
        if (pos >= text.size()) {
            label.clear();
            continue;
        }
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        label.assign(line);
        pos = end + 1;
    }
}

std::vector<std::uint8_t> BlockBytes(const Scheme& scheme, int c1, int r1, int c2, int r2) {
    ByteWriter out;
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r) {
            out.byte(static_cast<std::uint8_t>(c - c1 + 1));
            out.byte(static_cast<std::uint8_t>(r - r1 + 1));
            out.byte(storedCode(scheme, c, r) ? scheme.cell(c, r) : 0);
        }
    out.byte(0);
    for (const auto& e : scheme.ElementList()) e->WriteParameters(out);
    return std::move(out.bytes());
}

void ReadBlockBytes(Scheme& scheme, int col, int row, std::span<const std::uint8_t> bytes) {
    // Positions 1 .. kBlockSpan; anything else cannot come from a rectangle of the grid.
    std::vector<std::array<std::uint8_t, kBlockSpan + 1>> scratch(kBlockSpan + 1);
    int w = 0, h = 0;
    readTriples(bytes, [&](int c, int r, std::uint8_t code) {
        if (c > kBlockSpan || r < 1 || r > kBlockSpan) return;
        w = std::max(w, c);
        h = std::max(h, r);
        scratch[static_cast<size_t>(c)][static_cast<size_t>(r)] = code;
    });
    for (int c = col; c < col + w; ++c)
        for (int r = row; r < row + h; ++r)
            if (scheme.cell(c, r) != 0) scheme.PutCell(c, r, 0);
    for (int i = 1; i <= w; ++i)
        for (int j = 1; j <= h; ++j)
            if (const std::uint8_t code = scratch[static_cast<size_t>(i)][static_cast<size_t>(j)]; code != 0)
                scheme.PutCell(col + i - 1, row + j - 1, code);
    scheme.mark = Mark{col, row, std::min(col + w - 1, kGridSize - 1), std::min(row + h - 1, kGridSize - 1)};
}

fs::path LabelsFileFor(const fs::path& schemeFile) {
    fs::path labels = schemeFile;
    labels.replace_extension(".sdf");
    return labels;
}

void SaveScheme(const Scheme& scheme, const fs::path& schemeFile, const fs::path& labelsFile) {
    const std::vector<std::uint8_t> bytes = SchemeBytes(scheme);
    const std::string labels = LabelsText(scheme);
    PendingFile schemePending(schemeFile, asText(bytes));
    if (labels.empty()) {
        std::error_code ec;
        fs::remove(labelsFile, ec);
        if (ec) throw FileError(describeFile(labelsFile, "Cannot delete the file (" + ec.message() + ")"));
    } else {
        PendingFile labelsPending(labelsFile, labels);
        labelsPending.commit();
    }
    schemePending.commit();
}

void LoadScheme(Scheme& scheme, const fs::path& schemeFile, const fs::path& labelsFile) {
    const std::vector<std::uint8_t> bytes = readFile(schemeFile);
    std::error_code ec;
    const bool hasLabels = fs::exists(labelsFile, ec);
    const std::vector<std::uint8_t> labels = hasLabels ? readFile(labelsFile) : std::vector<std::uint8_t>{};
    Scheme read;
    read.elementFactory = scheme.elementFactory;
    read.Labels = scheme.Labels;
    try {
        ReadSchemeBytes(read, bytes);
    } catch (const FileError& e) { throw FileError(describeFile(schemeFile, std::string(e.what()) + ":")); }
    if (hasLabels) ReadLabelsText(read, asText(labels));
    scheme.swap(read);
}

bool WriteBlock(const Scheme& scheme, int c1, int r1, int c2, int r2, const fs::path& file) {
    c1 = std::max(c1, 0);
    r1 = std::max(r1, 0);
    c2 = std::min(c2, kGridSize - 1);
    r2 = std::min(r2, kGridSize - 1);
    if (c2 < c1 || r2 < r1) return false;
    const std::vector<std::uint8_t> bytes = BlockBytes(scheme, c1, r1, c2, r2);
    PendingFile(file, asText(bytes)).commit();
    return true;
}

void ReadBlock(Scheme& scheme, int col, int row, const fs::path& file) {
    const std::vector<std::uint8_t> bytes = readFile(file);
    try {
        ReadBlockBytes(scheme, col, row, bytes);
    } catch (const FileError& e) { throw FileError(describeFile(file, std::string(e.what()) + ":")); }
}

}  // namespace velmar
