// optimize SCHEME --block N --criterion C [--method M] [--mark E:LABEL]...
//          [--answer LABEL=VALUE]... [--expression TEXT] [--save OUT]
//
// Compiles the scheme and runs the optimisation of optimisation block N as its window
// would after "&Optimize": criterion C (0..5, or optmaxaw), method M (0..5; the
// transfer-function criteria search with Nelder-Mead unless one is named), the
// parameters marked with --mark, dialogs answered by label, the user criterion's
// expression. Prints every varied parameter, the last value and the evaluation count.
#include <iostream>
#include <optional>
#include <string>

#include "cli/answers.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/scheme_loading.h"
#include "cli/scheme_options.h"
#include "core/errors.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/optimisation_session.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

namespace {

constexpr int kOptimisationBlock = 47;

struct Options {
    std::string scheme;
    int block = 0;
    int criterion = 0;
    bool maxAmplitude = false;
    std::optional<int> method;
    std::vector<std::string> marks;
    std::vector<std::string> answers;
    std::optional<std::string> expression;
    std::optional<std::string> save;
};

std::optional<Options> parse(const Args& args, std::string& error) {
    const auto parsed = parseArguments(args,
                                       {{"--block"},
                                        {"--criterion"},
                                        {"--method"},
                                        {"--mark", true, true},
                                        {"--answer", true, true},
                                        {"--expression"},
                                        {"--save"}},
                                       error);
    if (!parsed) return std::nullopt;
    Options o;
    o.scheme = parsed->positional;
    o.marks = parsed->all("--mark");
    o.answers = parsed->all("--answer");
    o.expression = parsed->value("--expression");
    o.save = parsed->value("--save");
    const auto block = wholeOption(*parsed, "--block", 1, kMaxElements, 0, error);
    if (!block) return std::nullopt;
    o.block = *block;
    const auto criterion = parsed->value("--criterion");
    if (o.scheme.empty()) error = "no scheme given";
    else if (o.block == 0) error = "no --block given";
    else if (!criterion) error = "no --criterion given";
    if (!error.empty()) return std::nullopt;
    o.maxAmplitude = *criterion == "optmaxaw";
    const int lastCriterion = static_cast<int>(kCriterionCaptions.size()) - 1;
    const auto c = o.maxAmplitude ? std::optional<int>(kCriterionIntegralE2)
                                  : wholeOption(*parsed, "--criterion", 0, lastCriterion, 0, error);
    if (!c) return std::nullopt;
    o.criterion = *c;
    if (parsed->value("--method")) {
        o.method = wholeOption(*parsed, "--method", 0, kSearchMethods - 1, 0, error);
        if (!o.method) return std::nullopt;
    }
    return o;
}

}  // namespace

int optimize(const Args& args) {
    std::string error;
    const auto o = parse(args, error);
    if (!o) return usageError("optimize", error);
    ScriptedHost host;
    host.echo = [](const std::string& line) { std::cout << line << '\n'; };
    if (!addAnswers(host, o->answers, "optimize", std::cerr)) return kWrongCall;
    Workbench wb(host);
    const std::optional<int> read = loadSchemeWarning("optimize", o->scheme, wb.scheme, std::cerr);
    if (!read) return kWrongCall;
    if (o->block > wb.scheme.ElementCount() || wb.scheme.element(o->block).TypeCode() != kOptimisationBlock) {
        std::cerr << "velmar-cli optimize: element " << o->block << " is not an optimisation block\n";
        return kWrongCall;
    }
    if (!applyMarks(wb.scheme, o->marks, error)) {
        std::cerr << "velmar-cli optimize: " << error << "\n";
        return kWrongCall;
    }
    if (!CompileScheme(wb)) return kDoneWithWarning;  // the wiring faults have been reported

    OptimisationSession session(wb, o->block);
    session.setMaxAmplitude(o->maxAmplitude);
    session.setCriterion(o->criterion);
    if (o->method) session.setMethod(*o->method);
    if (o->expression) session.setExpression(*o->expression);
    OptimisationSession::Outcome outcome = OptimisationSession::Outcome::Refused;
    try {
        outcome = session.optimise();
    } catch (const std::runtime_error& e) {  // MathError and FileError end the command
        host.message(Box::Error, e.what());
    }
    if (session.evaluations() > 0) {
        for (const TunedParameter& t : session.parameters())
            std::cout << "param: " << t.param->Name << " = " << significantText(t.param->Value) << "\n";
        if (outcome != OptimisationSession::Outcome::Failed)  // there is no criterion to show
            std::cout << "criterion: " << significantText(session.lastValue()) << "\n";
        std::cout << "evaluations: " << session.evaluations() << "\n";
    }
    if (!answersAccepted(host, "optimize", std::cerr)) return kWrongCall;
    // As for analyze: a refusal is the failure to report, not the answers it never asked.
    if (outcome != OptimisationSession::Outcome::Finished) return kDoneWithWarning;
    if (!answersAllTaken(host, "optimize", std::cerr)) return kWrongCall;
    // A scheme read in part or an algebraic loop: tuned, but said.
    const int done = *read != kDone || !host.warnings.empty() ? kDoneWithWarning : kDone;
    if (o->save) {
        try {
            SaveScheme(wb.scheme, *o->save, labelsFileFor(*o->save));
        } catch (const FileError& e) {
            std::cerr << "velmar-cli optimize: " << e.what() << "\n";
            return kWrongCall;
        }
    }
    return done;
}

}  // namespace velmar::cli
