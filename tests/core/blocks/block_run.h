// Runs small schemes drawn through the model API (blocks, line pieces, arrows) through
// the real compilation and driver, and reads what the recorders kept.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "core/scripted_host.h"
#include "core/simulation/driver.h"
#include "core/workbench/workbench.h"
#include "support/scheme_builder.h"
#include "support/tolerances.h"

namespace velmar::testing {

struct Curve {
    std::vector<Extended> t, y;
    std::size_t size() const { return y.size(); }
};

class BlockRun {
public:
    BlockRun() : draw(wb.scheme) {}

    ScriptedHost host;
    Workbench wb{host};
    SchemeBuilder draw;

    // Places the codes left to right on one row (five columns apart) and wires each to
    // the next; returns the elements in that order.
    std::vector<Element*> chain(std::initializer_list<int> codes, int row = 2, int firstCol = 2);
    Element& block(int code, int col, int row) { return draw.block(code, col, row); }

    // Compiles and runs; false when the run did not complete (the message is in
    // errorText()).
    bool run(Extended step, Extended time);
    bool runVariable(Extended time, Extended eps);

    // What a recorder (62) kept for channel c (0..2), at its time points.
    Curve curve(const Element& recorder, int channel = 0) const;
    std::string errorText() const;
    RunOutcome outcome = RunOutcome::Cancelled;

private:
    bool start();
};

// Sets parameter i of an element.
inline void set(Element& e, int i, Extended value) { e.Params[static_cast<size_t>(i)].Value = value; }

}  // namespace velmar::testing
