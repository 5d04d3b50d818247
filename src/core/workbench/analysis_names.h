// The analyses the command-line tool and the scripts name rather than number: the
// chooser items that run at once in the chooser (routh, mikhailov, nyquist, ddecomp) and
// the Run menu's two commands that need no Solve (harmonic, popov). Every other method
// is named by its chooser code.
#pragma once

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "core/host.h"
#include "core/workbench/dispatcher.h"

namespace velmar {

// A method of the chooser's lists, run by the Solve operation, or a Run-menu command.
using NamedAnalysis = std::variant<MethodCode, RunCommand>;

// The analysis of a name; nothing for a name the table lacks.
std::optional<NamedAnalysis> AnalysisByName(std::string_view name);

// The name of a method; empty for one named by its code.
std::string_view NameOfMethod(MethodCode code);

// Every name, in the table's order.
std::vector<std::string_view> AnalysisNames();

}  // namespace velmar
