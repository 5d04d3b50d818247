// Workbench: everything one open scheme works with, created by the application (or by
// a test) and passed explicitly: the scheme, its compiled form while in Run, the run
// settings and state, the analysis state and the host that speaks to the user.
#pragma once

#include <memory>

#include "core/analysis/analysis_state.h"
#include "core/model/catalogue.h"
#include "core/host.h"
#include "core/model/compiled.h"
#include "core/model/scheme.h"
#include "core/simulation/run_state.h"

namespace velmar {

class Workbench {
public:
    explicit Workbench(Host& host) : host(&host) {}

    Host* host;
    Scheme scheme;
    std::unique_ptr<CompiledScheme> compiled;
    RunSettings settings;
    RunState run;
    GridEdit gridEdit;
    AnalysisState analysis;
    NameSet names = NameSet::Russian;

    Host& ui() const { return *host; }
};

}  // namespace velmar
