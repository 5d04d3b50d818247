// run --sweep: one run of the scheme per value of one parameter, each on a scheme copy
// of its own, the values shared out among the cores. Whatever the number of threads, the
// output is that of the values run one after another: each run's messages, then one CSV
// of every run's curves (or, with --metrics, of their step-response metrics) with the
// value in a leading "sweep" column.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <sstream>
#include <thread>

#include "cli/metrics_csv.h"
#include "cli/run_setup.h"
#include "cli/sweep.h"
#include "core/errors.h"
#include "core/file_io.h"
#include "core/grid/parameter_grid.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

namespace {

struct SweepPoint {
    int code = 0;
    std::string out;  // the run's messages and fault cells
    std::string err;
    std::vector<CsvCurve> curves;
    std::vector<CsvMetrics> metrics;  // with --metrics, instead of the curves
};

SweepPoint runValue(const RunOptions& options, const ParameterName& parameter, Real48 value) {
    SweepPoint point;
    std::ostringstream out, err;
    ScriptedHost host;
    for (const std::string& a : options.answers) host.addAnswer(a);
    host.echo = [&out](const std::string& line) { out << line << '\n'; };
    Workbench wb(host);
    const std::string shown = valueText(value);
    point.code = loadAndRun(wb, host, options, out, err, [&](Workbench& w) {
        const std::string error = setParameterByLabel(w, parameter.element, parameter.label, value);
        return error.empty() ? error : "--sweep at " + shown + ": " + error;
    });
    if (options.metrics) {
        if (point.code == 0) point.metrics = recordedMetrics(wb, shown);
        else if (saidNotStable(host)) point.metrics = {divergedMetrics(shown)};
    } else if (point.code == 0) {
        point.curves = recordedCurves(wb, shown);
    }
    point.out = out.str();
    point.err = err.str();
    return point;
}

// Runs every value, `threads` at a time; a line on stderr tells how far a sweep has got
// once it has taken more than a second.
std::vector<SweepPoint> runAll(const RunOptions& options, const SweepRange& range,
                               const std::vector<Real48>& values, unsigned threads) {
    std::vector<SweepPoint> points(values.size());
    std::atomic<std::size_t> next{0}, done{0};
    auto work = [&] {
        for (std::size_t i; (i = next++) < values.size(); ++done)
            points[i] = runValue(options, range.parameter, values[i]);
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto shown = start;
    while (done < values.size()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto now = Clock::now();
        if (now - start > std::chrono::seconds(1) && now - shown > std::chrono::seconds(1)) {
            std::cerr << "velmar-cli run: sweep " << done << " of " << values.size() << " values\n";
            shown = now;
        }
    }
    return points;
}

}  // namespace

int runSweep(const RunOptions& options) {
    std::string error;
    const std::optional<SweepRange> range = parseSweep(*options.sweep, error);
    if (!range) {
        std::cerr << "velmar-cli run: " << error << "\n";
        return 2;
    }
    const std::vector<Real48> values = sweepValues(*range);
    const unsigned threads =
        std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, static_cast<unsigned>(values.size()));
    const std::vector<SweepPoint> points = runAll(options, *range, values, threads);

    int code = 0;
    std::vector<CsvCurve> curves;
    std::vector<CsvMetrics> metrics;
    for (const SweepPoint& p : points) {
        std::cout << p.out;
        std::cerr << p.err;
        code = std::max(code, p.code);
        curves.insert(curves.end(), p.curves.begin(), p.curves.end());
        metrics.insert(metrics.end(), p.metrics.begin(), p.metrics.end());
    }
    std::ostringstream csv;
    if (options.metrics) writeMetricsCsv(csv, metrics, true);
    else writeCurvesCsv(csv, curves, true);
    return std::max(code, emitCsv(options, csv.str()));
}

}  // namespace velmar::cli
