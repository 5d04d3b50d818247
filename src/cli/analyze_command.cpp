// tf SCHEME --block N [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--side-files DIR]
// analyze SCHEME --block N --method M [--mark E:LABEL]... [--answer LABEL=VALUE]...
//     [--set E:LABEL=VALUE]... [--csv OUT] [--side-files DIR]
//
// Both compile the scheme and run the Solve operation of analysis block N as the Run
// regime would (its dialogs answered by label); analyze then runs method M, a chooser code or the name of
// an item without one. The menu commands harmonic and popov need no Solve: they study
// the loop of the scheme's nonlinear block up to analysis block N (or, without --block,
// the last analysis block). Everything the core says is printed as it happens.
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <variant>

#include "cli/answers.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/csv_output.h"
#include "cli/curve_csv.h"
#include "cli/help.h"
#include "cli/methods.h"
#include "cli/scheme_loading.h"
#include "cli/scheme_options.h"
#include "core/analysis/d_decomposition.h"
#include "core/analysis/method_lists.h"
#include "core/blocks/analysis_block.h"
#include "core/errors.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/dispatcher.h"
#include "core/workbench/roots_animation.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

namespace {

struct Options {
    std::string scheme;
    int block = 0;
    std::string method;
    std::optional<std::string> csv;
    std::vector<std::string> answers;
    std::vector<std::string> marks;
    std::string sideFiles;  // where CfFile.txt and mcad/ go; none without
    std::vector<std::string> sets;
};

std::optional<Options> parse(const Args& args, bool withMethod, std::string& error) {
    std::vector<OptionSpec> known = {
        {"--block"}, {"--answer", true, true}, {"--side-files"}, {"--set", true, true}};
    if (withMethod) known.insert(known.end(), {{"--method"}, {"--csv"}, {"--mark", true, true}});
    const auto parsed = parseArguments(args, known, error);
    if (!parsed) return std::nullopt;
    Options o{parsed->positional,
              0,
              parsed->value("--method").value_or(""),
              parsed->value("--csv"),
              parsed->all("--answer"),
              parsed->all("--mark"),
              parsed->value("--side-files").value_or(""),
              parsed->all("--set")};
    const auto block = wholeOption(*parsed, "--block", 1, kMaxElements, 0, error);
    if (!block) return std::nullopt;
    o.block = *block;
    const auto named = withMethod ? methodOf(o.method) : std::nullopt;
    const bool menuCommand = named && std::holds_alternative<RunCommand>(*named);
    if (o.scheme.empty()) error = "no scheme given";
    else if (withMethod && o.method.empty()) error = "no --method given";
    else if (o.block == 0 && !menuCommand) error = "no --block given";
    else return o;
    return std::nullopt;
}

// One line per scanned grid point of every D-decomposition map:
// "ddecomp: X Y COUNT", X and Y the values the parameters had there.
void printPlanes(const ScriptedHost& host) {
    for (const DDecompositionMap& map : host.dDecompositions)
        for (int j = 0; j <= map.ny; ++j)
            for (int i = 0; i <= map.nx; ++i) {
                const int count = map.count(i, j);
                if (count == DDecompositionMap::kNotScanned) continue;
                std::cout << "ddecomp: " << significantText(Real48(gridX(map, i))) << ' '
                          << significantText(Real48(gridY(map, j))) << ' '
                          << (count == DDecompositionMap::kUndetermined ? "undetermined"
                                                                        : std::to_string(count))
                          << '\n';
            }
}

// Loads the scheme, solves block N and, with a method, runs it. Exit code as for run.
int solve(const char* command, const Options& o, std::optional<NamedAnalysis> method) {
    ScriptedHost host;
    // A warning (a side file that could not be written) goes to standard error.
    const std::string warning = std::string(boxCaption(Box::Warning)) + ": ";
    host.echo = [&](const std::string& line) {
        if (line.starts_with(warning))
            std::cerr << "velmar-cli " << command << ": warning: " << line.substr(warning.size()) << '\n';
        else std::cout << line << '\n';
    };
    if (!addAnswers(host, o.answers, command, std::cerr)) return kWrongCall;
    Workbench wb(host);
    wb.analysis.workingFolder = o.sideFiles;
    const std::optional<int> read = loadSchemeWarning(command, o.scheme, wb.scheme, std::cerr);
    if (!read) return kWrongCall;
    if (o.block != 0 && (o.block > wb.scheme.ElementCount() || !isAnalysisBlock(wb.scheme.element(o.block).TypeCode()))) {
        std::cerr << "velmar-cli " << command << ": element " << o.block << " is not an analysis block\n";
        return kWrongCall;
    }
    std::string markError;
    if (!applyMarks(wb.scheme, o.marks, markError) || !applySets(wb, o.sets, markError)) {
        std::cerr << "velmar-cli " << command << ": " << markError << "\n";
        return kWrongCall;
    }
    if (!CompileScheme(wb)) return kDoneWithWarning;  // the wiring faults have been reported
    const RunCommand* menuCommand = method ? std::get_if<RunCommand>(&*method) : nullptr;
    std::optional<MethodCode> code;
    if (method && !menuCommand) code = std::get<MethodCode>(*method);
    wb.analysis.methodGroup = code ? groupForCode(*code) : MethodGroup::Character;
    // A harmonic sweep offers its list: both curves go to the viewer.
    if (menuCommand) host.methodCodes = {MethodCode::HarmonicFrequency, MethodCode::HarmonicAmplitude};
    // A display of the roots animation is reached through the animation, which offers
    // its displays.
    if (code && isRootsDisplay(*code)) {
        host.methodCodes = {*code};
        code = MethodCode::rootsAnimation;
    }
    SolveResult result;
    try {
        wb.analysis.lastBlock = o.block;
        if (menuCommand) analysisMenuCommand(wb, *menuCommand);
        else result = solveOperation(wb, dynamic_cast<AnalysisBlock&>(wb.scheme.element(o.block)), code);
    } catch (const std::runtime_error& e) {  // MathError and FileError end the command
        host.message(Box::Error, e.what());
    }
    printPlanes(host);
    if (!answersAccepted(host, command, std::cerr)) return kWrongCall;
    // A method that refused (an error box) may stop before the dialogs the answers were
    // meant for: that failure is the one to report, not the answers it never asked.
    if (host.messagesOf(Box::Error).empty() && !answersAllTaken(host, command, std::cerr)) return kWrongCall;
    if (o.csv) {
        std::vector<CsvCurve> curves;
        for (const auto& g : host.graphs)
            for (const auto& c : g.curves) curves.push_back({o.block, c.slot, c.x, c.y});
        std::ostringstream csv;
        writeCurvesCsv(csv, curves);
        if (writeCsv(command, o.csv, csv.str()) != kDone) return kWrongCall;
    }
    const bool solved = menuCommand || result.solved;
    if (!solved) std::cerr << "velmar-cli " << command << ": block " << o.block << " was not solved\n";
    const bool planeMissing = code == MethodCode::DDecomposition && host.dDecompositions.empty();
    if (solved && planeMissing && host.messages.empty())
        std::cerr << "velmar-cli " << command << ": the D-decomposition scanned no plane\n";
    if (!solved || planeMissing || !host.messagesOf(Box::Error).empty()) return kDoneWithWarning;
    const bool warned = *read != kDone || !host.messagesOf(Box::Warning).empty() || !host.warnings.empty();
    return warned ? kDoneWithWarning : kDone;
}

}  // namespace

int tf(const Args& args) {
    std::string error;
    const auto o = parse(args, false, error);
    if (!o) return usageError("tf", error);
    return solve("tf", *o, std::nullopt);
}

int analyze(const Args& args) {
    std::string error;
    const auto o = parse(args, true, error);
    if (!o) return usageError("analyze", error);
    const auto method = methodOf(o->method);
    if (!method)
        return usageError("analyze",
                          "unknown method " + o->method + " (velmar-cli analyze --help lists them)");
    return solve("analyze", *o, method);
}

}  // namespace velmar::cli
