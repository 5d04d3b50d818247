// The run context: all an element sees of the application while it runs, edits its
// parameters or shows its results. The element operations (element.h) get it passed in;
// the workbench, which owns the scheme and its run and analysis state, is the context
// its elements see (workbench/workbench.h). Most operations read the run state only;
// the rest is here for the few block types that need it:
//
//   settings, run      every block during a run: the step h, the time t(), the point
//                      count, the step mode; recorders raise OutOfMemory and read
//                      ResultsAllocated
//   host               dialogs of EditParameters, the thumbnails of ShowResults
//   gridEdit           EditParameters called from the parameter grid: store the value
//                      handed over instead of showing the dialog
//   criterion          the optimisation block (47) accumulates the chosen criterion
//   Elements()         the regime block (78) registers the tuned parameters of the
//                      scheme and finds the owners of its schedules among them
//   SolveAnalysis()    the analysis block (60): its EditParameters is the Solve
//                      operation, which the analysis dispatcher above the blocks serves
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/host.h"
#include "core/real48.h"

namespace velmar {

class Element;

struct RunSettings {
    Real48 Time = 10.0L;            // final time of the run
    Real48 Step = 0.01L;            // constant step; after a variable-step run its output interval
    Real48 Eps = 0.01L;             // accuracy of the variable-step integrator
    std::uint8_t VariableStep = 0;  // 1 variable step, 0 constant step
    bool TimeOfProgress = true;     // the "Time of &Progress" option: progress texts during a run
};

// An output or a state beyond it in magnitude makes a run unstable.
inline constexpr double kUnstableOutput = 1e15;

// The outcome of a variable-step run, with its message (runStatusText, integrator.h).
enum class RunStatus {
    Ok,
    BadParameters,   // tend 0, |hout| > |tend|, |hmin| > |h0|, no states, too many states
    Unstable,        // a state beyond 1e15
    PrecisionLost,   // the accumulated error exceeds 2·eps
    NoResultMemory,  // the state vectors could not be had
    UserAbort,       // Esc
};

struct RunState {
    std::int32_t PointCount = 0;  // time points of the run
    std::int32_t StepIndex = 0;   // index of the current time point
    Extended h = 0;               // the run's Step, loaded once when the run starts
    Extended CurrentTime = 0;     // time shown in the progress display
    bool OutOfMemory = false;     // raised by an element's AllocateResults
    bool ResultsAllocated = false;
    bool UserStop = false;               // checked after every constant-step time point (Esc)
    RunStatus RunError = RunStatus::Ok;  // the outcome of the last variable-step run
    // A variable-step run raises integratorTime for its length and sets evaluationTime
    // before every evaluation of the right-hand side.
    bool integratorTime = false;
    Extended evaluationTime = 0;

    // The time every element reads: the time point StepIndex * h of a constant-step run,
    // the time of the current evaluation of a variable-step run, as the right-hand side
    // f(t, y) of an ODE reads it (trial and retried steps included, so in no fixed order).
    Extended t() const { return integratorTime ? evaluationTime : static_cast<Extended>(StepIndex) * h; }
};

// A value handed from the parameter grid to an element's EditParameters, which stores
// it into parameter `index` (1-based) instead of showing its dialog.
struct GridEdit {
    int index = 0;  // 0: no edit pending
    Real48 value;
};

// Optimisation criteria, by index of the "Criteria" group.
enum class Criterion { IntegralE2, IntegralE2Tau, Maximum, T1Max, IntegralX2, User };

class RunContext {
public:
    explicit RunContext(Host& host) : host(&host) {}
    virtual ~RunContext() = default;
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    Host* host;
    RunSettings settings;
    RunState run;
    GridEdit gridEdit;
    Criterion criterion = Criterion::IntegralE2;

    Host& ui() const { return *host; }

    // The scheme's elements in numbering order.
    virtual const std::vector<std::unique_ptr<Element>>& Elements() const = 0;
    // The Solve operation of analysis block `block`.
    virtual void SolveAnalysis(Element& block) = 0;
};

}  // namespace velmar
