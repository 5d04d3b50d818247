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

#include "cli/arguments.h"
#include "cli/commands.h"
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

// A whole number from `low` to `high`.
std::optional<int> wholeIn(const std::string& text, int low, int high) {
    const auto n = parseNumber(text);
    if (!n || *n != static_cast<int>(*n) || *n < low || *n > high) return std::nullopt;
    return static_cast<int>(*n);
}

std::optional<Options> parse(const Args& args) {
    const auto parsed = parseArguments(
        args,
        {{"--block"}, {"--criterion"}, {"--method"}, {"--mark"}, {"--answer"}, {"--expression"}, {"--save"}});
    if (!parsed || parsed->positional.empty()) return std::nullopt;
    Options o;
    o.scheme = parsed->positional;
    o.marks = parsed->all("--mark");
    o.answers = parsed->all("--answer");
    o.expression = parsed->last("--expression");
    o.save = parsed->last("--save");
    for (const std::string& text : parsed->all("--block")) {
        const auto n = wholeIn(text, 1, 255);
        if (!n) return std::nullopt;
        o.block = *n;
    }
    const auto criterion = parsed->last("--criterion");
    if (!criterion || o.block == 0) return std::nullopt;
    o.maxAmplitude = *criterion == "optmaxaw";
    const auto c = o.maxAmplitude ? std::optional<int>(kCriterionIntegralE2)
                                  : wholeIn(*criterion, 0, static_cast<int>(kCriterionCaptions.size()) - 1);
    if (!c) return std::nullopt;
    o.criterion = *c;
    if (const auto m = parsed->last("--method")) {
        o.method = wholeIn(*m, 0, kSearchMethods - 1);
        if (!o.method) return std::nullopt;
    }
    return o;
}

int usage(std::ostream& out, int code) {
    out << "usage: velmar-cli optimize SCHEME --block N --criterion C [--method M] [--mark E:LABEL]...\n"
           "                          [--answer LABEL=VALUE]... [--expression TEXT] [--save OUT]\n"
           "  N: the optimisation block (code 47)\n"
           "  C: 0 Integral(e^2), 1 Int(e^2+tau^2*(de/dt)^2) (both from W(s) between the first\n"
           "     step source and block N), 2 Maximum, 3 T1max(c), 4 Integral(x^2), 5 User Criterion\n"
           "     (by runs), or optmaxaw (the largest A(w) of that W(s))\n"
           "  M: 0 Poisk 2, 1 Poisk 4, 2 Nelder-Mid, 3 Huk-Jivs, 4 Gradient, 5 Coordinate Down\n"
           "     (criteria 0, 1 and optmaxaw search with Nelder-Mid unless M is given)\n"
           "  --mark E:LABEL   vary element E's parameter of dialog row LABEL (at most 10 are varied)\n"
           "  --answer L=V     answer the dialog row L (tau, Limitation, Step, Time)\n"
           "  --expression T   the user criterion over a, b, c, d, f, g, ... (default a^2)\n"
           "  --save OUT       write the tuned scheme to OUT\n"
           "Prints param: NAME = VALUE per varied parameter, criterion: J (the last evaluation),\n"
           "evaluations: COUNT, and the messages as CAPTION: TEXT. Exit codes: 0 finished, 1 refused\n"
           "or failed, 2 a usage or file error.\n";
    return code;
}

}  // namespace

int optimize(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help") return usage(std::cout, 0);
    const auto o = parse(args);
    if (!o) return usage(std::cerr, 2);
    ScriptedHost host;
    host.echo = [](const std::string& line) { std::cout << line << '\n'; };
    for (const std::string& a : o->answers)
        if (!host.addAnswer(a)) {
            std::cerr << "velmar-cli optimize: an answer must read LABEL=VALUE: " << a << "\n";
            return 2;
        }
    Workbench wb(host);
    if (!loadSchemeWarning("optimize", o->scheme, wb.scheme, std::cerr)) return 2;
    if (o->block > wb.scheme.ElementCount() || wb.scheme.element(o->block).TypeCode() != kOptimisationBlock) {
        std::cerr << "velmar-cli optimize: element " << o->block << " is not an optimisation block\n";
        return 2;
    }
    std::string markError;
    if (!applyMarks(wb.scheme, o->marks, markError)) {
        std::cerr << "velmar-cli optimize: " << markError << "\n";
        return 2;
    }
    if (!CompileScheme(wb)) return 1;  // the wiring faults have been reported

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
    if (outcome != OptimisationSession::Outcome::Finished) return 1;
    const int warned = host.warnings.empty() ? 0 : 1;  // an algebraic loop: tuned, but said
    if (o->save) {
        try {
            SaveScheme(wb.scheme, *o->save, LabelsFileFor(*o->save));
        } catch (const FileError& e) {
            std::cerr << "velmar-cli optimize: " << e.what() << "\n";
            return 2;
        }
    }
    return warned;
}

}  // namespace velmar::cli
