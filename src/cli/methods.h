// The methods `analyze --method` accepts: a code of an item of the chooser's lists, or
// a name (core/workbench/analysis_names.h); harmonic and popov are menu commands rather
// than list items.
#pragma once

#include <optional>
#include <string>

#include "core/workbench/analysis_names.h"

namespace velmar::cli {

// The analysis a method text names; nothing for an unknown method.
std::optional<NamedAnalysis> methodOf(const std::string& text);

}  // namespace velmar::cli
