// `run --metrics`: the step-response metrics of every recorder curve as CSV, the header
// "[sweep,]element,diagram," and the metric names, then one row per curve with each
// metric's number in 17 significant digits or its status words, as `metrics` prints them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/graphs/step_metrics.h"

namespace velmar {
class Workbench;
}

namespace velmar::cli {

struct CsvMetrics {
    std::string sweep;  // the swept value; empty outside sweeps
    int element = 0;    // 0: a run that blew up and kept no curve
    int diagram = 0;
    StepMetrics metrics;
};

// The metrics of every recorder curve of a finished run, in element-number and slot
// order, measured against the run's step level.
std::vector<CsvMetrics> recordedMetrics(const Workbench& wb, const std::string& sweep = {});

// The row of a run that blew up: no curve, every metric "diverging".
CsvMetrics divergedMetrics(const std::string& sweep = {});

void writeMetricsCsv(std::ostream& out, const std::vector<CsvMetrics>& rows, bool swept);

// The two parts of it, for a CSV written as its rows come.
void writeMetricsHeader(std::ostream& out, bool swept);
void writeMetricsRows(std::ostream& out, const std::vector<CsvMetrics>& rows, bool swept);

}  // namespace velmar::cli
