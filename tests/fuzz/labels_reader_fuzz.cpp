// Any text read as a labels file gives labels that are written and read back alike.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/model/scheme_file.h"
#include "fuzz/check.h"

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Scheme scheme;
    readLabelsText(scheme, {reinterpret_cast<const char*>(data), size});
    const std::string text = labelsText(scheme);
    Scheme again;
    readLabelsText(again, text);
    fuzz::require(labelsText(again) == text, "written labels read back differently");
    return 0;
}
