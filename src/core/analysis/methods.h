// The analysis methods on a solved transfer function, by the code the method chooser
// hands back (method_lists.h), and the chooser's coefficient memo lines.
#pragma once

#include <string>
#include <vector>

#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

struct AnalysisState;

// Runs the method of `code` on W(s): the frequency characteristics (after Nyquist's
// question for the Nyquist item), the stability criteria, the root lists (and their
// side files in the state's working folder). A method not built yet says so in the
// error box.
void RunMethod(Host& host, AnalysisState& state, const TransferFunction& w, MethodCode code);

// The error box of a method that is not available yet: "<what>: this method is not
// available yet".
void methodNotAvailable(Host& host, const std::string& what);

// The chooser's coefficient memo lines: letter, index in 2 characters, " =", value in
// 10 characters with 5 decimals.
std::vector<std::string> coefficientLines(char letter, const Polynomial& p);

}  // namespace velmar
