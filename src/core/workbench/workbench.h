// Workbench: everything one open scheme works with, created by the application (or by
// a test) and passed explicitly: the scheme, its compiled form while in Run, the run
// settings and state, the analysis and optimisation state and the host that speaks to
// the user.
//
// It sits above the model, the blocks, the simulation and the analysis and ties them
// together. To its elements it is their run context (model/run_context.h): it lists the
// scheme's elements and hands the Solve operation of an analysis block to the analysis
// dispatcher (dispatcher.h).
#pragma once

#include <memory>

#include "core/analysis/analysis_state.h"
#include "core/analysis/optimisation/settings.h"
#include "core/host.h"
#include "core/model/catalogue.h"
#include "core/model/compile.h"
#include "core/model/compiled.h"
#include "core/model/run_context.h"
#include "core/model/scheme.h"
#include "core/simulation/driver.h"

namespace velmar {

class Workbench : public RunContext {
public:
    explicit Workbench(Host& host) : RunContext(host) {}

    Scheme scheme;
    std::unique_ptr<CompiledScheme> compiled;
    AnalysisState analysis;
    OptimisationSettings optimisation;
    NameSet names = NameSet::Russian;

    const std::vector<std::unique_ptr<Element>>& Elements() const override { return scheme.ElementList(); }
    void SolveAnalysis(Element& block) override;
};

// Compilation, the time run and leaving Run, on the workbench's own scheme and
// compiled form (model/compile.h, simulation/driver.h).
inline bool CompileScheme(Workbench& wb) { return CompileScheme(wb.scheme, wb.compiled, wb.ui()); }
inline void ReleaseCompiled(Workbench& wb) { ReleaseCompiled(wb.scheme, wb.compiled); }
inline RunOutcome RunSimulation(Workbench& wb) { return RunSimulation(wb, wb.scheme, wb.compiled); }

}  // namespace velmar
