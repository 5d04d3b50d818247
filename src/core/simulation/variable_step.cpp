#include <new>

#include "core/model/compiled.h"
#include "core/model/run_context.h"
#include "core/simulation/driver.h"
#include "core/simulation/integrator.h"
#include "core/simulation/progress.h"

namespace velmar {

namespace {

constexpr Extended kMinStepShare = 1.5e-5L;  // hmin = output interval x this

// The scheme as the integrator sees it: the elements with states (those whose
// denominator has an order m > 0) own m consecutive slots of the state vector, from
// StateOffset; every other element is advanced at each evaluation.
class SchemeRates : public RightHandSide {
public:
    SchemeRates(RunContext& ctx, const CompiledScheme& compiled, Progress& progress)
        : ctx_(ctx), calc_(compiled.CalcOrder), progress_(progress) {
        StateOffset.assign(calc_.size(), 0);
        for (std::size_t j = 0; j < calc_.size(); ++j) {
            const int m = calc_[j]->Denominator().order();
            if (m > 0) StateOffset[j] = states + 1;
            states += m;
        }
    }

    // Each element's initial Output in all of its state slots.
    void LoadInitialStates(StateVector& y) const {
        for (std::size_t j = 0; j < calc_.size(); ++j) {
            const int k = StateOffset[j];
            if (k == 0) continue;
            const int m = calc_[j]->Denominator().order();
            for (int i = k; i < k + m; ++i) y[static_cast<std::size_t>(i)] = calc_[j]->Output;
        }
    }

    bool Rates(Extended t, const StateVector& y, StateVector& dy) override {
        ctx_.run.evaluationTime = t;
        for (std::size_t j = 0; j < calc_.size(); ++j) {
            if (StateOffset[j] > 0) calc_[j]->LoadState(StateOffset[j], y, ctx_);
            else calc_[j]->Advance(ctx_);
        }
        for (std::size_t j = 0; j < calc_.size(); ++j)
            if (StateOffset[j] > 0) calc_[j]->Derivatives(StateOffset[j], y, dy, ctx_);
        Host& host = ctx_.ui();
        return !(host.keyWaiting() && host.readKey() == kEscapeKey);
    }

    bool OutputPoint(Extended) override {
        ++ctx_.run.StepIndex;
        progress_.Show();
        return true;
    }

    std::vector<int> StateOffset;  // per CalcOrder position: first state slot, 0 for none
    int states = 0;

private:
    RunContext& ctx_;
    const std::vector<Element*>& calc_;
    Progress& progress_;
};

// The elements read the integrator's time while the run lasts, also when an element's
// fault ends it.
class IntegratorTime {
public:
    explicit IntegratorTime(RunState& run) : run_(run) { run_.integratorTime = true; }
    ~IntegratorTime() { run_.integratorTime = false; }
    IntegratorTime(const IntegratorTime&) = delete;
    IntegratorTime& operator=(const IntegratorTime&) = delete;

private:
    RunState& run_;
};

}  // namespace

RunOutcome RunVariableStep(RunContext& ctx, const CompiledScheme& compiled) {
    RunState& run = ctx.run;
    RunSettings& settings = ctx.settings;
    const Extended interval = settings.Time.get() / (run.PointCount - 1);
    settings.Step = interval;
    run.h = settings.Step;
    Progress progress(ctx);

    int states = 0;
    try {
        const IntegratorTime time(run);
        run.evaluationTime = 0;  // InitRun is at the start
        SchemeRates rates(ctx, compiled, progress);
        states = rates.states;
        StateVector y(static_cast<std::size_t>(rates.states) + 1);
        for (Element* e : compiled.CalcOrder) e->InitRun(ctx);
        rates.LoadInitialStates(y);
        // Sample i is written at the output time i·h it is stamped with: the evaluation
        // at t = 0 fills sample 0, each output point moves to the next one.
        run.StepIndex = 0;
        run.RunError = Integrate(y,
                                 {.eps = settings.Eps,
                                  .hmin = interval * kMinStepShare,
                                  .h0 = interval,
                                  .hout = interval,
                                  .tend = settings.Time,
                                  .t0 = 0},
                                 rates);
    } catch (const std::bad_alloc&) { run.RunError = RunStatus::NoResultMemory; }

    finishAll(ctx, compiled);
    progress.Finish(std::string(kRunRegimeName));
    if (run.RunError == RunStatus::Ok) {
        showAllResults(ctx, compiled);
        return RunOutcome::Completed;
    }
    releaseAllResults(ctx, compiled);
    std::string text(runStatusText(run.RunError));
    // The one bad input the dialog cannot see: the states the scheme has.
    if (run.RunError == RunStatus::BadParameters)
        text += states == 0 ? "\nthe scheme has no element with states to integrate"
                            : "\nthe scheme has more than " + std::to_string(kMaxStates) + " states";
    ctx.ui().message(Box::Error, text);
    return RunOutcome::Failed;
}

}  // namespace velmar
