// The transport delay (31) and the controlled delay (64).
//
// Constant step: a line of the last Round(T/h) + 1 inputs, newest first. Each step the
// current input enters the line and the output is the entry n steps back, so the output
// is the input delayed by n steps (0 during the first n steps, the input itself when
// n = 0). The line is never longer than the run has points: a longer delay would show
// nothing but zeros anyway.
//
// Variable step: the analysis sees the delay as the order-10 Pade approximation
// P(-s) / P(s), so the driver gives the block ten states; they stand still. Every
// evaluation records the input against the time of the evaluation, and the output is
// the recorded input interpolated linearly at (time - delay), 0 before the start. An
// evaluation at a time not later than recorded ones (a step the integrator retries)
// replaces them. The output thus follows the input exactly delayed, up to the
// interpolation between the integrator's points.
//
// A negative T is refused with "Error in input data" when the run starts.
#pragma once

#include <deque>
#include <vector>

#include "core/model/element.h"

namespace velmar {

// The last inputs, newest first: entry i is the input i steps back (0 before the start).
class DelayLine {
public:
    void reset(std::size_t length);  // `length` entries, all 0
    void release();
    std::size_t size() const { return ring_.size(); }
    void push(Extended u);  // u becomes entry 0; the oldest entry drops out
    Extended operator[](std::size_t i) const { return ring_[(head_ + i) % ring_.size()]; }

private:
    std::vector<Real48> ring_;
    std::size_t head_ = 0;  // where entry 0 lies
};

// The input recorded against the time of evaluation in a variable-step run.
class InputHistory {
public:
    void clear() { samples_.clear(); }
    // Records u at time t, replacing the samples at t or later.
    void record(Extended t, Extended u);
    // The input at time t by linear interpolation; 0 before the first sample.
    Extended at(Extended t) const;
    // Drops samples no longer needed for times from t on.
    void forgetBefore(Extended t);

private:
    struct Sample {
        Extended t;
        Real48 u;
    };
    std::deque<Sample> samples_;
};

class DelayElement : public Element {
public:
    using Element::Element;
    void InitRun(RunContext& ctx) override;
    void FinishRun(RunContext& ctx) override;
    void LoadState(int k, const StateVector& y, RunContext& ctx) override;
    void Derivatives(int k, const StateVector& y, StateVector& dy, RunContext& ctx) override;
    Polynomial Numerator() const override;    // P(-s)
    Polynomial Denominator() const override;  // P(s)

protected:
    // What the block reads this step: the signal, and the delay asked for (clamped into
    // 0 .. T). False when no signal is connected.
    struct Feed {
        Extended signal = 0;
        Extended delay = 0;
    };
    virtual bool read(Feed& feed) const = 0;
    Extended longestDelay() const { return param(0); }

    DelayLine line_;

private:
    InputHistory history_;
    Extended step_ = 0;  // the run's step (the output interval in a variable-step run)
};

// Transport delay: e^(-T s).
class TransportDelay : public DelayElement {
public:
    using DelayElement::DelayElement;
    void Advance(RunContext& ctx) override;

protected:
    bool read(Feed& feed) const override;
};

// Controlled delay: of its up to three feeders, one fed by an additional-input selector
// (54..59) gives the delay (negative values count as 0, values beyond T as T); another
// is the signal (the highest-numbered of them). Without a control feeder the signal
// passes undelayed. The feeders' numbering order does not matter.
class ControlledDelay : public DelayElement {
public:
    using DelayElement::DelayElement;
    void Advance(RunContext& ctx) override;

protected:
    bool read(Feed& feed) const override;
};

}  // namespace velmar
