// Run settings and the state of the run in progress, shared by the time run and the
// analysis.
#pragma once

#include <cstdint>

#include "core/real48.h"

namespace velmar {

struct RunSettings {
    Real48 Time = 10.0L;  // final time of the run
    Real48 Step = 0.01L;  // constant step; after a variable-step run its output interval
    Real48 Eps = 0.01L;   // accuracy of the variable-step integrator
    std::uint8_t VariableStep = 0;  // 1 variable step, 0 constant step
    bool TimeOfProgress = true;     // the "Time of &Progress" option: progress texts during a run
};

struct RunState {
    std::int32_t PointCount = 0;  // time points of the run
    std::int32_t StepIndex = 0;   // index of the current time point
    Extended h = 0;               // the run's Step, loaded once when the run starts
    Extended CurrentTime = 0;     // time shown in the progress display
    bool OutOfMemory = false;     // raised by an element's AllocateResults
    bool ResultsAllocated = false;
    bool UserStop = false;        // checked after every constant-step time point (Esc)
    int RunError = 0;             // variable-step outcome 0..5

    Extended t() const { return static_cast<Extended>(StepIndex) * h; }
};

// A value handed from the parameter grid to an element's EditParameters, which stores
// it into parameter `index` (1-based) instead of showing its dialog.
struct GridEdit {
    int index = 0;  // 0: no edit pending
    Real48 value;
};

}  // namespace velmar
