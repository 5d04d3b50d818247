// Linear dynamic links: the element types with a transfer function W(s) = A(s) / B(s).
//
// A constant-step run advances each link by its backward-Euler difference equation
// (derivatives replaced by backward differences over one step h, the input taken at
// the current time point). A variable-step run integrates the observable canonical
// form of W(s) (state_form.h): the link's states are as many as the degree of its
// Denominator, which is how the driver sizes the state vector.
//
// Without a connected input a link keeps its output: Advance returns at once, and in a
// variable-step run the states stand still.
#pragma once

#include "core/blocks/polynomial_entry.h"
#include "core/blocks/transfer_link.h"
#include "core/model/element.h"

namespace velmar {

// The first-order links and the two static ones: aperiodic (22), real differentiating
// (23), integro-differentiating (24), PI regulator (25), integrating (27), ideal
// differentiating (29), amplifier (30). Each is one row of a table holding its W(s)
// (and so the canonical form a variable-step run integrates) and its step.
//
// The step is the innermost loop of a constant-step run: what stays the same for the
// whole run (the parameters, h, T/h and T/h + 1, h + Tb) is worked out by InitRun in
// extended precision, exactly as the formula would work it out at every step, so the
// results are the same to the last bit.
class FirstOrderLink : public TransferLink {
public:
    explicit FirstOrderLink(std::uint8_t code);
    void InitRun(RunContext& ctx) override;
    void Advance(RunContext& ctx) override;
    Polynomial Numerator() const override;
    Polynomial Denominator() const override;

    struct Row;
    // What stays the same for a whole run, worked out once by InitRun.
    struct RunConstants {
        Extended k = 0;        // the first parameter (K, T or Ta)
        Extended h = 0;        // the step
        Extended ratio = 0;    // T / h
        Extended divisor = 0;  // the step's denominator: T / h + 1, or h + Tb
        Extended tb = 0;       // Tb of the integro-differentiating link
    };

protected:
    Extended initialOutput() const override;
    void clearWorkingFields(RunContext&) override { PrevInput = 0; }

private:
    const Row& row() const { return *row_; }
    const Row* row_;
    Real48 PrevInput;  // the input of the previous step
    RunConstants constants_;
};

// The second-order links advanced with the last two outputs: oscillatory (26) and the
// second-order low-pass filter (139), each one row of a table as the first-order links.
class SecondOrderLink : public TransferLink {
public:
    explicit SecondOrderLink(std::uint8_t code);
    void Advance(RunContext& ctx) override;
    Polynomial Numerator() const override;
    Polynomial Denominator() const override;

    struct Row;  // its W(s) and its step, one per code

protected:
    void clearWorkingFields(RunContext& ctx) override;

private:
    const Row* row_;
    Real48 HSquared;  // h * h, rounded as stored
    Real48 PrevOutput1, PrevOutput2;
};

// The user polynomial link (28) and its twin, the correction link (46), which is the
// same type and reports 28.
//
// Constant step: the backward-difference substitution s = (1 - z^-1) / h, so that
// B(s) y = A(s) u with s^i standing for the i-th backward difference over h^i. The
// link keeps those differences of the input (orders below m) and of the output (below
// n) at the previous point, in extended precision, and solves the equation for the
// newest n-th difference of the output. Written out in powers of z^-1 the same
// equation has coefficients growing as 1/h^n that cancel each other, so that a small
// step lost every digit; the differences stay of the size of the derivatives.
// Variable step (n >= 1): the canonical form of A / B.
//
// Initial values: the output starts at H.y.0 of B and the previous input is H.y.0 of
// A, every higher difference 0 (the link starts at rest at those values); in a variable-step run every
// state starts at H.y.0 of B, as the driver sets the states of all links from their
// initial outputs. The higher H.y. rows are kept for the dialog only (the scheme file
// holds no initial values at all).
class PolynomialLink : public TransferLink {
public:
    using TransferLink::TransferLink;
    void EditParameters(RunContext& ctx) override;
    void SetDefaults() override;
    void Advance(RunContext& ctx) override;
    Polynomial Numerator() const override { return entry.A; }
    Polynomial Denominator() const override { return entry.B; }
    void WriteParameters(ByteWriter& out) const override { entry.write(out); }
    void ListParameters(std::vector<ParameterRow>& rows) const override { entry.list(rows); }
    void ReadParameters(ByteReader& in) override { entry.read(in); }
    std::uint8_t TypeCode() const override { return 28; }

    PolynomialEntry entry;

protected:
    Extended initialOutput() const override { return entry.initialB[0]; }
    void clearWorkingFields(RunContext& ctx) override;

private:
    // The run's constants: h, the coefficients of A and B, and sum b_i h^(n-i).
    Extended h_ = 0, lead_ = 0;
    std::vector<Extended> a_, b_;
    // The backward differences of the input (orders 0..m-1) and of the output (0..n-1)
    // over h^order at the previous point; order 0 is the value itself.
    std::vector<Extended> inputDifferences_, outputDifferences_;
};

// The hand-typed A(s), B(s) of a polynomial link (28, 46); null for any other element.
const PolynomialEntry* linkPolynomials(const Element& e);

// Controlled integrators (50: holds while the control input is 0; 51: holds while it
// is not 0). An input fed by an additional-input selector (54..59) is the control; every
// other input is integrated: accumulator = Held + h K u for each in input order. While
// the hold condition stands the output is Held, cleared to 0 first when Memory is 0;
// otherwise the output is the accumulator and Held takes it. Without a control input
// the integrator never holds.
//
// Both start from H y (Held = H y), so the initial value is seen by the first step.
//
// Variable step: one state integrating K u while not held (its rate is 0 while held).
// The output is the state less an offset; holding with Memory 0 shows 0 and moves the
// offset to the state, so integration restarts from 0 when the hold ends.
class ControlledIntegrator : public Element {
public:
    using Element::Element;
    void Advance(RunContext& ctx) override;
    void InitRun(RunContext& ctx) override;
    void LoadState(int k, const StateVector& y, RunContext& ctx) override;
    void Derivatives(int k, const StateVector& y, StateVector& dy, RunContext& ctx) override;
    Polynomial Numerator() const override { return Polynomial{param(0)}; }
    Polynomial Denominator() const override { return Polynomial{0, 1}; }

private:
    struct Feed {
        bool hasControl = false;
        Extended control = 0;
        Extended integrated = 0;  // sum of K u over the ordinary inputs
        int ordinary = 0;         // how many ordinary inputs are connected
    };
    Feed readInputs() const;
    bool holds(const Feed& in) const;

    Real48 Held;
    bool holding_ = false;  // the hold condition of the last derivative evaluation
    Extended offset_ = 0;
};

}  // namespace velmar
