// What `run` does with one scheme, shared by a plain run and every value of a sweep.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/curve_csv.h"

namespace velmar {
class ScriptedHost;
class Workbench;
}  // namespace velmar

namespace velmar::cli {

struct RunOptions {
    std::string verb = "run";  // the verb that runs, named in its messages
    std::string scheme;
    bool variable = false;
    std::vector<std::string> answers;
    std::vector<std::string> sets;     // --set E:LABEL=VALUE, in order
    std::vector<std::string> edits;    // --edit E, in order
    std::optional<std::string> sweep;  // --sweep E:LABEL=BEGIN:END:STEP
    std::optional<std::string> csv;
    std::optional<std::string> pnt;
    bool metrics = false;  // --metrics: the curves' step-response metrics instead of their points
};

// Loads the scheme into `wb` (a scheme whose records end early is warned about on
// `err`), opens the --edit dialogs, applies the --set overrides and then `adjust` (a sweep's value; it returns
// what went wrong, or an empty text), compiles and runs it, and checks that `host`, the
// workbench's host, took every --answer. Returns 0, or the exit code of what stopped it:
// the reason on `err`, the fault cells on `out`.
int loadAndRun(Workbench& wb, const ScriptedHost& host, const RunOptions& options, std::ostream& out,
               std::ostream& err, const std::function<std::string(Workbench&)>& adjust = {});

// Every recorder's curves in element-number order, as the graph viewer would get them.
std::vector<CsvCurve> recordedCurves(const Workbench& wb, const std::string& sweep = {});

// Whether the run stopped with "Process is not stable": it blew up.
bool saidNotStable(const ScriptedHost& host);

// The CSV text to --csv OUT, or to standard output without it; 0, or 2 (the reason on
// standard error) when OUT cannot be written.
int emitCsv(const RunOptions& options, const std::string& text);

// `run --sweep`: one run per value, the values spread over every core.
int runSweep(const RunOptions& options);

}  // namespace velmar::cli
