#include "core/simulation/driver.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/errors.h"
#include "core/model/compile.h"
#include "core/model/compiled.h"
#include "core/model/run_context.h"
#include "core/model/value_dialog.h"
#include "core/simulation/integrator.h"
#include "core/simulation/progress.h"

namespace velmar {

namespace {

// The system's message, and on a second line which value was wrong.
std::string badValues(const std::string& which) {
    return std::string(runStatusText(RunStatus::BadParameters)) + "\n" + which;
}

// A constant-step run needs at least two time points (the graphs show PointCount - 1 of
// them) and a count that fits the 32-bit point counter. The values are checked as they
// will be stored; one too large to store is refused here, inside the dialog.
std::string constantStepProblem(const std::vector<Extended>& v) {
    Extended step = 0, time = 0;
    try {
        step = Real48(v[0]), time = Real48(v[1]);
    } catch (const MathError&) { return badValues("Step and Time must be values a parameter can hold"); }
    if (step <= 0) return badValues("Step must be above 0");
    if (time <= 0) return badValues("Time must be above 0");
    const Extended points = time / step;
    if (points < 2) return badValues("Time / Step must be at least 2");
    if (points >= static_cast<Extended>(std::numeric_limits<std::int32_t>::max()))
        return badValues("Time / Step must be below 2147483647");
    return {};
}

// The integrator runs forward from 0 only.
std::string variableStepProblem(const std::vector<Extended>& v) {
    try {
        const Real48 time = v[0], eps = v[1];  // both must be storable
        if (time <= 0) return badValues("Time must be above 0");
        if (std::isfinite(eps.get())) return {};
    } catch (const MathError&) {}
    return badValues("Time and Eps must be values a parameter can hold");
}

}  // namespace

bool askRunValues(RunContext& ctx) {
    RunSettings& s = ctx.settings;
    if (s.VariableStep) {
        std::vector<DialogValue> rows = {{"Time", s.Time, false, false}, {"Eps", s.Eps, false, false}};
        if (!AskValues(ctx.ui(), rows, {}, variableStepProblem)) return false;
        s.Time = rows[0].value;
        s.Eps = rows[1].value;
        ctx.run.PointCount = kVariableStepPoints;
        return true;
    }
    std::vector<DialogValue> rows = {{"Step", s.Step, false, false}, {"Time", s.Time, false, false}};
    if (!AskValues(ctx.ui(), rows, {}, constantStepProblem)) return false;
    s.Step = rows[0].value;
    s.Time = rows[1].value;
    // From the stored values: Time 10 and Step 0.01 (stored as 0.010000000000005116)
    // give 999 points, not 1000.
    ctx.run.PointCount = static_cast<std::int32_t>(std::trunc(s.Time.get() / s.Step.get()));
    return true;
}

bool allocateRunResults(RunContext& ctx, const CompiledScheme& c) {
    ctx.run.OutOfMemory = false;
    for (int n = 1; n <= c.N; ++n) {
        c.Elements[static_cast<std::size_t>(n)]->AllocateResults(ctx);
        if (ctx.run.OutOfMemory) {
            releaseAllResults(ctx, c);
            ctx.run.OutOfMemory = false;
            return false;
        }
    }
    ctx.run.ResultsAllocated = true;
    return true;
}

void releaseAllResults(RunContext& ctx, const CompiledScheme& c) {
    for (int n = 1; n <= c.N; ++n) c.Elements[static_cast<std::size_t>(n)]->ReleaseResults();
    ctx.run.ResultsAllocated = false;
}

void finishAll(RunContext& ctx, const CompiledScheme& c) {
    for (Element* e : c.CalcOrder) e->FinishRun(ctx);
}

void showAllResults(RunContext& ctx, const CompiledScheme& c) {
    for (int n = 1; n <= c.N; ++n) c.Elements[static_cast<std::size_t>(n)]->ShowResults(ctx);
}

bool PrepareRun(RunContext& ctx, const CompiledScheme& c) {
    RunState& run = ctx.run;
    run.CurrentTime = ctx.settings.Step;
    if (run.ResultsAllocated) releaseAllResults(ctx, c);
    for (;;) {
        if (!askRunValues(ctx)) return false;
        if (allocateRunResults(ctx, c)) return true;
        ctx.ui().message(Box::Error, kNotEnoughMemory);
    }
}

RunOutcome RunSimulation(RunContext& ctx, Scheme& scheme, std::unique_ptr<CompiledScheme>& compiled) {
    if (!compiled) {
        ctx.ui().message(Box::Plain, kSolveInRunOnly);
        return RunOutcome::Cancelled;
    }
    RunOutcome outcome = RunOutcome::Cancelled;
    bool integrationFailed = false;
    {
        // The compiled form the run works on; it must not outlive the recompilation below,
        // which replaces it.
        const CompiledScheme& c = *compiled;
        try {
            if (PrepareRun(ctx, c)) {
                clearFloatingFaults();
                outcome = ctx.settings.VariableStep ? RunVariableStep(ctx, c) : RunConstantStep(ctx, c);
                integrationFailed = ctx.settings.VariableStep && outcome == RunOutcome::Failed;
            }
        } catch (const MathError& fault) {
            // A floating-point fault of an element abandons the run, never the program.
            releaseAllResults(ctx, c);
            finishAll(ctx, c);
            ctx.ui().progress({0, kProgressStripWidth, true, std::string(kRunRegimeName), {}});
            ctx.ui().message(Box::Error, fault.what());
            outcome = RunOutcome::Failed;
        }
    }
    // Back to the editor and into Run again: the scheme is compiled afresh.
    if (integrationFailed) CompileScheme(scheme, compiled, ctx.ui());
    if (ctx.run.OutOfMemory) {
        ctx.run.OutOfMemory = false;
        if (compiled) releaseAllResults(ctx, *compiled);
    }
    return outcome;
}

}  // namespace velmar
