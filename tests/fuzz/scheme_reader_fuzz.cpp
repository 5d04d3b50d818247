// Any bytes read as a scheme file either raise FileError, leaving the scheme as it
// was, or give a consistent model that this system writes and reads back unchanged.
#include <cstddef>
#include <cstdint>

#include "core/errors.h"
#include "core/model/scheme_file.h"
#include "fuzz/check.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Scheme scheme;
    scheme.PutCell(40, 80, 22);
    const std::vector<std::uint8_t> before = SchemeBytes(scheme);
    try {
        readSchemeBytes(scheme, {data, size});
    } catch (const FileError&) {
        fuzz::require(SchemeBytes(scheme) == before, "a failed read changed the scheme");
        return 0;
    }
    fuzz::requireConsistent(scheme);
    const std::vector<std::uint8_t> written = SchemeBytes(scheme);
    Scheme again;
    readSchemeBytes(again, written);
    fuzz::require(SchemeBytes(again) == written, "a written scheme reads back differently");
    return 0;
}
