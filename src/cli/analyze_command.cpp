// tf SCHEME --block N [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--side-files DIR]
// analyze SCHEME --block N --method M [--mark E:LABEL]... [--answer LABEL=VALUE]...
//     [--set E:LABEL=VALUE]... [--csv OUT] [--side-files DIR]
//
// Both compile the scheme and run the Solve operation of analysis block N as the Run
// regime would (its dialogs answered by label); analyze then runs method M, a chooser code or the name of
// an item without one. The menu commands harmonic and popov need no Solve: they study
// the loop of the scheme's nonlinear block up to analysis block N (or, without --block,
// the last analysis block). Everything the core says is printed as it happens.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "cli/answers.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/curve_csv.h"
#include "cli/scheme_loading.h"
#include "cli/scheme_options.h"
#include "core/analysis/d_decomposition.h"
#include "core/analysis/method_lists.h"
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
    std::string csv;
    std::vector<std::string> answers;
    std::vector<std::string> marks;
    std::string sideFiles;  // where CfFile.txt and mcad/ go; none without
    std::vector<std::string> sets;
};

// The names of the items that have no chooser code; harmonic and popov are menu
// commands rather than list items.
constexpr std::pair<const char*, int> kMethodNames[] = {
    {"routh", kCodeRouth},           {"mikhailov", kCodeMikhailov},
    {"nyquist", kCodeNyquist},       {"ddecomp", kCodeDDecomposition},
    {"harmonic", -kCommandHarmonic}, {"popov", -kCommandPopov},
};

// A code of an item of the chooser's lists; a menu command as its negative; nothing
// for an unknown method.
std::optional<int> methodCode(const std::string& text) {
    for (const auto& [name, code] : kMethodNames)
        if (text == name) return code;
    const auto number = parseNumber(text);
    if (number && *number == static_cast<int>(*number) && !CaptionOfCode(static_cast<int>(*number)).empty())
        return static_cast<int>(*number);
    return std::nullopt;
}

std::optional<Options> parse(const Args& args, bool withMethod) {
    std::vector<OptionSpec> known = {{"--block"}, {"--answer"}, {"--side-files"}, {"--set"}};
    if (withMethod) known.insert(known.end(), {{"--method"}, {"--csv"}, {"--mark"}});
    const auto parsed = parseArguments(args, known);
    if (!parsed) return std::nullopt;
    Options o{parsed->positional,
              0,
              parsed->last("--method").value_or(""),
              parsed->last("--csv").value_or(""),
              parsed->all("--answer"),
              parsed->all("--mark"),
              parsed->last("--side-files").value_or(""),
              parsed->all("--set")};
    for (const std::string& text : parsed->all("--block")) {  // every one given must be an element number
        const auto n = parseNumber(text);
        if (!n || *n != static_cast<int>(*n) || *n < 1) return std::nullopt;
        o.block = static_cast<int>(*n);
    }
    const bool menuCommand = withMethod && methodCode(o.method).value_or(0) < 0;
    if (o.scheme.empty() || (o.block == 0 && !menuCommand) || (withMethod && o.method.empty()))
        return std::nullopt;
    return o;
}

// One line per scanned grid point of every D-decomposition map:
// "ddecomp: X Y COUNT", X and Y the values the parameters had there.
void printPlanes(const ScriptedHost& host) {
    for (const DDecompositionMap& map : host.dDecompositions)
        for (int j = 0; j <= map.ny; ++j)
            for (int i = 0; i <= map.nx; ++i) {
                const int count = map.count(i, j);
                if (count == DDecompositionMap::kNotScanned) continue;
                std::cout << "ddecomp: " << significantText(Real48(GridX(map, i))) << ' '
                          << significantText(Real48(GridY(map, j))) << ' '
                          << (count == DDecompositionMap::kUndetermined ? "undetermined"
                                                                        : std::to_string(count))
                          << '\n';
            }
}

int usage(const char* command) {
    std::cerr
        << (std::string(command) == "tf"
                ? "usage: velmar-cli tf SCHEME --block N [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]...\n"
                  "                     [--side-files DIR]\n"
                : "usage: velmar-cli analyze SCHEME --block N --method M [--mark E:LABEL]... "
                  "[--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--csv OUT] [--side-files DIR]\n"
                  "  M: 51..56, 41..45, 60, 82, 101, 102, 103..108, 311, 331, 341, 1979..1981,\n"
                  "     or routh, mikhailov, nyquist, ddecomp, harmonic, popov\n"
                  "  harmonic and popov take --block only to name the analysis block\n");
    return 2;
}

