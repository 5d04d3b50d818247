// The drawings of the shipped test schemes, one per scheme file, grouped by the family
// of the blocks they demonstrate.
#pragma once

#include <string_view>
#include <vector>

#include "test_schemes/sketch.h"

namespace velmar::tools {

struct TestDrawing {
    std::string_view file;     // the test scheme's file name
    std::string_view comment;  // one line, kept in the file as the scheme's comment
    void (*draw)(Sketch&);
};

std::vector<TestDrawing> linearDrawings();
std::vector<TestDrawing> nonlinearDrawings();
std::vector<TestDrawing> logicDrawings();
std::vector<TestDrawing> structuralDrawings();

}  // namespace velmar::tools
