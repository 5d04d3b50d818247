// Point files (".pnt"): one diagram as text, for keeping the curves of one run and
// overlaying them on, or combining them with, those of another.
//
//   Points of <graph title>
//   Created by programm VELMAR
//   <empty>
//   Number of points = <n>
//   Step is constant            ("Step is variable" after a variable-step run)
//   <a single NUL character>
//                X                   Y
//   1.   <X of point 0>   <Y of point 0>
//   ...
//   n.   <X of point n-1>   <Y of point n-1>
//   <empty>
//
// Lines end in CR LF; numbers are the 23-character scientific form, which keeps every
// digit of a stored value. The count is read from the five characters after
// "Number of points = ", so a file holds at most 99999 points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"

namespace velmar {

inline constexpr const char* kPointFileSignature = "Created by programm VELMAR";
inline constexpr const char* kFileReadError = "File read error";
inline constexpr int kMaxPointFileCount = 99999;

// The whole text of a point file for points 0..count-1 of a diagram.
std::string pointFileText(const std::string& title, const Diagram& diagram, bool variableStep);

// Writes the file through a replacing write: a failure leaves an existing file whole.
// Throws FileError when it cannot.
void writePointFile(const std::string& path, const std::string& title, const Diagram& diagram,
                    bool variableStep);

struct PointFileContent {
    enum class Kind {
        NotPointFile,  // the name does not end in ".pnt": nothing was read
        Foreign,       // the second line is not this system's: nothing is loaded
        Loaded,
    };
    Kind kind = Kind::NotPointFile;
    std::string name;  // the file name without folder and extension, upper-cased
    std::vector<Real48> x, y;
};

// True when the extension (the text after the last point), upper-cased, is "PNT".
bool isPointFileName(const std::string& path);

// Reads a point file. Throws FileError with "File read error" and what is wrong when
// the file cannot be opened, its count is not a number, or a point line is missing or
// does not hold two numbers.
PointFileContent readPointFile(const std::string& path);
// The same for the text of a file named `path`.
PointFileContent readPointFileText(const std::string& path, std::string_view text);

}  // namespace velmar
