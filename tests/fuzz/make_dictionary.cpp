// Prints a libFuzzer dictionary of the scheme file's layouts: a cell triple of every
// code, the record every element type writes with its defaults, the comment trailers
// and 6-byte reals of telling values. scripts/fuzz-soak hands it to the scheme, block
// and command-line targets.
#include <cstdio>
#include <string>
#include <vector>

#include "core/model/bytes.h"
#include "core/model/element.h"
#include "core/real48.h"

using namespace velmar;

namespace {

int entries = 0;

void token(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return;
    std::string text;
    char hex[8];
    for (const std::uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, "\\x%02X", b);
        text += hex;
    }
    std::printf("t%d=\"%s\"\n", ++entries, text.c_str());
}

}  // namespace

int main() {
    for (int code = 1; code <= 144; ++code) token({4, 7, static_cast<std::uint8_t>(code)});
    for (int code = 17; code <= 143; ++code)
        if (const auto e = CreateElement(static_cast<std::uint8_t>(code))) {
            ByteWriter record;
            e->WriteParameters(record);
            token(record.bytes());
        }
    token({0, 0, 42});  // the terminator and an empty comment
    token({0, 42});     // an empty comment
    for (const Extended value : {0.0L, 1.0L, -1.0L, 0.01L, 0.5L, 2.0L, 10.0L, 1e-7L, 1e15L, 1e37L}) {
        const auto bytes = Real48(value).toBytes();
        token({bytes.begin(), bytes.end()});
    }
    return 0;
}
