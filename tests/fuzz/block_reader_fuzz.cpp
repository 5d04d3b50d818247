// Any bytes pasted as a block file, anywhere on a drawn scheme, leave a consistent
// model; a block file that cannot be read changes nothing.
#include <cstddef>
#include <cstdint>

#include "core/errors.h"
#include "core/model/scheme_file.h"
#include "fuzz/check.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes choose the target cell, the rest is the file.
    const int col = data[0] % 92, row = data[1] % 92;
    Scheme scheme;
    scheme.PutCell(10, 10, 22);
    scheme.PutCell(14, 11, 5);
    scheme.PutCell(15, 11, 18);
    scheme.PutCell(70, 70, 144);
    const std::vector<std::uint8_t> before = SchemeBytes(scheme);
    try {
        readBlockBytes(scheme, col, row, {data + 2, size - 2});
    } catch (const FileError&) {
        fuzz::require(SchemeBytes(scheme) == before, "a failed paste changed the scheme");
        return 0;
    }
    fuzz::requireConsistent(scheme);
    return 0;
}
