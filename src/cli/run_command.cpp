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
#include "cli/curve_csv.h"
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

std::optional<RunOptions> parse(const Args& args) {
    const auto parsed = parseArguments(args, {{"--variable", false},
                                              {"--answer"},
                                              {"--set"},
                                              {"--edit"},
                                              {"--sweep"},
                                              {"--csv"},
                                              {"--pnt"},
                                              {"--metrics", false}});
    if (!parsed || parsed->positional.empty()) return std::nullopt;
    RunOptions options{"run",
                       parsed->positional,
                       parsed->has("--variable"),
                       parsed->all("--answer"),
                       parsed->all("--set"),
                       parsed->all("--edit"),
                       parsed->last("--sweep"),
                       parsed->last("--csv"),
                       parsed->last("--pnt"),
                       parsed->has("--metrics")};
    if (options.sweep && options.pnt) return std::nullopt;  // one point file per curve, not per value
    return options;
}

// Every recorder's curves as point files "NUMBER-SLOT.pnt" in the folder, as the graph
// viewer would save them. Throws FileError when one cannot be written.
void writePointFiles(const Workbench& wb, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw FileError("Cannot create " + folder.string());
    for (const auto& e : wb.scheme.ElementList()) {
        const auto graph = RecordedGraphOf(*e, wb.run);
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

int usage() {
    std::cerr
        << "usage: velmar-cli run SCHEME [--variable] [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]...\n"
           "                      [--edit E]... [--sweep E:LABEL=BEGIN:END:STEP] [--metrics] [--csv OUT] [--pnt DIR]\n";
    return 2;
}

}  // namespace

std::vector<CsvCurve> recordedCurves(const Workbench& wb, const std::string& sweep) {
    std::vector<CsvCurve> curves;
    for (const auto& e : wb.scheme.ElementList())
        if (const auto graph = RecordedGraphOf(*e, wb.run))
            for (std::size_t s = 0; s < graph->diagrams.size(); ++s)
                if (graph->diagrams[s].present())
                    curves.push_back(csvCurve(e->Number, static_cast<int>(s) + 1, graph->diagrams[s], sweep));
    return curves;
}

bool saidNotStable(const ScriptedHost& host) {
    const std::vector<std::string> errors = host.messagesOf(Box::Error);
    return std::find(errors.begin(), errors.end(), kNotStable) != errors.end();
}

int emitCsv(const RunOptions& options, const std::string& text) {
    if (!options.csv) {
        std::cout << text;
        return 0;
    }
    std::string error;
    if (writeCsvFile(*options.csv, text, error)) return 0;
    std::cerr << "velmar-cli " << options.verb << ": " << error << "\n";
    return 2;
}

int loadAndRun(Workbench& wb, const ScriptedHost& host, const RunOptions& options, std::ostream& out,
               std::ostream& err, const std::function<std::string(Workbench&)>& adjust) {
    if (!loadSchemeWarning(options.verb, options.scheme, wb.scheme, err)) return 2;
    std::string error;
    if (!applyEdits(wb, host, options.edits, error) || !applySets(wb, options.sets, error) ||
        (adjust && !(error = adjust(wb)).empty())) {
        err << "velmar-cli " << options.verb << ": " << error << "\n";
        return 2;
    }
    if (!CompileScheme(wb)) {
        for (const Cell& c : wb.scheme.ConnectErrors) out << "fault cell: " << c.col << ' ' << c.row << '\n';
        return 1;
    }
    wb.settings.VariableStep = options.variable ? 1 : 0;
    const RunOutcome outcome = RunSimulation(wb);
    if (!answersAllTaken(host, options.verb, err)) return 2;
    switch (outcome) {
        case RunOutcome::Cancelled: return 2;  // the run's values were refused
        case RunOutcome::Failed: return 1;
        case RunOutcome::Completed: break;
    }
    return 0;
}

int run(const Args& args) {
    const std::optional<RunOptions> options = parse(args);
    if (!options) return usage();
    ScriptedHost host;
    for (const std::string& a : options->answers)
        if (!host.addAnswer(a)) return usage();
    if (options->sweep) return runSweep(*options);
    host.echo = [](const std::string& line) { std::cout << line << '\n'; };
    Workbench wb(host);
    if (const int code = loadAndRun(wb, host, *options, std::cout, std::cerr); code != 0) {
        if (!options->metrics || !saidNotStable(host)) return code;
        std::ostringstream csv;  // a run that blew up still says so in its metrics
        writeMetricsCsv(csv, {divergedMetrics()}, false);
        return std::max(code, emitCsv(*options, csv.str()));
    }

    if (options->pnt) {
        try {
            writePointFiles(wb, *options->pnt);
        } catch (const FileError& e) {
            std::cerr << "velmar-cli run: " << e.what() << "\n";
            return 2;
        }
    }
    std::ostringstream csv;
    if (options->metrics) writeMetricsCsv(csv, recordedMetrics(wb), false);
    else if (!options->pnt || options->csv) writeCurvesCsv(csv, recordedCurves(wb));
    else return 0;  // the point files alone
    return emitCsv(*options, csv.str());
}

}  // namespace velmar::cli
