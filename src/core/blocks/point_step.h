// Blocks whose state moves on with every step (own clocks, step counters, sums,
// integrals, edge memories) step once per time point. The constant-step run advances
// every element once per point anyway; the variable-step run evaluates its right-hand
// side several times per output point, trial and rejected steps included, and such a
// block takes the first of those calls and lets the others pass. The sources are built
// on it too. Those whose output is a function of the time the run reads (RunState::t())
// follow time: they compute their value at every call, so in a variable-step run at the
// time of every evaluation. The others compute it at the first call of a time point and
// hold it until the next point.
#pragma once

#include <cstdint>

#include "core/model/element.h"
#include "core/model/run_context.h"

namespace velmar {

class PointStepElement : public Element {
public:
    using Element::Element;

    void InitRun(RunContext& ctx) final {
        lastPoint_ = -1;
        start(ctx);
    }

    void Advance(RunContext& ctx) final {
        if (ctx.run.StepIndex == lastPoint_ && !followsTime()) return;
        lastPoint_ = ctx.run.StepIndex;
        step(ctx);
    }

protected:
    virtual void start(RunContext& ctx) { Element::InitRun(ctx); }  // before the first point
    virtual void step(RunContext&) {}                               // once per point
    virtual bool followsTime() const { return false; }              // step at every call

private:
    std::int32_t lastPoint_ = -1;
};

// The common part of the sources: each advances once per time point, also in a
// variable-step run, so sources driven by their own counts (elapsed times, random draws,
// triggers) step once per point there too.
using Source = PointStepElement;

// A source whose output is a function of time: computed at every call, so a
// variable-step run sees it at the time of each evaluation. Where the constant-step rule
// accumulates (the ramp, an own clock, the start of the current period), the
// variable-step run computes the same signal from the time itself.
class TimeSource : public Source {
public:
    using Source::Source;

protected:
    bool followsTime() const final { return true; }
};

}  // namespace velmar
