// run SCHEME [--variable] [--answer LABEL=VALUE]... [--csv OUT] [--pnt DIR]: compile a
// scheme, run it and write what every recorder would show in the graph viewer, as CSV
// and as one point file per curve.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "core/blocks/recorders.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "core/graphs/graph_texts.h"
#include "core/graphs/point_file.h"
#include "core/model/compile.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/simulation/driver.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

namespace {

struct RunOptions {
    std::string scheme;
    bool variable = false;
    std::vector<std::string> answers;
    std::optional<std::string> csv;
    std::optional<std::string> pnt;
};

std::optional<RunOptions> parse(const Args& args) {
    RunOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--variable")
            o.variable = true;
        else if (a == "--answer" && hasValue)
            o.answers.push_back(args[++i]);
        else if (a == "--csv" && hasValue)
            o.csv = args[++i];
        else if (a == "--pnt" && hasValue)
            o.pnt = args[++i];
        else if (o.scheme.empty() && !a.starts_with("--"))
            o.scheme = a;
        else
            return std::nullopt;
    }
    if (o.scheme.empty()) return std::nullopt;
    return o;
}

// Every recorder's curves in element-number order, as the graph viewer would get them.
void writeCsv(const Scheme& scheme, std::ostream& out) {
    out << "element,diagram,index,x,y\n";
    for (const auto& e : scheme.ElementList()) {
        const auto* recorder = dynamic_cast<const Recorder*>(e.get());
        if (!recorder) continue;
        const Diagrams slots = recorder->diagrams();
        for (std::size_t s = 0; s < slots.size(); ++s) {
            const Diagram& d = slots[s];
            if (!d.present()) continue;
            for (int i = 0; i < d.count; ++i)
                out << int(e->Number) << ',' << s + 1 << ',' << i << ',' << significantText(d.x[i]) << ','
                    << significantText(d.y[i]) << '\n';
        }
    }
}

// Every recorder's curves as point files "NUMBER-SLOT.pnt" in the folder, as the graph
// viewer would save them. Throws FileError when one cannot be written.
void writePointFiles(const Workbench& wb, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw FileError("Cannot create " + folder.string());
    for (const auto& e : wb.scheme.ElementList()) {
        const auto* recorder = dynamic_cast<const Recorder*>(e.get());
        if (!recorder) continue;
        GraphHeading heading;
        heading.applyKind(recorder->graphKind());
        const Diagrams slots = recorder->diagrams();
        for (std::size_t s = 0; s < slots.size(); ++s)
            if (slots[s].present())
                writePointFile((folder / (std::to_string(e->Number) + "-" + std::to_string(s + 1) + ".pnt")).string(),
                               heading.title, slots[s], wb.settings.VariableStep != 0);
    }
}

int usage() {
    std::cerr << "usage: velmar-cli run SCHEME [--variable] [--answer LABEL=VALUE]... [--csv OUT] [--pnt DIR]\n";
    return 2;
}

}  // namespace

int run(const Args& args) {
    const std::optional<RunOptions> options = parse(args);
    if (!options) return usage();
    ScriptedHost host;
    for (const std::string& a : options->answers)
        if (!host.addAnswer(a)) return usage();
    host.echo = [](const std::string& line) { std::cout << line << '\n'; };
    Workbench wb(host);

    try {
        LoadScheme(wb.scheme, options->scheme, LabelsFileFor(options->scheme));
    } catch (const FileError& e) {
        std::cerr << "velmar-cli run: " << e.what() << "\n";
        return 2;
    }
    if (!CompileScheme(wb)) {
        for (const Cell& c : wb.scheme.ConnectErrors) std::cout << "fault cell: " << c.col << ' ' << c.row << '\n';
        return 1;
    }
    wb.settings.VariableStep = options->variable ? 1 : 0;
    switch (RunSimulation(wb)) {
        case RunOutcome::Cancelled: return 2;  // the run's values were refused
        case RunOutcome::Failed: return 1;
        case RunOutcome::Completed: break;
    }

    if (options->pnt) {
        try {
            writePointFiles(wb, *options->pnt);
        } catch (const FileError& e) {
            std::cerr << "velmar-cli run: " << e.what() << "\n";
            return 2;
        }
    }
    if (!options->csv) {
        if (!options->pnt) writeCsv(wb.scheme, std::cout);
        return 0;
    }
    std::ofstream out(*options->csv, std::ios::binary);
    if (out) writeCsv(wb.scheme, out);
    if (!out || !out.flush()) {
        std::cerr << "velmar-cli run: cannot write " << *options->csv << "\n";
        return 2;
    }
    return 0;
}

}  // namespace velmar::cli
