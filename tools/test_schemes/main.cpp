// make-test-schemes FOLDER: draws every shipped test scheme through the scheme model
// and writes it (with its labels file) into FOLDER under its test-scheme file name.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/model/scheme_file.h"
#include "core/shell/test_schemes.h"
#include "test_schemes/drawings.h"

namespace {

using namespace velmar;
using namespace velmar::tools;

std::vector<TestDrawing> allDrawings() {
    std::vector<TestDrawing> all;
    for (auto family : {linearDrawings, nonlinearDrawings, logicDrawings, structuralDrawings}) {
        const std::vector<TestDrawing> part = family();
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

bool holdsCode(const Scheme& scheme, int code) {
    for (int c = 0; c < kGridSize; ++c)
        for (int r = 0; r < kGridSize; ++r)
            if (scheme.cell(c, r) == code) return true;
    return false;
}

std::vector<ParameterRow> parameterRows(const Element& e) {
    std::vector<ParameterRow> rows;
    e.ListParameters(rows);
    return rows;
}

// A value the file does not keep (a ramp's initial value, say) would be lost on
// reading: every parameter must read back as drawn.
void checkFileKeepsParameters(const Scheme& scheme) {
    Scheme read;
    readSchemeBytes(read, SchemeBytes(scheme));
    for (int k = 1; k <= scheme.ElementCount(); ++k) {
        const std::vector<ParameterRow> set = parameterRows(scheme.element(k)),
                                        kept = parameterRows(read.element(k));
        for (std::size_t i = 0; i < set.size(); ++i)
            if (i >= kept.size() || kept[i].value != set[i].value)
                throw std::logic_error("parameter " + set[i].name + " of element " + std::to_string(k) +
                                       " is not kept by the file");
    }
}

// Draws one test into an empty scheme and checks that it holds every block type it is
// meant to show.
void draw(const TestScheme& test, const TestDrawing& drawing, Scheme& scheme) {
    Sketch sketch(scheme);
    drawing.draw(sketch);
    sketch.finish();
    scheme.SchemeComment = drawing.comment;
    for (const int code : test.types)
        if (!holdsCode(scheme, code))
            throw std::logic_error("block type " + std::to_string(code) + " is missing");
    checkFileKeepsParameters(scheme);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-test-schemes FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::vector<TestDrawing> drawings = allDrawings();
    if (drawings.size() != testSchemes().size()) {
        std::cerr << "make-test-schemes: " << drawings.size() << " drawings for " << testSchemes().size()
                  << " test schemes\n";
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const TestScheme& test : testSchemes()) {
        const auto it = std::find_if(drawings.begin(), drawings.end(),
                                     [&](const TestDrawing& d) { return d.file == test.file; });
        try {
            if (it == drawings.end()) throw std::logic_error("no drawing");
            const std::filesystem::path file = folder / std::string(test.file);
            Scheme scheme;
            draw(test, *it, scheme);
            SaveScheme(scheme, file, labelsFileFor(file));
        } catch (const std::exception& e) {
            std::cerr << "make-test-schemes: " << test.file << ": " << e.what() << "\n";
            return 1;
        }
    }
    return 0;
}
