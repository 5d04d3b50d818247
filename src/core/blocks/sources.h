// Sources and signal generators: blocks that compute their Output from the time of the
// run (RunState::t()) and their own state. None has a transfer function or states of its
// own; in a variable-step run they are advanced like static blocks. Only
// the damped oscillation (40), the controlled harmonic generators (103, 104) and the
// one-shot (119) read their input; without it they keep their output.
//
// Their bases, Source and TimeSource, are in point_step.h; the periodic and pulse
// generators in waveforms.h, the functions of time in time_functions.h.
#pragma once

#include <random>

#include "core/blocks/point_step.h"
#include "core/model/element.h"

namespace velmar {

// Step input (33): y = C from the start.
class StepInput : public Source {
public:
    using Source::Source;
    void start(RunContext&) override { Output = param(0); }
};

// Harmonic input (34): y = A sin(w t + Phase).
class HarmonicInput : public TimeSource {
public:
    using TimeSource::TimeSource;
    void step(RunContext& ctx) override;
};

// Random input (35): y = r * Scale, r drawn uniformly from 0 .. 65534. R is shown in the
// dialog, its scale R/65535 is what the scheme file keeps. The dialog reseeds the
// block's generator.
class RandomInput : public Source {
public:
    explicit RandomInput(std::uint8_t code);
    void EditParameters(RunContext& ctx) override;
    void ReadParameters(ByteReader& in) override;
    void step(RunContext& ctx) override;
    Extended Scale() const { return param(1); }
    void reseed();

protected:
    std::mt19937 generator_;
};

// Delta function (36): 1/h at the first time point of the run, 0 after, so its integral
// is 1. In a variable-step run the first point is the lone evaluation at t = 0 and the second
// covers the first output interval; the pulse lasts through both, so the integrators
// fed by it still gain 1.
class DeltaInput : public Source {
public:
    using Source::Source;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

private:
    int pulsePoints_ = 0;  // points still to give 1/h
};

// Ramp (37): starts at H.y. and grows by h K per point; in a variable-step run it is
// H.y. + K t.
class RampInput : public TimeSource {
public:
    using TimeSource::TimeSource;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;
};

// Triggered damped oscillation (40; parameters DikrZ, w, Faza). A non-zero input
// (re)starts it with the sign of the input and the amplitude |u0|; while running,
// y = |u0| e^(-DikrZ tau) sin(w tau + sign pi/2 + Faza), tau the time since the start.
class DampedOscillation : public Source {
public:
    using Source::Source;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

private:
    bool armed_ = false;
    int sign_ = 0;
    std::int32_t start_ = 0;  // StepIndex of the trigger
    Real48 amplitude_;
};

// Random binary input (97): every T a fresh random bit (a uniform real in [0, 1)
// rounded to the nearest integer); the generator is reseeded at the start of a run.
class RandomBinary : public Source {
public:
    using Source::Source;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

private:
    std::mt19937 generator_;
    Real48 elapsed_;
};

// Harmonic generators with a controlled value: 103 y = V sin(w t + Phase) with the
// amplitude V, 104 y = A sin(V t + Phase) with the frequency V. V is the value of an
// additional-input selector (54..59) feeding the block, kept (and written to the scheme
// file) as the hidden third parameter; the block's own time advances by h before each
// use (in a variable-step run it is the time of the run).
class ControlledHarmonic : public TimeSource {
public:
    using TimeSource::TimeSource;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

private:
    Real48 ownTime_;
};

// One-shot (119; A, t): a non-zero input triggers a pulse of level A with the input's
// sign, lasting while the elapsed pulse time is below t; a non-zero input after the
// pulse ends triggers the next one.
class OneShot : public Source {
public:
    using Source::Source;
    void start(RunContext& ctx) override;
    void step(RunContext& ctx) override;

private:
    bool triggered_ = false;
    int sign_ = 1;
    Extended level_ = 0;
    Real48 elapsed_;
};

// Polynomial signal generator (118): y = a0 + a1 t + ... + an t^n. Params[0] is n,
// Params[1..n+1] are a0..an.
//
// Scheme file layout: a0, n, a1, ..., an (6-byte reals). For n = 0 this is the layout
// of earlier versions (a0, then n); putting n second lets a reader know how many
// coefficients follow, which the older layout (all coefficients, then n) did not.
class PolynomialSignal : public TimeSource {
public:
    using TimeSource::TimeSource;
    void EditParameters(RunContext& ctx) override;
    void SetDefaults() override;
    void WriteParameters(ByteWriter& out) const override;
    void ReadParameters(ByteReader& in) override;
    void step(RunContext& ctx) override;

    int degree() const { return static_cast<int>(Params.size()) - 2; }
    void setDegree(int n);  // coefficients keep their index; added ones start at 0
};

}  // namespace velmar
