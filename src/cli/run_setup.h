// What `run` does with one scheme, shared by a plain run, every value of a sweep and
// `metrics`.
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

struct RunResult {
    int code = 0;          // 0 ran, 1 the run failed, 2 the call was wrong
    bool partial = false;  // the scheme was read only in part: the call ends with at least 1
    // The call is wrong whatever a swept value (the scheme, --set, the answers): a sweep
    // stops at its first value.
    bool wrongForAll = false;
};

// Loads the scheme into `wb` (a scheme whose records end early is warned about on
// `err` when `warn`), opens the --edit dialogs, applies the --set overrides and then `adjust` (a sweep's value;
// it returns what went wrong, or an empty text), compiles and runs it, and checks that
// `host`, the workbench's host, accepted and took every --answer. The reason of what
// stopped it goes to `err`, the fault cells to `out`.
RunResult loadAndRun(Workbench& wb, const ScriptedHost& host, const RunOptions& options, std::ostream& out,
                     std::ostream& err, const std::function<std::string(Workbench&)>& adjust = {},
                     bool warn = true);

// Every recorder's curves in element-number order, as the graph viewer would get them.
std::vector<CsvCurve> recordedCurves(const Workbench& wb, const std::string& sweep = {});

// Whether the run stopped with "Process is not stable": it blew up.
bool saidNotStable(const ScriptedHost& host);

// `run --sweep`: one run per value, the values spread over every core.
int runSweep(const RunOptions& options);

}  // namespace velmar::cli
