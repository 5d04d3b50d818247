#include <cmath>

#include "core/model/compiled.h"
#include "core/model/element.h"
#include "core/model/run_context.h"
#include "core/numtext.h"
#include "core/simulation/driver.h"
#include "core/simulation/progress.h"

namespace velmar {

namespace {

// Esc in the key queue raises UserStop; other keys waiting are dropped.
void pollStopKey(RunContext& ctx) {
    Host& host = ctx.ui();
    while (host.keyWaiting())
        if (host.readKey() == kEscapeKey) ctx.run.UserStop = true;
}

}  // namespace

RunOutcome RunConstantStep(RunContext& ctx, const CompiledScheme& compiled) {
    RunState& run = ctx.run;
    const std::vector<Element*>& calc = compiled.CalcOrder;
    run.h = ctx.settings.Step;
    Progress progress(ctx);
    for (Element* e : calc) e->InitRun(ctx);

    // Every element steps through every time point, also when several points share one
    // recorder sample: a point left out would leave every dynamic element behind the
    // time the recorders stamp.
    bool stable = true;
    for (run.StepIndex = 0; run.StepIndex < run.PointCount; ++run.StepIndex) {
        for (Element* e : calc) {
            e->Advance(ctx);
            if (e->Output.magnitudeAbove(kUnstableOutput)) {
                stable = false;
                break;
            }
        }
        if (!stable) break;
        if (progress.Show()) pollStopKey(ctx);
        if (run.UserStop) break;
    }
    run.UserStop = false;

    if (!stable) {
        releaseAllResults(ctx, compiled);
        finishAll(ctx, compiled);
        progress.Finish(fixedText(run.CurrentTime, 8, 4));
        ctx.ui().message(Box::Error, kNotStable);
        return RunOutcome::Failed;
    }
    progress.Finish(std::string(kRunRegimeName));
    finishAll(ctx, compiled);
    showAllResults(ctx, compiled);
    return RunOutcome::Completed;
}

}  // namespace velmar