// Loads the scheme, solves block N and, with a method, runs it. Exit code as for run.
int solve(const char* command, const Options& o, std::optional<int> method) {
    ScriptedHost host;
    // A warning (a side file that could not be written) goes to standard error.
    const std::string warning = std::string(boxCaption(Box::Warning)) + ": ";
    host.echo = [&](const std::string& line) {
        if (line.starts_with(warning))
            std::cerr << "velmar-cli " << command << ": warning: " << line.substr(warning.size()) << '\n';
        else std::cout << line << '\n';
    };
    for (const std::string& a : o.answers)
        if (!host.addAnswer(a)) {
            std::cerr << "velmar-cli " << command << ": an answer must read LABEL=VALUE: " << a << "\n";
            return 2;
        }
    Workbench wb(host);
    wb.analysis.workingFolder = o.sideFiles;
    if (!loadSchemeWarning(command, o.scheme, wb.scheme, std::cerr)) return 2;
    if (o.block != 0 && (o.block > wb.scheme.ElementCount() || wb.scheme.element(o.block).TypeCode() != 60)) {
        std::cerr << "velmar-cli " << command << ": element " << o.block << " is not an analysis block\n";
        return 2;
    }
    std::string markError;
    if (!applyMarks(wb.scheme, o.marks, markError) || !applySets(wb, o.sets, markError)) {
        std::cerr << "velmar-cli " << command << ": " << markError << "\n";
        return 2;
    }
    if (!CompileScheme(wb)) return 1;  // the wiring faults have been reported
    const bool menuCommand = method && *method < 0;
    wb.analysis.methodGroup = method && !menuCommand ? GroupForCode(*method) : MethodGroup::Character;
    // A harmonic sweep offers its list: both curves go to the viewer.
    host.methodCodes = menuCommand ? std::vector<int>{41, 42}
                       : method    ? std::vector<int>{*method}
                                   : std::vector<int>{};
    // A display of the roots animation is reached through the animation.
    if (method && IsRootsDisplay(*method)) host.methodCodes = {kCodeRootsAnimation, *method};
    try {
        wb.analysis.lastBlock = o.block;
        if (menuCommand) AnalysisMenuCommand(wb, -*method);
        else wb.scheme.element(o.block).EditParameters(wb);
    } catch (const std::runtime_error& e) {  // MathError and FileError end the command
        host.message(Box::Error, e.what());
    }
    printPlanes(host);
    // A method that refused (an error box) may stop before the dialogs the answers were
    // meant for: that failure is the one to report, not the answers it never asked.
    if (host.messagesOf(Box::Error).empty() && !answersAllTaken(host, command, std::cerr)) return 2;
    if (!o.csv.empty()) {
        std::vector<CsvCurve> curves;
        for (const auto& g : host.graphs)
            for (const auto& c : g.curves) curves.push_back({o.block, c.slot, c.x, c.y});
        std::string error;
        if (!writeCurvesCsv(o.csv, curves, error)) {
            std::cerr << "velmar-cli " << command << ": " << error << "\n";
            return 2;
        }
    }
    const bool solved =
        menuCommand || std::any_of(host.lines.begin(), host.lines.end(),
                                   [](const std::string& l) { return l.rfind("tf: ", 0) == 0; });
    if (!solved) std::cerr << "velmar-cli " << command << ": block " << o.block << " was not solved\n";
    const bool planeMissing = method == kCodeDDecomposition && host.dDecompositions.empty();
    return solved && !planeMissing && host.messagesOf(Box::Error).empty() && host.warnings.empty() ? 0 : 1;
}

}  // namespace

int tf(const Args& args) {
    const auto o = parse(args, false);
    if (!o) return usage("tf");
    return solve("tf", *o, std::nullopt);
}

int analyze(const Args& args) {
    const auto o = parse(args, true);
    if (!o) return usage("analyze");
    const auto method = methodCode(o->method);
    if (!method) {
        std::cerr << "velmar-cli analyze: unknown method " << o->method << "\n";
        return usage("analyze");
    }
    return solve("analyze", *o, method);
}

}  // namespace velmar::cli
