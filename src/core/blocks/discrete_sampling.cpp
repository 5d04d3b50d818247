// Sampling and holding blocks, the trigger, the pulse counter and the digital PID
// regulator. Without a connected input a step leaves them as they are.
#include <algorithm>
#include <climits>
#include <cmath>

#include "core/blocks/discrete_kinds.h"
#include "core/blocks/periods.h"
#include "core/blocks/point_step.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

// 39 pulse element (T): passes the input at every d-th time point, d being the number
// of time points in a period T plus one, d = Trunc(T·PointCount/Time + 1), and outputs
// 0 in between (and at the first point). A period too short to give d ≥ 1 passes every
// point after the first; one too long to count passes none.
class PulseElement : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    void start(RunContext& ctx) override {
        Element::InitRun(ctx);
        counter_ = 0;
    }

    void step(RunContext& ctx) override {
        if (!Input()) return;
        ++counter_;
        const long d = pointsPerPeriod(ctx);
        if (ctx.run.StepIndex % d == 0 && counter_ >= 2) {
            Output = Input()->Output;
            counter_ = 1;
        } else {
            Output = 0;
        }
    }

private:
    long pointsPerPeriod(const RunContext& ctx) const {
        const Extended points = checkFinite(param(0) * ctx.run.PointCount / Extended(ctx.settings.Time) + 1);
        if (points < 1) return 1;
        if (points >= LONG_MAX) return LONG_MAX;
        return static_cast<long>(std::trunc(points));
    }

    long counter_ = 0;
};

// 41 memory device (T): a non-zero input is taken and held for Round(T/h) further
// steps, then the output drops to 0 until the next non-zero input.
class MemoryDevice : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    void start(RunContext& ctx) override {
        Element::InitRun(ctx);
        held_ = 0;
        steps_ = 0;
    }

    void step(RunContext& ctx) override {
        if (!Input()) return;
        const Extended holdSteps = checkFinite(std::nearbyint(param(0) / ctx.run.h));
        ++steps_;
        const Extended u = Input()->Output;
        if (u != 0) {
            held_ = u;
            steps_ = 0;
        }
        Output = steps_ > holdSteps ? 0 : Extended(held_);
    }

private:
    Real48 held_;
    long steps_ = 0;
};

// 42 pulse shaper of the second kind (T discr, t imp): a period starts whenever T discr
// has passed since the last start; within a period the input passes for t imp and the
// output is 0 after.
class PulseShaper : public Element {
public:
    using Element::Element;

    void InitRun(RunContext& ctx) override {
        Element::InitRun(ctx);
        periodStart_ = 0;
    }

    void Advance(RunContext& ctx) override {
        if (!Input()) return;
        const Extended t = ctx.run.t();
        const Extended into = timeIntoPeriod(ctx.run.integratorTime, t, param(0), periodStart_);
        Output = into <= param(1) ? Extended(Input()->Output) : 0;
    }

private:
    Real48 periodStart_;
};

// 44 trigger (Input threshold, Output level): every rising crossing of the threshold
// toggles the output between the level and 0.
class Trigger : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    void start(RunContext& ctx) override {
        Element::InitRun(ctx);
        previous_ = 0;
    }

    void step(RunContext&) override {
        if (!Input()) return;
        const Extended u = Input()->Output;
        const Extended threshold = param(0), level = param(1);
        if (previous_ < threshold && u > threshold) Output = Extended(Output) != level ? level : 0;
        previous_ = u;
    }

private:
    Real48 previous_;
};

// 102 digital PID regulator (k_p-reg, k_i-reg, k_d-reg): y = kp·u + ki·S + kd·(u - u_prev)
// with S the running sum of the inputs. An input of exactly 0 is no sample: the output
// and the sums hold.
class DigitalRegulator : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    void start(RunContext& ctx) override {
        Element::InitRun(ctx);
        sum_ = 0;
        previous_ = 0;
    }

    void step(RunContext&) override {
        if (!Input() || Extended(Input()->Output) == 0) return;
        const Extended u = Input()->Output;
        sum_ = sum_ + u;
        Output = param(0) * u + param(1) * sum_ + param(2) * (u - previous_);
        previous_ = u;
    }

private:
    Real48 sum_;
    Real48 previous_;
};

// 137 pulse counter (K, A): counts the rises and the falls of the input; each time they
// balance, the output is 0 for the first half-count M = ceil(K/2) pulses of a cycle, A
// for the rest, and the cycle restarts after K pulses. K counts as the nearest whole
// number, at least 1.
class PulseCounter : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    void start(RunContext& ctx) override {
        Element::InitRun(ctx);
        previous_ = 0;
        rises_ = 0;
        falls_ = 0;
    }

    void step(RunContext&) override {
        if (!Input()) return;
        const Extended u = Input()->Output;
        const Extended count = std::max<Extended>(1, std::nearbyint(param(0)));
        const Extended half = std::ceil(count / 2);
        if (u - previous_ > 0) ++rises_;
        else if (u - previous_ < 0) ++falls_;
        if (rises_ == falls_) {
            if (rises_ < half) {
                Output = 0;
            } else if (rises_ < count) {
                Output = param(1);
            } else {
                Output = 0;
                rises_ = 0;
                falls_ = 0;
            }
        }
        previous_ = u;
    }

private:
    Real48 previous_;
    long rises_ = 0;
    long falls_ = 0;
};

}  // namespace

std::unique_ptr<Element> createSamplingBlock(std::uint8_t code) {
    switch (code) {
        case 39: return std::make_unique<PulseElement>(code);
        case 41: return std::make_unique<MemoryDevice>(code);
        case 42: return std::make_unique<PulseShaper>(code);
        case 44: return std::make_unique<Trigger>(code);
        case 102: return std::make_unique<DigitalRegulator>(code);
        case 137: return std::make_unique<PulseCounter>(code);
        default: return nullptr;
    }
}

}  // namespace velmar
