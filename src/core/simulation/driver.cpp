#include "core/simulation/driver.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/errors.h"
#include "core/model/value_dialog.h"
#include "core/workbench.h"
#include "core/simulation/integrator.h"
#include "core/simulation/progress.h"

namespace velmar {

namespace {

std::string badValues() { return std::string(RunErrorText(kBadParameters)); }

// A constant-step run needs at least two time points (the graphs show PointCount - 1 of
// them) and a count that fits the 32-bit point counter. The values are checked as they
// will be stored; one too large to store is refused here, inside the dialog.
std::string constantStepProblem(const std::vector<Extended>& v) {
    try {
        const Extended step = Real48(v[0]), time = Real48(v[1]);
        const Extended points = time / step;
        if (step > 0 && time > 0 && points >= 2 &&
            points < static_cast<Extended>(std::numeric_limits<std::int32_t>::max()))
            return {};
    } catch (const MathError&) {
    }
    return badValues();
}

// The integrator runs forward from 0 only.
std::string variableStepProblem(const std::vector<Extended>& v) {
    try {
        const Real48 time = v[0], eps = v[1];  // both must be storable
        if (time > 0 && std::isfinite(eps.get())) return {};
    } catch (const MathError&) {
    }
    return badValues();
}

// The run dialog; false when cancelled. Sets PointCount from the stored values.
bool AskRunValues(Workbench& wb) {
    RunSettings& s = wb.settings;
    if (s.VariableStep) {
        std::vector<DialogValue> rows = {{"Time", s.Time, false, false}, {"Eps", s.Eps, false, false}};
        if (!AskValues(wb.ui(), rows, {}, variableStepProblem)) return false;
        s.Time = rows[0].value;
        s.Eps = rows[1].value;
        wb.run.PointCount = kVariableStepPoints;
        return true;
    }
    std::vector<DialogValue> rows = {{"Step", s.Step, false, false}, {"Time", s.Time, false, false}};
    if (!AskValues(wb.ui(), rows, {}, constantStepProblem)) return false;
    s.Step = rows[0].value;
    s.Time = rows[1].value;
    // From the stored values: Time 10 and Step 0.01 (stored as 0.010000000000005116)
    // give 999 points, not 1000.
    wb.run.PointCount = static_cast<std::int32_t>(std::trunc(s.Time.get() / s.Step.get()));
    return true;
}

// Every element's AllocateResults; false as soon as one runs out of memory.
bool AllocateAll(Workbench& wb) {
    wb.run.OutOfMemory = false;
    const CompiledScheme& c = *wb.compiled;
    for (int n = 1; n <= c.N; ++n) {
        c.Elements[static_cast<std::size_t>(n)]->AllocateResults(wb);
        if (wb.run.OutOfMemory) return false;
    }
    return true;
}

}  // namespace

void ReleaseAllResults(Workbench& wb) {
    const CompiledScheme& c = *wb.compiled;
    for (int n = 1; n <= c.N; ++n) c.Elements[static_cast<std::size_t>(n)]->ReleaseResults();
    wb.run.ResultsAllocated = false;
}

void FinishAll(Workbench& wb) {
    for (Element* e : wb.compiled->CalcOrder) e->FinishRun(wb);
}

void ShowAllResults(Workbench& wb) {
    const CompiledScheme& c = *wb.compiled;
    for (int n = 1; n <= c.N; ++n) c.Elements[static_cast<std::size_t>(n)]->ShowResults(wb);
}

bool PrepareRun(Workbench& wb) {
    RunState& run = wb.run;
    run.CurrentTime = wb.settings.Step;
    if (run.ResultsAllocated) ReleaseAllResults(wb);
    for (;;) {
        if (!AskRunValues(wb)) return false;
        if (AllocateAll(wb)) break;
        wb.ui().message(Box::Error, kNotEnoughMemory);
        ReleaseAllResults(wb);
    }
    run.OutOfMemory = false;
    run.ResultsAllocated = true;
    return true;
}

RunOutcome RunSimulation(Workbench& wb) {
    if (!wb.compiled) {
        wb.ui().message(Box::Plain, kSolveInRunOnly);
        return RunOutcome::Cancelled;
    }
    RunOutcome outcome = RunOutcome::Cancelled;
    try {
        if (PrepareRun(wb)) {
            clearFloatingFaults();
            outcome = wb.settings.VariableStep ? RunVariableStep(wb) : RunConstantStep(wb);
        }
    } catch (const MathError& fault) {
        // A floating-point fault of an element abandons the run, never the program.
        ReleaseAllResults(wb);
        FinishAll(wb);
        wb.ui().progress({0, kProgressStripWidth, true, std::string(kRunRegimeName), {}});
        wb.ui().message(Box::Error, fault.what());
        outcome = RunOutcome::Failed;
    }
    if (wb.run.OutOfMemory) {
        wb.run.OutOfMemory = false;
        ReleaseAllResults(wb);
    }
    return outcome;
}

}  // namespace velmar
