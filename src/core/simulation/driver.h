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
#include <string_view>

namespace velmar {

class Workbench;

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
inline constexpr long double kUnstableOutput = 1e15L;

// The Solve command: prepares and runs with the step mode of wb.settings.VariableStep.
// Without a compiled scheme it only says "Solve in Run Regime only !".
RunOutcome RunSimulation(Workbench& wb);

// The run dialog, the point count and the result storage. Returns false when the dialog
// was cancelled (previous results are released either way). On success PointCount is
// set and every element holds its result storage (ResultsAllocated).
bool PrepareRun(Workbench& wb);

// The two time loops; both need a prepared run. A floating-point fault of an element
// propagates as MathError (RunSimulation reports it).
RunOutcome RunConstantStep(Workbench& wb);
RunOutcome RunVariableStep(Workbench& wb);

// Element operations over the whole compiled scheme.
void ReleaseAllResults(Workbench& wb);  // numbering order; clears ResultsAllocated
void FinishAll(Workbench& wb);          // CalcOrder
void ShowAllResults(Workbench& wb);     // numbering order

}  // namespace velmar
