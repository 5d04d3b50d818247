// The simulation driver: the time run of a compiled scheme.
//
// A run asks for its values (Step and Time, or Time and Eps), lets every element
// allocate its results, initialises the elements in computation order and then either
// advances every element once per time point (constant step) or integrates the states
// of all dynamic elements as one vector with an adaptive second-order method (variable
// step). It stops on an output beyond 1e15, on a floating-point fault of any element,
// or on Esc, and finally lets every element show its results.
//
// Elements are visited through the compiled arrays only (CalcOrder for the run,
// Elements for numbering order); nothing is allocated per time point.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace velmar {

class RunContext;
class Scheme;
struct CompiledScheme;

enum class RunOutcome {
    Completed,  // the run reached its end, or was stopped with Esc on the constant step
    Cancelled,  // the run dialog was cancelled: nothing ran
    Failed,     // instability, an integrator error, a floating-point fault: results released
};

inline constexpr std::string_view kNotStable = "Process is not stable";
inline constexpr std::string_view kNotEnoughMemory = " Not enough memory";
inline constexpr std::string_view kSolveInRunOnly = "Solve in Run Regime only !";
inline constexpr std::string_view kRunRegimeName = "Run";
inline constexpr std::int32_t kVariableStepPoints = 214;

// The Solve command: prepares and runs the compiled scheme with the step mode of
// ctx.settings.VariableStep. Without a compiled scheme it only says "Solve in Run Regime
// only !". A variable-step run that fails leaves Run and enters it again: the scheme is
// compiled afresh into `compiled`.
RunOutcome RunSimulation(RunContext& ctx, Scheme& scheme, std::unique_ptr<CompiledScheme>& compiled);

// The run dialog, the point count and the result storage. Returns false when the dialog
// was cancelled (previous results are released either way). On success PointCount is
// set and every element holds its result storage (ResultsAllocated).
bool PrepareRun(RunContext& ctx, const CompiledScheme& compiled);

// The two steps of PrepareRun for callers that run many times on one preparation (the
// optimisation): the run dialog, false when cancelled (PointCount is set otherwise);
// and every element's result storage, false (with the storage released) as soon as one
// element runs out of memory.
bool askRunValues(RunContext& ctx);
bool allocateRunResults(RunContext& ctx, const CompiledScheme& compiled);

// The two time loops; both need a prepared run. A floating-point fault of an element
// propagates as MathError (RunSimulation reports it).
RunOutcome RunConstantStep(RunContext& ctx, const CompiledScheme& compiled);
RunOutcome RunVariableStep(RunContext& ctx, const CompiledScheme& compiled);

// Element operations over the whole compiled scheme.
void releaseAllResults(RunContext& ctx,
                       const CompiledScheme& compiled);           // numbering order; clears ResultsAllocated
void finishAll(RunContext& ctx, const CompiledScheme& compiled);  // CalcOrder
void showAllResults(RunContext& ctx, const CompiledScheme& compiled);  // numbering order

}  // namespace velmar
