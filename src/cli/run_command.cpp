// run SCHEME [--variable] [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--edit E]...
//     [--sweep E:LABEL=BEGIN:END:STEP] [--metrics] [--csv OUT] [--pnt DIR]: compile a scheme, run it
// and write what every recorder would show in the graph viewer, as CSV and as one point
// file per curve.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "cli/answers.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/csv_output.h"
#include "cli/curve_csv.h"
#include "cli/help.h"
#include "cli/metrics_csv.h"
#include "cli/run_setup.h"
#include "cli/scheme_loading.h"
#include "cli/scheme_options.h"
#include "core/blocks/recorders.h"
#include "core/errors.h"
#include "core/graphs/graph_texts.h"
#include "core/graphs/point_file.h"
#include "core/scripted_host.h"
#include "core/simulation/driver.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

namespace {

std::optional<RunOptions> parse(const Args& args, std::string& error) {
    const auto parsed = parseArguments(args,
                                       {{"--variable", false},
                                        {"--answer", true, true},
                                        {"--set", true, true},
                                        {"--edit", true, true},
                                        {"--sweep"},
                                        {"--csv"},
                                        {"--pnt"},
                                        {"--metrics", false}},
                                       error);
    if (!parsed) return std::nullopt;
    RunOptions options{"run",
                       parsed->positional,
                       parsed->has("--variable"),
                       parsed->all("--answer"),
                       parsed->all("--set"),
                       parsed->all("--edit"),
                       parsed->value("--sweep"),
                       parsed->value("--csv"),
                       parsed->value("--pnt"),
                       parsed->has("--metrics")};
    if (options.scheme.empty()) error = "no scheme given";
    // One point file per curve, not per value.
    else if (options.sweep && options.pnt) error = "--sweep and --pnt do not go together";
    else return options;
    return std::nullopt;
}

// Every recorder's curves as point files "NUMBER-SLOT.pnt" in the folder, as the graph
// viewer would save them. Throws FileError when one cannot be written.
void writePointFiles(const Workbench& wb, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw FileError("Cannot create " + folder.string());
    for (const auto& e : wb.scheme.ElementList()) {
        const auto graph = recordedGraphOf(*e, wb.run);
        if (!graph) continue;
        GraphHeading heading;
        heading.applyKind(graph->kind);
        for (std::size_t s = 0; s < graph->diagrams.size(); ++s)
            if (graph->diagrams[s].present())
                writePointFile(
                    (folder / (std::to_string(e->Number) + "-" + std::to_string(s + 1) + ".pnt")).string(),
                    heading.title, graph->diagrams[s], wb.settings.VariableStep != 0);
    }
}

}  // namespace

std::vector<CsvCurve> recordedCurves(const Workbench& wb, const std::string& sweep) {
    std::vector<CsvCurve> curves;
    for (const auto& e : wb.scheme.ElementList())
        if (const auto graph = recordedGraphOf(*e, wb.run))
            for (std::size_t s = 0; s < graph->diagrams.size(); ++s)
                if (graph->diagrams[s].present())
                    curves.push_back(csvCurve(e->Number, static_cast<int>(s) + 1, graph->diagrams[s], sweep));
    return curves;
}

bool saidNotStable(const ScriptedHost& host) {
    const std::vector<std::string> errors = host.messagesOf(Box::Error);
    return std::find(errors.begin(), errors.end(), kNotStable) != errors.end();
}

RunResult loadAndRun(Workbench& wb, const ScriptedHost& host, const RunOptions& options, std::ostream& out,
                     std::ostream& err, const std::function<std::string(Workbench&)>& adjust, bool warn) {
    const std::optional<int> read = loadSchemeWarning(options.verb, options.scheme, wb.scheme, err, warn);
    if (!read) return {kWrongCall, false, true};
    RunResult result{kDone, *read != kDone};
    std::string error;
    const bool setsApplied = applyEdits(wb, host, options.edits, error) && applySets(wb, options.sets, error);
    if (!setsApplied || (adjust && !(error = adjust(wb)).empty())) {
        err << "velmar-cli " << options.verb << ": " << error << "\n";
        result.code = kWrongCall;
        result.wrongForAll = !setsApplied;
        return result;
    }
    if (!CompileScheme(wb)) {
        for (const Cell& c : wb.scheme.ConnectErrors) out << "fault cell: " << c.col << ' ' << c.row << '\n';
        result.code = kDoneWithWarning;
        return result;
    }
    wb.settings.VariableStep = options.variable ? 1 : 0;
    const RunOutcome outcome = RunSimulation(wb);
    if (!answersAccepted(host, options.verb, err) || !answersAllTaken(host, options.verb, err)) {
        result.code = kWrongCall;
        result.wrongForAll = true;
        return result;
    }
    switch (outcome) {
        case RunOutcome::Cancelled: result.code = kWrongCall; break;  // the run's values were refused
        case RunOutcome::Failed: result.code = kDoneWithWarning; break;
        case RunOutcome::Completed: break;
    }
    return result;
}

int run(const Args& args) {
    std::string error;
    const std::optional<RunOptions> options = parse(args, error);
    if (!options) return usageError("run", error);
    ScriptedHost host;
    if (!addAnswers(host, options->answers, "run", std::cerr)) return kWrongCall;
    if (options->sweep) return runSweep(*options);
    host.echo = [](const std::string& line) { std::cout << line << '\n'; };
    Workbench wb(host);
    const RunResult result = loadAndRun(wb, host, *options, std::cout, std::cerr);
    if (result.code != kDone) {
        if (!options->metrics || !saidNotStable(host)) return result.code;
        std::ostringstream csv;  // a run that blew up still says so in its metrics
        writeMetricsCsv(csv, {divergedMetrics()}, false);
        return std::max(result.code, writeCsv("run", options->csv, csv.str()));
    }

    // A scheme read in part, or a warning of the compilation (an algebraic loop), keeps
    // the results but exits with 1.
    const int done = result.partial || !host.warnings.empty() ? kDoneWithWarning : kDone;
    if (options->pnt) {
        try {
            writePointFiles(wb, *options->pnt);
        } catch (const FileError& e) {
            std::cerr << "velmar-cli run: " << e.what() << "\n";
            return kWrongCall;
        }
    }
    std::ostringstream csv;
    if (options->metrics) writeMetricsCsv(csv, recordedMetrics(wb), false);
    else if (!options->pnt || options->csv) writeCurvesCsv(csv, recordedCurves(wb));
    else return done;  // the point files alone
    return std::max(done, writeCsv("run", options->csv, csv.str()));
}

}  // namespace velmar::cli
