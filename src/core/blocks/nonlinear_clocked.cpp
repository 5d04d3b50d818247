// Nonlinear blocks that keep their own clock: the universal quantiser (76) and the
// extremum-seeking sign relay (80).
#include <algorithm>
#include <cmath>

#include "core/blocks/nonlinear_kinds.h"
#include "core/blocks/point_step.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

// 76 (Step OY level quantum, Step OX time quantum). The sampling clock ts and the own
// time to both restart at 0 with every run, so a second run repeats the first. When
// the own time is half a time quantum from the sampling clock the block samples: an
// input more than half a level quantum away moves the output towards it by whole
// quanta (at least one, and as many as fit into the distance), and the sampling clock
// advances by a time quantum. With Step OX = 1 the samples fall at t = 0.5, 1.5, ...
//
// The quanta are counted at once rather than stepped one by one, so a far input or a
// tiny quantum cannot stall the run; the quantum's size is taken without its sign, and a
// quantum of 0 makes the output take the input at each sample.
class UniversalQuantiser : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    void start(RunContext& ctx) override {
        Element::InitRun(ctx);
        sampleClock_ = 0;
        ownTime_ = 0;
    }

    void step(RunContext& ctx) override {
        if (Input() && std::fabs(ownTime_ - sampleClock_) >= param(1) / 2) {
            sample(Input()->Output);
            sampleClock_ = sampleClock_ + param(1);
        }
        ownTime_ = ownTime_ + ctx.run.h;
    }

private:
    void sample(Extended u) {
        const Extended quantum = std::fabs(param(0));
        const Extended distance = u - Output;
        if (std::fabs(distance) <= quantum / 2) return;
        if (quantum == 0) {
            Output = u;
            return;
        }
        const Extended quanta = std::max<Extended>(1, std::floor(std::fabs(distance) / quantum));
        Output = Output + std::copysign(quanta * quantum, distance);
    }

    Real48 sampleClock_;
    Real48 ownTime_;
};

// 80 (d, Tnep, N.u.): the output is ±N.u.; its sign reverses when the input, after it
// stopped rising, has dropped by d from the value where it stopped, and every Tnep
// (0: never) regardless of the input. A forced reversal takes the whole step.
class SignRelay : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    static constexpr Extended kNoPeak = -1.7e38L;

    void start(RunContext&) override {
        nextReversal_ = param(1);
        peak_ = kNoPeak;
        ownTime_ = 0;
        steps_ = 0;
        armed_ = false;
        sign_ = param(2);
        Output = sign_;
    }

    void step(RunContext& ctx) override {
        if (!Input()) return;
        const Extended u = Input()->Output;
        const Extended period = param(1);
        ownTime_ = ownTime_ + ctx.run.h;
        if (ownTime_ >= nextReversal_ && period > 0) {
            nextReversal_ = nextReversal_ + period;
            reverse();
        } else {
            if (steps_ == 0) {
                previous_ = u;
            } else if (!armed_ && u - previous_ <= 0) {  // the input stopped rising
                armed_ = true;
                peak_ = previous_;
            }
            if (armed_ && peak_ - u >= param(0)) {
                reverse();
                armed_ = false;  // watch for the next stop of the rise
            }
        }
        ++steps_;
        Output = sign_;
        previous_ = u;
    }

private:
    void reverse() { sign_ = -sign_; }

    Real48 ownTime_;
    Real48 nextReversal_;
    Real48 previous_;
    Real48 peak_ = kNoPeak;
    long steps_ = 0;
    bool armed_ = false;
    Real48 sign_;
};

}  // namespace

std::unique_ptr<Element> createClockedNonlinear(std::uint8_t code) {
    switch (code) {
        case 76: return std::make_unique<UniversalQuantiser>(code);
        case 80: return std::make_unique<SignRelay>(code);
        default: return nullptr;
    }
}

}  // namespace velmar
