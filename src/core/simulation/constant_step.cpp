#include <cmath>

#include "core/numtext.h"
#include "core/workbench.h"
#include "core/simulation/driver.h"
#include "core/simulation/progress.h"

namespace velmar {

namespace {

constexpr int kEsc = 27;

// Esc in the key queue raises UserStop; other keys waiting are dropped.
void PollStopKey(Workbench& wb) {
    Host& host = wb.ui();
    while (host.keyWaiting())
        if (host.readKey() == kEsc) wb.run.UserStop = true;
}

}  // namespace

RunOutcome RunConstantStep(Workbench& wb) {
    RunState& run = wb.run;
    const std::vector<Element*>& calc = wb.compiled->CalcOrder;
    run.h = wb.settings.Step;
    Progress progress(wb);
    for (Element* e : calc) e->InitRun(wb);

    // With 5000 points or more the first time point is skipped: its sample is the one
    // InitRun wrote.
    bool stable = true;
    for (run.StepIndex = run.PointCount / 5000; run.StepIndex < run.PointCount; ++run.StepIndex) {
        for (Element* e : calc) {
            e->Advance(wb);
            if (std::fabs(e->Output.get()) > kUnstableOutput) {
                stable = false;
                break;
            }
        }
        if (!stable) break;
        if (progress.Show()) PollStopKey(wb);
        if (run.UserStop) break;
    }
    run.UserStop = false;

    if (!stable) {
        ReleaseAllResults(wb);
        FinishAll(wb);
        progress.Finish(fixedText(run.CurrentTime, 8, 4));
        wb.ui().message(Box::Error, kNotStable);
        return RunOutcome::Failed;
    }
    progress.Finish(std::string(kRunRegimeName));
    FinishAll(wb);
    ShowAllResults(wb);
    return RunOutcome::Completed;
}

}  // namespace velmar
