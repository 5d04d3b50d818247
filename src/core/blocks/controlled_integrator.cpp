#include "core/blocks/linear.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

constexpr int kGain = 0, kInitial = 1, kMemory = 2;

}  // namespace

ControlledIntegrator::Feed ControlledIntegrator::readInputs() const {
    Feed in;
    const Extended K = param(kGain);
    for (int i = 0; i < 3; ++i) {
        const Element* feeder = Inputs[static_cast<size_t>(i)];
        if (!feeder) continue;
        if (feeder->isSelector()) {
            in.hasControl = true;
            in.control = feeder->Output;
        } else {
            in.integrated += K * feeder->Output;
            ++in.ordinary;
        }
    }
    return in;
}

bool ControlledIntegrator::holds(const Feed& in) const {
    if (!in.hasControl) return false;
    return Code == 50 ? in.control == 0 : in.control != 0;
}

void ControlledIntegrator::InitRun(RunContext&) {
    Output = param(kInitial);
    Held = Output;
    holding_ = false;
    offset_ = 0;
}

void ControlledIntegrator::Advance(RunContext& ctx) {
    const Feed in = readInputs();
    if (!in.hasControl && in.ordinary == 0) return;
    if (holds(in)) {
        if (param(kMemory) == 0) Held = 0;
        Output = Held;
        return;
    }
    // accumulator = Held + h K u for each ordinary input, in input order
    const Extended hK = ctx.run.h * param(kGain);
    Extended accumulator = Held;
    for (int i = 0; i < 3; ++i) {
        const Element* feeder = Inputs[static_cast<size_t>(i)];
        if (feeder && !feeder->isSelector()) accumulator = accumulator + hK * feeder->Output;
    }
    Output = accumulator;
    Held = Output;
}

void ControlledIntegrator::LoadState(int k, const StateVector& y, RunContext&) {
    const Extended x = y[static_cast<size_t>(k)];
    if (holding_ && param(kMemory) == 0) {
        offset_ = x;  // the state stands still while held: restart from 0 afterwards
        Output = 0;
        return;
    }
    Output = x - offset_;
}

void ControlledIntegrator::Derivatives(int k, const StateVector&, StateVector& dy, RunContext&) {
    const Feed in = readInputs();
    holding_ = holds(in);
    dy[static_cast<size_t>(k)] = holding_ ? 0.0L : in.integrated;
}

}  // namespace velmar
