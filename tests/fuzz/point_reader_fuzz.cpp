// Any text read as a point file either raises FileError or gives a curve of the count it
// names, which this system writes and reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/errors.h"
#include "core/graphs/point_file.h"
#include "fuzz/check.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PointFileContent read;
    try {
        read = readPointFileText("fuzz.pnt", text);
    } catch (const FileError&) { return 0; }
    if (read.kind != PointFileContent::Kind::Loaded) return 0;
    fuzz::require(read.x.size() == read.y.size(), "a curve with more X than Y");
    fuzz::require(read.name == "FUZZ", "the curve is not named after its file");
    const Diagram diagram{read.x.data(), read.y.data(), static_cast<int>(read.x.size()), read.name};
    const std::string written = pointFileText("title", diagram, false);
    const PointFileContent again = readPointFileText("fuzz.pnt", written);
    fuzz::require(again.x == read.x && again.y == read.y, "a written curve reads back differently");
    return 0;
}
