// run --sweep: one run of the scheme per value of one parameter, each on a scheme copy
// of its own, the values shared out among the cores. Whatever the number of threads, the
// output is that of the values run one after another: a CSV of every run's curves (or,
// with --metrics, of their step-response metrics) with the value in a leading "sweep"
// column, and each run's messages. Every value is written as soon as it and the values
// before it are done, so the memory a sweep needs does not grow with its values.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <sstream>
#include <thread>

#include "cli/answers.h"
#include "cli/csv_output.h"
#include "cli/help.h"
#include "cli/metrics_csv.h"
#include "core/ordered_work.h"
#include "cli/run_setup.h"
#include "cli/sweep.h"
#include "core/errors.h"
#include "core/grid/parameter_grid.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

namespace {

// Finished values a sweep holds at most per thread while they wait for one before them.
constexpr std::size_t kWaitingPerThread = 4;

struct SweepPoint {
    RunResult result;
    std::string out;  // the run's messages and fault cells
    std::string err;
    std::string rows;  // its CSV rows
};

SweepPoint runValue(const RunOptions& options, const SweepRange& range, std::size_t k, bool warn) {
    SweepPoint point;
    std::ostringstream out, err, rows;
    ScriptedHost host;
    for (const std::string& a : options.answers) host.addAnswer(a);
    host.echo = [&out](const std::string& line) { out << line << '\n'; };
    Workbench wb(host);
    const Real48 value = sweepValue(range, k);
    const std::string shown = valueText(value);
    point.result = loadAndRun(
        wb, host, options, out, err,
        [&](Workbench& w) {
            const std::string error =
                setParameterByLabel(w, range.parameter.element, range.parameter.label, value);
            return error.empty() ? error : "--sweep at " + shown + ": " + error;
        },
        warn);
    if (options.metrics) {
        if (point.result.code == kDone) writeMetricsRows(rows, recordedMetrics(wb, shown), true);
        else if (saidNotStable(host)) writeMetricsRows(rows, {divergedMetrics(shown)}, true);
    } else if (point.result.code == kDone) {
        writeCurvesRows(rows, recordedCurves(wb, shown), true);
    }
    point.out = out.str();
    point.err = err.str();
    point.rows = rows.str();
    return point;
}

// The parameter a --set changes, when it names one.
std::optional<ParameterName> setParameter(const std::string& set) {
    std::string ignored;
    return parseParameterName(std::string_view(set).substr(0, set.rfind('=')), ignored);
}

// Writes the values in order; a line on stderr tells how far a sweep has got once it
// has taken more than a second.
class SweepWriter {
public:
    SweepWriter(CsvOutput& csv, std::size_t count)
        : csv_(csv), messages_(csv.toStandardOutput() ? std::cerr : std::cout), count_(count) {}

    // The exit code so far.
    int code() const { return code_; }

    void take(SweepPoint&& p) {
        // With the CSV on standard output the messages go to standard error, so the CSV stays whole.
        messages_ << p.out;
        std::cerr << p.err;
        csv_.write(p.rows);
        code_ = std::max({code_, p.result.code, p.result.partial ? kDoneWithWarning : kDone});
    }

    void tick(std::size_t done) {
        const auto now = Clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - shown_ < std::chrono::seconds(1)) return;
        std::cerr << "velmar-cli run: sweep " << done << " of " << count_ << " values\n";
        shown_ = now;
    }

private:
    using Clock = std::chrono::steady_clock;
    CsvOutput& csv_;
    std::ostream& messages_;
    std::size_t count_;
    int code_ = kDone;
    Clock::time_point start_ = Clock::now(), shown_ = start_;
};

}  // namespace

int runSweep(const RunOptions& options) {
    std::string error;
    const std::optional<SweepRange> range = parseSweep(*options.sweep, error);
    if (!range) return usageError("run", error);
    for (const std::string& set : options.sets)
        if (setParameter(set) == range->parameter)
            return usageError("run", "--sweep " + *options.sweep + " and --set " + set +
                                         " both change the parameter; give one of them");
    try {
        CsvOutput csv(options.csv);
        const std::size_t count = sweepCount(*range);
        SweepWriter writer(csv, count);
        // The first value runs alone: what is wrong whatever the value (an answer no
        // dialog asks, an unreadable scheme) is told once and nothing is written.
        SweepPoint first = runValue(options, *range, 0, true);
        if (first.result.wrongForAll) {
            std::cout << first.out;
            std::cerr << first.err;
            return kWrongCall;
        }
        std::ostringstream header;
        if (options.metrics) writeMetricsHeader(header, true);
        else writeCurvesHeader(header, true);
        csv.write(header.str());
        writer.take(std::move(first));

        const unsigned threads =
            std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, static_cast<unsigned>(count));
        runInOrder<SweepPoint>(
            1, count, threads, threads * kWaitingPerThread,
            [&](std::size_t k) { return runValue(options, *range, k, false); },
            [&](SweepPoint&& p) { writer.take(std::move(p)); }, [&](std::size_t done) { writer.tick(done); });
        csv.finish();
        return writer.code();
    } catch (const FileError& e) {
        std::cerr << "velmar-cli run: " << e.what() << "\n";
        return kWrongCall;
    }
}

}  // namespace velmar::cli
