#include "core/blocks/delays.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/blocks/linear_messages.h"
#include "core/errors.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

constexpr int kPadeOrder = 10;

// Steps of a delay: Round(delay / h), ties to even, at most `limit`.
std::size_t delaySteps(Extended delay, Extended h, std::size_t limit) {
    const Extended steps = std::nearbyint(delay / h);
    return steps >= static_cast<Extended>(limit) ? limit : static_cast<std::size_t>(steps);
}

}  // namespace

// --- DelayLine ------------------------------------------------------------------------

void DelayLine::reset(std::size_t length) {
    ring_.assign(length, Real48());
    head_ = 0;
}

void DelayLine::release() {
    ring_.clear();
    ring_.shrink_to_fit();
    head_ = 0;
}

void DelayLine::push(Extended u) {
    head_ = head_ == 0 ? ring_.size() - 1 : head_ - 1;
    ring_[head_] = u;
}

// --- InputHistory -----------------------------------------------------------------------

void InputHistory::record(Extended t, Extended u) {
    while (!samples_.empty() && samples_.back().t >= t) samples_.pop_back();
    samples_.push_back({t, u});
}

Extended InputHistory::at(Extended t) const {
    if (samples_.empty() || t < samples_.front().t) return 0;
    // the first sample later than t
    const auto later = std::upper_bound(samples_.begin(), samples_.end(), t,
                                        [](Extended value, const Sample& s) { return value < s.t; });
    if (later == samples_.end()) return samples_.back().u;
    const Sample& b = *later;
    const Sample& a = *(later - 1);
    return a.u + (b.u - a.u) * ((t - a.t) / (b.t - a.t));
}

void InputHistory::forgetBefore(Extended t) {
    while (samples_.size() > 2 && samples_[1].t < t) samples_.pop_front();
}

// --- DelayElement -----------------------------------------------------------------------

void DelayElement::InitRun(RunContext& ctx) {
    Output = 0;
    const Extended T = longestDelay();
    if (T < 0) throw MathError(kErrorInInputData);
    const std::int32_t points = ctx.run.PointCount;
    history_.clear();
    line_.release();
    if (ctx.settings.VariableStep) {
        // the output interval: no integrator step is longer
        step_ = std::max<Extended>(ctx.run.h, ctx.settings.Time / std::max<std::int32_t>(points - 1, 1));
        return;
    }
    const std::size_t limit = static_cast<std::size_t>(points > 0 ? points : INT32_MAX);
    line_.reset(delaySteps(T, ctx.run.h, limit) + 1);
}

void DelayElement::FinishRun(RunContext&) {
    line_.release();
    history_.clear();
}

void DelayElement::LoadState(int, const StateVector&, RunContext& ctx) {
    Feed feed;
    if (!read(feed)) return;
    const Extended now = ctx.run.t();
    history_.record(now, feed.signal);
    Output = history_.at(now - feed.delay);
    // An integrator step never goes back further than one output interval.
    history_.forgetBefore(now - longestDelay() - 2 * step_);
}

void DelayElement::Derivatives(int k, const StateVector&, StateVector& dy, RunContext&) {
    for (int i = 0; i < kPadeOrder; ++i) dy[static_cast<size_t>(k + i)] = 0.0L;
}

Polynomial DelayElement::Denominator() const {
    // P(s) = sum c_j (T s)^j, c_0 = 1, c_j = c_(j-1) (10 - j + 1) / (j (20 - j + 1))
    const Extended T = longestDelay();
    Polynomial p;
    p.Allocate(kPadeOrder);
    Extended c = 1, Tj = 1;
    for (int j = 0; j <= kPadeOrder; ++j) {
        if (j > 0) c = c * (kPadeOrder - j + 1) / (j * (2 * kPadeOrder - j + 1));
        p.set(j, c * Tj);
        Tj *= T;
    }
    return p;
}

Polynomial DelayElement::Numerator() const {
    Polynomial p = Denominator();
    for (int j = 1; j <= p.order(); j += 2) p.set(j, -p[j]);
    return p;
}

// --- the two delays -----------------------------------------------------------------------

bool TransportDelay::read(Feed& feed) const {
    if (!Input()) return false;
    feed.signal = Input()->Output;
    feed.delay = longestDelay();
    return true;
}

void TransportDelay::Advance(RunContext&) {
    Feed feed;
    if (!read(feed)) return;
    line_.push(feed.signal);
    Output = line_[line_.size() - 1];
}

bool ControlledDelay::read(Feed& feed) const {
    bool signal = false;
    feed.delay = 0;
    for (int i = 0; i < 3; ++i) {
        const Element* feeder = Inputs[static_cast<size_t>(i)];
        if (!feeder) continue;
        if (feeder->isSelector()) {
            feed.delay = std::clamp<Extended>(feeder->Output, 0, longestDelay());
        } else {
            feed.signal = feeder->Output;
            signal = true;
        }
    }
    return signal;
}

void ControlledDelay::Advance(RunContext& ctx) {
    Feed feed;
    if (!read(feed)) return;
    line_.push(feed.signal);
    Output = line_[delaySteps(feed.delay, ctx.run.h, line_.size() - 1)];
}

}  // namespace velmar
