// Blocks whose selector feeders carry operands rather than signal: the power function
// (73), the quadratic function (79), the comparator (84), the maximum and minimum
// selection (100, 101) and the two multiplicative typical structures (82, 83).
#include <cmath>

#include "core/blocks/feeders.h"
#include "core/blocks/nonlinear_kinds.h"
#include "core/blocks/point_step.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

Extended valueOf(const Element* feeder) { return feeder ? Extended(feeder->Output) : 0; }

// 73: a signal input stores the base x, a selector input with value e makes y = x^e
// (0 for x ≤ 0). The feeders act in input order, so the base is used in the same step
// only when its feeder comes before the exponent's.
class PowerFunction : public Element {
public:
    using Element::Element;

    void InitRun(RunContext& ctx) override {
        Element::InitRun(ctx);
        base_ = 1;
    }

    void Advance(RunContext&) override {
        for (const Element* feeder : Inputs) {
            if (!feeder) continue;
            if (!feeder->isSelector()) base_ = feeder->Output;
            else Output = base_ > 0 ? std::pow(Extended(base_), Extended(feeder->Output)) : 0;
        }
    }

private:
    Real48 base_ = 1;
};

// 79: y = u² + B·u + C for each signal input; selector 54 sets B, selector 55 sets C,
// both kept from step to step within a run and taken before the signal in a step.
class QuadraticFunction : public Element {
public:
    using Element::Element;

    void InitRun(RunContext& ctx) override {
        Element::InitRun(ctx);
        B_ = 0;
        C_ = 0;
    }

    void Advance(RunContext&) override {
        const FeederSplit feeders = splitFeeders(*this);
        if (const Element* c = feeders.control(0)) B_ = c->Output;
        if (const Element* c = feeders.control(1)) C_ = c->Output;
        for (int i = 0; i < feeders.signalCount; ++i) {
            const Extended u = feeders.signals[static_cast<std::size_t>(i)]->Output;
            Output = u * u + B_ * u + C_;
        }
    }

private:
    Real48 B_;
    Real48 C_;
};

// 84 comparator (A, B): selector 54 gives p, selector 55 gives q. With both, y = A when
// q ≤ p, else B; with one of them, y = A when it is ≥ 0, else B; with neither, y stays.
// An operand counts as present when its selector is connected.
class Comparator : public Element {
public:
    using Element::Element;

    void Advance(RunContext&) override {
        const FeederSplit feeders = splitFeeders(*this);
        const Element* p = feeders.control(0);
        const Element* q = feeders.control(1);
        if (p && q) Output = q->Output <= p->Output ? param(0) : param(1);
        else if (p || q) Output = valueOf(p ? p : q) >= 0 ? param(0) : param(1);
    }
};

// 100, 101: the largest or the smallest of the connected signal inputs; a missing input
// takes no part, and with none connected the output stays.
class ExtremumSelection : public Element {
public:
    using Element::Element;

    void Advance(RunContext&) override {
        const FeederSplit feeders = splitFeeders(*this);
        if (feeders.signalCount == 0) return;
        const bool largest = Code == 100;
        Extended best = feeders.signals[0]->Output;
        for (int i = 1; i < feeders.signalCount; ++i) {
            const Extended u = feeders.signals[static_cast<std::size_t>(i)]->Output;
            if (largest ? u > best : u < best) best = u;
        }
        Output = best;
    }
};

// 82, 83 (Kx1, Kx2, H y): the signal x is multiplied by the control v and integrated,
// m = Kx1·x·v, I = I + h·m, and the integral leaves multiplied by Kx2 and a control:
// y = Kx2·I·v for 82 (v from any selector), y = Kx2·I·w for 83 (v from selector 54, w
// from selector 55). A missing control counts as 0; without a signal input the step
// changes nothing. I starts at H y with every run.
class TypicalStructure : public PointStepElement {
public:
    using PointStepElement::PointStepElement;

    void start(RunContext& ctx) override {
        Element::InitRun(ctx);
        integral_ = param(2);
    }

    void step(RunContext& ctx) override {
        const FeederSplit feeders = splitFeeders(*this);
        if (feeders.signalCount == 0) return;
        const Extended x = feeders.signals[static_cast<std::size_t>(feeders.signalCount - 1)]->Output;
        const bool second = Code == 83;
        const Extended v = valueOf(second ? feeders.control(0) : feeders.anyControl);
        const Extended w = second ? valueOf(feeders.control(1)) : v;
        const Extended m = param(0) * x * v;
        integral_ = integral_ + ctx.run.h * m;
        Output = param(1) * integral_ * w;
    }

private:
    Real48 integral_;
};

}  // namespace

std::unique_ptr<Element> createOperandBlock(std::uint8_t code) {
    switch (code) {
        case 73: return std::make_unique<PowerFunction>(code);
        case 79: return std::make_unique<QuadraticFunction>(code);
        case 82:
        case 83: return std::make_unique<TypicalStructure>(code);
        case 84: return std::make_unique<Comparator>(code);
        case 100:
        case 101: return std::make_unique<ExtremumSelection>(code);
        default: return nullptr;
    }
}

}  // namespace velmar
