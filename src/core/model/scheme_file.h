// Scheme files (".shm", test schemes ".sht"), their labels files (".sdf") and block
// files. Plain bytes, no header, no version, no checksum:
//
//   1. cell triples: column, row, code for every stored cell, column by column
//      (0..90), within a column row by row. A cell is stored when its code is not 0
//      and it is either a piece or node (code below 22) or the top-left cell of a
//      block square; the other eight cells of a block are implied.
//   2. the terminator: one byte 0 (read as a column 0)
//   3. element records: each element's WriteParameters bytes, in list order (by
//      column, then row); only the element type knows a record's length
//   4. the comment trailer: the comment's L characters, the byte L, the byte 42 ("*")
//
// The labels file is text: 255 lines, line k holding Labels[k], each line ended by
// CR LF. It exists only while some label is set.
//
// The functions file (".fx") keeps what the scheme file holds no record of: the
// expression of every user function (144), one line each, "COLUMN ROW EXPRESSION" keyed
// by the block's top-left cell, ended by CR LF. It exists only while the scheme holds a
// user function. The user functions are numbered after every other element and write no
// record, so the scheme and labels files read the same where 144 is a face without an
// element; a user function without a line keeps its default expression, and a line
// whose cell holds none belongs to no block.
//
// A block file holds the triples of every cell of a rectangle, positions relative to
// it ((1, 1) is its top-left cell; cells a scheme file would not store are written with
// code 0), the terminator, and the records of every element of the scheme (which
// cannot be told apart without that scheme); then the records of the block's own
// elements, their length and a mark, from which the reader gives the blocks their
// parameters. Its labels file beside it numbers the block's own elements. A block file
// without that ending gives its blocks their defaults.
//
// Column 0 doubles as the terminator, so nothing drawn in column 0 (a margin the
// editor never uses) can be stored: the writer leaves such cells and their elements'
// records out, so the rest of the file stays readable.
//
// Reading goes through PutCell, so a file written by this system reads back exactly,
// and any other file still gives a consistent model: triples outside the grid, codes
// above 144, squares reaching past the grid and elements beyond the 255th are skipped.
// What cannot be understood (an empty file, triples without their terminator, a triple
// or record cut short, a comment trailer pointing before the element records, a value
// out of range) raises FileError saying the file is damaged, and leaves the scheme as it
// was. Records that end where a record would begin leave the remaining elements at
// their defaults: the scheme loads, and the read says which elements those are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/scheme.h"

namespace velmar {

inline constexpr std::uint8_t kCommentMark = 42;  // "*", the last byte of a scheme file
inline constexpr std::size_t kMaxCommentLength = 255;

// What a read found short of a whole scheme file.
struct SchemeRead {
    // The numbers of the elements whose records were missing: they keep their defaults.
    std::vector<int> defaulted;
    bool whole() const { return defaulted.empty(); }
    // "The file ends before the parameters of elements 3, 5: they keep their defaults";
    // empty for a whole file.
    std::string warning() const;
};

// --- files ---

// Writes the labels file (or deletes it when no label is set), the functions file
// beside the scheme file (or deletes it without a user function) and the scheme file,
// as one replacement: all are prepared first and the previous files stay as they were
// unless all are replaced. Names of which two would be one file are refused. Throws
// FileError.
void SaveScheme(const Scheme& scheme, const std::filesystem::path& schemeFile,
                const std::filesystem::path& labelsFile);

// Reads a scheme file and, when they exist, its labels file (missing lines read as
// empty; without a labels file the labels stay as they are) and its functions file. Clears the mark (begin
// (1, 1), end (0, 0)) and the fault cells. Throws FileError, leaving the scheme as it
// was. A scheme whose records end early loads, and the result names the elements left
// at their defaults: such a scheme is not what its file says, so it counts as unsaved.
SchemeRead LoadScheme(Scheme& scheme, const std::filesystem::path& schemeFile,
                      const std::filesystem::path& labelsFile);

// The labels file beside a scheme file: the same name with the extension ".sdf".
std::filesystem::path labelsFileFor(const std::filesystem::path& schemeFile);
// The functions file beside a scheme file: the same name with the extension ".fx".
std::filesystem::path functionsFileFor(const std::filesystem::path& schemeFile);

// Writes the rectangle (c1, r1)..(c2, r2), clipped to the grid, as a block file.
// Its labels file is replaced with it (or deleted when its blocks have no label).
// Returns false, writing nothing, unless c2 >= c1 and r2 >= r1. Throws FileError.
bool WriteBlock(const Scheme& scheme, int c1, int r1, int c2, int r2, const std::filesystem::path& file);

// Pastes a block file with its top-left cell at (col, row): the target area is
// cleared, every stored cell is put down, its elements get the parameters the file
// holds for them and the labels of its labels file, and the pasted area becomes the
// marked block. Throws FileError, leaving the scheme as it was.
void ReadBlock(Scheme& scheme, int col, int row, const std::filesystem::path& file);

// --- the same layouts in memory ---

std::vector<std::uint8_t> SchemeBytes(const Scheme& scheme);
// Replaces the scheme's grid, elements and comment with those of the bytes; labels
// stay. Clears the mark and the fault cells.
SchemeRead readSchemeBytes(Scheme& scheme, std::span<const std::uint8_t> bytes);

// The labels file's text; empty when no label is set.
std::string labelsText(const Scheme& scheme);
// Sets Labels[1..255] from a labels file's text (CR LF or LF line ends).
void readLabelsText(Scheme& scheme, std::string_view text);

// The functions file's text; empty when the scheme holds no user function.
std::string functionsText(const Scheme& scheme);
// Everything the files of a scheme hold, in memory: two schemes alike in it are saved
// alike, which is how an edit or an unsaved change is told.
struct StoredScheme {
    std::vector<std::uint8_t> bytes;
    std::string labels;
    std::string functions;
    bool operator==(const StoredScheme&) const = default;
};
StoredScheme storedForm(const Scheme& scheme);

// Gives the user functions the expressions of a functions file's text (CR LF or LF line
// ends). Throws FileError, changing nothing, for a line that is not "COLUMN ROW TEXT".
void readFunctionsText(Scheme& scheme, std::string_view text);

std::vector<std::uint8_t> blockBytes(const Scheme& scheme, int c1, int r1, int c2, int r2);
// The block's labels file text, line k for its k-th element; empty when none is set.
std::string blockLabelsText(const Scheme& scheme, int c1, int r1, int c2, int r2);
// `labels`[k - 1] is the label of the block's k-th element.
void readBlockBytes(Scheme& scheme, int col, int row, std::span<const std::uint8_t> bytes,
                    std::span<const std::string> labels = {});

}  // namespace velmar
