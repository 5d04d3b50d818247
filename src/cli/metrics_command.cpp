// metrics SCHEME [--element N] [--diagram D] [run options]: run a scheme as `run` does
// (--variable, --answer, --set) and print the step-response metrics of one recorder
// curve, one "metric: NAME = VALUE" line each, exactly as the graph viewer's metrics
// panel shows them for that curve (the same core function, the same step level). A run
// that blows up keeps no curve; its metrics all say "diverging".
#include <iostream>
#include <optional>
#include <string>
#include <tuple>

#include "cli/answers.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/run_setup.h"
#include "core/blocks/recorders.h"
#include "core/graphs/run_note.h"
#include "core/graphs/step_metrics.h"
#include "core/model/scheme.h"
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

std::optional<MetricsOptions> parse(const Args& args, std::string& error) {
    const auto parsed = parseArguments(args,
                                       {{"--element"},
                                        {"--diagram"},
                                        {"--variable", false},
                                        {"--answer", true, true},
                                        {"--set", true, true},
                                        {"--edit", true, true}},
                                       error);
    if (!parsed) return std::nullopt;
    if (parsed->positional.empty()) {
        error = "no scheme given";
        return std::nullopt;
    }
    const auto element = wholeOption(*parsed, "--element", 1, kMaxElements, 0, error);
    const auto diagram = element ? wholeOption(*parsed, "--diagram", 1,
                                               static_cast<int>(std::tuple_size_v<Diagrams>), 1, error)
                                 : std::nullopt;
    if (!diagram) return std::nullopt;
    MetricsOptions o{{}, *element, *diagram};
    o.run.verb = "metrics";
    o.run.scheme = parsed->positional;
    o.run.variable = parsed->has("--variable");
    o.run.answers = parsed->all("--answer");
    o.run.sets = parsed->all("--set");
    o.run.edits = parsed->all("--edit");
    return o;
}

int fail(const std::string& text) {
    std::cerr << "velmar-cli metrics: " << text << "\n";
    return kWrongCall;
}

// The recorder to measure: element N, or the first recorder (element-number order)
// that holds a curve.
const Element* recorderOf(const Workbench& wb, int element) {
    if (element > 0) return element <= wb.scheme.ElementCount() ? &wb.scheme.element(element) : nullptr;
    for (const auto& e : wb.scheme.ElementList())
        if (recordedGraphOf(*e, wb.run)) return e.get();
    return nullptr;
}

}  // namespace

int metrics(const Args& args) {
    std::string error;
    const std::optional<MetricsOptions> o = parse(args, error);
    if (!o) return usageError("metrics", error);
    ScriptedHost host;
    if (!addAnswers(host, o->run.answers, "metrics", std::cerr)) return kWrongCall;
    host.echo = [](const std::string& line) { std::cout << line << '\n'; };
    Workbench wb(host);
    const RunResult result = loadAndRun(wb, host, o->run, std::cout, std::cerr);
    if (result.code != kDone) {
        // A failed run keeps no curves; one that blew up did diverge.
        if (saidNotStable(host))
            for (int i = 0; i < kMetricCount; ++i)
                std::cout << metricLine({MetricId(i), MetricStatus::Diverging}) << '\n';
        return result.code;
    }
    if (o->element > wb.scheme.ElementCount())
        return fail("the scheme has no element " + std::to_string(o->element));

    const Element* recorder = recorderOf(wb, o->element);
    const auto graph = recorder ? recordedGraphOf(*recorder, wb.run) : std::nullopt;
    if (!graph)
        return fail(o->element > 0 ? "element " + std::to_string(o->element) + " is not a recorder"
                                   : std::string("the scheme has no recorder"));
    const Diagram& curve = graph->diagrams[static_cast<std::size_t>(o->diagram - 1)];
    if (!curve.present())
        return fail("recorder " + std::to_string(recorder->Number) + " has no diagram " +
                    std::to_string(o->diagram));
    const Extended level = describeRun(wb.scheme).stepLevel.value_or(1);
    for (const std::string& line : metricLines(stepMetrics(curve, level))) std::cout << line << '\n';
    return result.partial || !host.warnings.empty() ? kDoneWithWarning : kDone;
}

}  // namespace velmar::cli
