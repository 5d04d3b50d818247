// A bench for running one block under test in a drawn scheme: played signals (a list
// of values, one per time point) feed it directly or through additional-input
// selectors, and a probe behind it records its output at every time point. The scheme
// is drawn with real wires, compiled and run by the constant-step driver.
//
// Layout: signal k (k = 0..2) in column 2 on rows 2 + 6k, a selector or pass block
// between it and the block (when it has one) in column 8 on the same rows, the block under test at (16, 8), the probe at
// (22, 8). A feeder enters the block on its left side, on row 8 + slot.
#pragma once

#include <vector>

#include "core/model/element.h"
#include "core/scripted_host.h"
#include "core/simulation/driver.h"
#include "core/workbench/workbench.h"
#include "support/scheme_builder.h"

namespace velmar::testing {

using Trace = std::vector<Extended>;

class SignalBench {
public:
    SignalBench();

    // The block under test, with its parameters set in catalogue row order (the rest
    // keep their defaults).
    Element& block(int code, const std::vector<Extended>& params = {});
    // Played signal k wired straight into the block on the given slot.
    Element& signal(int k, const Trace& values, int slot);
    // Played signal k passed through a block of `code` in the selector column (a
    // selector 54..59 makes it a control input) into the block. Elements in that column
    // are numbered after every signal and by k among themselves.
    Element& via(int code, int k, const Trace& values, int slot);

    // Compiles the scheme (once) and runs `points` time points with the step h through
    // the Solve command; the block's output at each point.
    Trace run(int points, Extended h = kExactStep);
    // Runs with the final time and step a user enters.
    Trace runFor(Extended time, Extended h);
    // A variable-step run to `time` (Eps as it stands); the block's output at the first
    // evaluation of every output point. An integrator is added to give the run states.
    Trace runVariable(Extended time);

    // A step exact in 6 bytes: 1/64.
    static constexpr Extended kExactStep = 0.015625L;

    ScriptedHost host;  // renewed by every run
    Workbench wb{host};
    RunOutcome outcome = RunOutcome::Cancelled;  // of the last run

private:
    Element& played(int k, const Trace& values);
    Trace solve();
    void feed(const Element& from, int slot);

    SchemeBuilder draw{wb.scheme};
    Element* block_ = nullptr;
};

}  // namespace velmar::testing
