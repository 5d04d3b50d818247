// What a run's curves say about the run that made them, for comparing runs in the
// graph viewer: the values of the parameters marked "Mark" (the ones a person varies
// between runs) and the level of the step the scheme answers.
#pragma once

#include <optional>
#include <string>

#include "core/real48.h"

namespace velmar {

class Scheme;

struct RunNote {
    // "K3=2.5, T4=0.6": every marked parameter in element-number order, named as tuned
    // parameters are (its name without digits and the element's number) with the
    // shortest text of its stored value; empty when none is marked.
    std::string varied;
    // The level C of the scheme's step inputs (33) when it has some and they agree;
    // nothing otherwise.
    std::optional<Extended> stepLevel;
};

RunNote describeRun(const Scheme& scheme);

// The name of a curve kept for comparison: "y (K3=2.5)", or "y (#n)" with the keeping's
// running number when no parameter is marked.
std::string comparisonName(const std::string& curve, const RunNote& note, int keptNumber);

}  // namespace velmar
