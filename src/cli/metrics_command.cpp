// metrics SCHEME [--element N] [--diagram D] [run options]: run a scheme as `run` does
// (--variable, --answer, --set) and print the step-response metrics of one recorder
// curve, one "metric: NAME = VALUE" line each, exactly as the graph viewer's metrics
// panel shows them for that curve (the same core function, the same step level). A run
// that blows up keeps no curve; its metrics all say "diverging".
#include <iostream>
#include <optional>
#include <string>
#include <tuple>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/run_setup.h"
#include "core/blocks/recorders.h"
#include "core/graphs/run_note.h"
#include "core/graphs/step_metrics.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

namespace {

struct MetricsOptions {
    RunOptions run;   // the scheme and how to run it, as for `run`
    int element = 0;  // 0: the first recorder that holds a curve
    int diagram = 1;  // the viewer's slot; 1 is the slot the viewer opens on
};

// A whole number of at least 1, as the last of the option's values; `fallback` when the
// option was not given, nothing when a value is no such number.
std::optional<int> countOption(const ParsedArguments& parsed, std::string_view option, int fallback) {
    int value = fallback;
    for (const std::string& text : parsed.all(option)) {
        const auto n = parseNumber(text);
        if (!n || *n != static_cast<int>(*n) || *n < 1) return std::nullopt;
        value = static_cast<int>(*n);
    }
    return value;
}

std::optional<MetricsOptions> parse(const Args& args) {
    const auto parsed =
        parseArguments(args, {{"--element"}, {"--diagram"}, {"--variable", false}, {"--answer"}, {"--set"}, {"--edit"}});
    if (!parsed || parsed->positional.empty()) return std::nullopt;
    const auto element = countOption(*parsed, "--element", 0);
    const auto diagram = countOption(*parsed, "--diagram", 1);
    if (!element || !diagram || *diagram > static_cast<int>(std::tuple_size_v<Diagrams>)) return std::nullopt;
    MetricsOptions o{{}, *element, *diagram};
    o.run.verb = "metrics";
    o.run.scheme = parsed->positional;
    o.run.variable = parsed->has("--variable");
    o.run.answers = parsed->all("--answer");
    o.run.sets = parsed->all("--set");
    o.run.edits = parsed->all("--edit");
    return o;
}

int usage() {
    std::cerr << "usage: velmar-cli metrics SCHEME [--element N] [--diagram D] [--variable] "
                 "[--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--edit E]...\n";
    return 2;
}

int fail(const std::string& text) {
    std::cerr << "velmar-cli metrics: " << text << "\n";
    return 2;
}

// The recorder to measure: element N, or the first recorder (element-number order)
// that holds a curve.
const Element* recorderOf(const Workbench& wb, int element) {
    if (element > 0) return element <= wb.scheme.ElementCount() ? &wb.scheme.element(element) : nullptr;
    for (const auto& e : wb.scheme.ElementList())
        if (RecordedGraphOf(*e, wb.run)) return e.get();
    return nullptr;
}

}  // namespace

int metrics(const Args& args) {
    const std::optional<MetricsOptions> o = parse(args);
    if (!o) return usage();
    ScriptedHost host;
    for (const std::string& a : o->run.answers)
        if (!host.addAnswer(a)) return usage();
    host.echo = [](const std::string& line) { std::cout << line << '\n'; };
    Workbench wb(host);
    if (const int code = loadAndRun(wb, host, o->run, std::cout, std::cerr); code != 0) {
        // A failed run keeps no curves; one that blew up did diverge.
        if (saidNotStable(host))
            for (int i = 0; i < kMetricCount; ++i)
                std::cout << metricLine({MetricId(i), MetricStatus::Diverging}) << '\n';
        return code;
    }
    if (o->element > wb.scheme.ElementCount())
        return fail("the scheme has no element " + std::to_string(o->element));

    const Element* recorder = recorderOf(wb, o->element);
    const auto graph = recorder ? RecordedGraphOf(*recorder, wb.run) : std::nullopt;
    if (!graph)
        return fail(o->element > 0 ? "element " + std::to_string(o->element) + " is not a recorder"
                                   : std::string("the scheme has no recorder"));
    const Diagram& curve = graph->diagrams[static_cast<std::size_t>(o->diagram - 1)];
    if (!curve.present())
        return fail("recorder " + std::to_string(recorder->Number) + " has no diagram " +
                    std::to_string(o->diagram));
    const Extended level = describeRun(wb.scheme).stepLevel.value_or(1);
    for (const std::string& line : metricLines(stepMetrics(curve, level))) std::cout << line << '\n';
    return 0;
}

}  // namespace velmar::cli
