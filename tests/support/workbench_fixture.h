// A workbench with a scripted host and a scheme builder, for tests that draw a scheme,
// compile it and run it. Its scheme makes the test element types of test_blocks.h.
#pragma once

#include <gtest/gtest.h>

#include "core/model/compile.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"
#include "support/scheme_builder.h"
#include "support/test_blocks.h"

namespace velmar::testing {

class WorkbenchTest : public ::testing::Test {
protected:
    WorkbenchTest() { UseTestElements(wb.scheme); }

    // Compiles, failing the test on a wiring fault.
    void compile() { ASSERT_TRUE(CompileScheme(wb)) << "fault cells:" << faultText(); }
    std::string faultText() const {
        std::string text;
        for (const Cell& c : wb.scheme.ConnectErrors)
            text += " (" + std::to_string(c.col) + ", " + std::to_string(c.row) + ")";
        return text;
    }
    const CompiledScheme& compiled() const { return *wb.compiled; }

    ScriptedHost host;
    Workbench wb{host};
    SchemeBuilder draw{wb.scheme};
};

}  // namespace velmar::testing
