// Structural and special blocks: the one-cell nodes, the inverter, the additional-input
// selectors, the relay contacts, the commutators, the multiplexer and the
// optimisation-criterion block. (The regime-parameters block lives in regime_block.cpp.)
//
// A selector (54..59) passes its input through; a block that finds a selector among its
// feeders takes that feeder as a control or data input: selector 54 is its first such
// input, 55 the second, and so on. Its other feeders are ordinary signal inputs.
#include <array>
#include <cmath>

#include "core/blocks/families.h"
#include "core/blocks/feeders.h"
#include "core/blocks/regime_block.h"
#include "core/model/catalogue.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

// y = s1·u1 + s2·u2 + s3·u3 over the connected inputs, with the signs of the code's ports
// in binding order: 18 and 19 bind their subtracted port first, 20 its added port first
// (the catalogue's input kinds).
class SignedSumNode : public Element {
public:
    explicit SignedSumNode(std::uint8_t code) : Element(code) {
        const InputKind binding = blockInfo(code).inputs;
        if (binding == InputKind::SubtractMinusFirst) signs_ = {-1, 1, 1};
        if (binding == InputKind::SubtractPlusFirst) signs_ = {1, -1, -1};
    }
    void Advance(RunContext&) override {
        Extended y = 0;
        for (std::size_t k = 0; k < 3; ++k)
            if (Inputs[k]) y += signs_[k] * Inputs[k]->Output;
        Output = y;
    }

private:
    std::array<int, 3> signs_{1, 1, 1};
};

// 21: the product of two or three connected inputs, the square of a single one, and 0
// when nothing is connected.
class ProductNode : public Element {
public:
    using Element::Element;
    void Advance(RunContext&) override {
        Extended y = 1;
        int connected = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            if (!Inputs[k]) continue;
            y *= Inputs[k]->Output;
            ++connected;
        }
        if (connected == 1) y *= y;
        Output = connected == 0 ? 0 : y;
    }
};

// 32 inverts its input; the selectors 54..59 pass it through.
class PassThrough : public Element {
public:
    PassThrough(std::uint8_t code, int sign) : Element(code), sign_(sign) {}
    void Advance(RunContext&) override {
        if (Input()) Output = sign_ * Input()->Output;
    }

private:
    int sign_;
};

// The feeders of a block by role, sorted out when a run starts.
class PortedBlock : public Element {
public:
    using Element::Element;
    void InitRun(RunContext& ctx) override {
        Element::InitRun(ctx);
        feeders_ = splitFeeders(*this);
    }

protected:
    // The first signal input; 0 when not connected.
    Extended signal() const { return feeders_.signalCount > 0 ? feeders_.signals[0]->Output.get() : 0; }
    // Selector input k: 0 for 54 .. 5 for 59; 0 when not connected.
    Extended selector(int k) const {
        const Element* in = feeders_.control(k);
        return in ? in->Output.get() : 0;
    }
    bool anySelectorOn() const {
        for (const Element* in : feeders_.controls)
            if (in && in->Output.get() != 0) return true;
        return false;
    }

private:
    FeederSplit feeders_;
};

// 52 (normally closed) opens while any selector input is non-zero; 53 (normally open)
// closes then.
class Contact : public PortedBlock {
public:
    using PortedBlock::PortedBlock;
    void Advance(RunContext&) override {
        const bool closed = anySelectorOn() == (Code == 53);
        Output = closed ? signal() : 0;
    }
};

// 125: selector 54 while the control input is >= 0, else selector 55.
// 126: selector 55 while the control input is non-zero, else selector 54.
class SelectorSwitch : public PortedBlock {
public:
    using PortedBlock::PortedBlock;
    void Advance(RunContext&) override {
        const Extended control = signal();
        const bool first = Code == 125 ? control >= 0 : control == 0;
        Output = selector(first ? 0 : 1);
    }
};

// 136: data D0..D3 on selectors 54..57, address bits a0 on 58 and a1 on 59, the strobe
// on the ordinary input. A strobe or address that is not 0 or 1 leaves y as it was.
class Multiplexer : public PortedBlock {
public:
    using PortedBlock::PortedBlock;
    void Advance(RunContext&) override {
        const Extended strobe = signal(), a0 = selector(4), a1 = selector(5);
        const auto logical = [](Extended v) { return v == 0 || v == 1; };
        if (!logical(strobe) || !logical(a0) || !logical(a1)) return;
        Output = strobe == 0 ? 0 : selector(static_cast<int>(2 * a1 + a0));
    }
};

// 81 (A, T): starts at A and changes sign each time T has elapsed; its input is unused.
class Commutator : public Element {
public:
    using Element::Element;
    void InitRun(RunContext&) override {
        elapsed_ = 0.0L;
        Output = param(0);
    }
    void Advance(RunContext& ctx) override {
        elapsed_ = elapsed_ + ctx.run.h;
        if (elapsed_ >= param(1)) {
            Output = -Output;
            elapsed_ = 0.0L;
        }
    }

private:
    Real48 elapsed_;
};

// 47 accumulates the optimisation criterion chosen in the optimisation settings over a
// run; the optimisation reads its Output at the end. The criteria computed from the
// transfer function and the user criterion leave it at 0.
class CriterionBlock : public Element {
public:
    using Element::Element;
    // Enter on the block opens the optimisation over it.
    void EditParameters(RunContext& ctx) override { ctx.ui().openOptimisation(Number); }
    void InitRun(RunContext& ctx) override {
        Element::InitRun(ctx);
        largest_ = 0.0L;
    }
    void Advance(RunContext& ctx) override {
        if (!Input()) return;
        const Extended u = Input()->Output;
        switch (ctx.criterion) {
            case Criterion::Maximum:
                if (u > Output) Output = u;
                break;
            case Criterion::T1Max:  // the time of the largest input so far
                if (u > largest_) {
                    largest_ = u;
                    Output = ctx.run.t();
                }
                break;
            case Criterion::IntegralX2: Output = Output + u * u * ctx.run.h; break;
            default: break;
        }
    }

private:
    Real48 largest_;
};

}  // namespace

std::unique_ptr<Element> createStructural(std::uint8_t code) {
    switch (code) {
        case 17:
        case 18:
        case 19:
        case 20: return std::make_unique<SignedSumNode>(code);
        case 21: return std::make_unique<ProductNode>(code);
        case 32: return std::make_unique<PassThrough>(code, -1);
        case 47: return std::make_unique<CriterionBlock>(code);
        case 52:
        case 53: return std::make_unique<Contact>(code);
        case 78: return std::make_unique<RegimeBlock>(code);
        case 81: return std::make_unique<Commutator>(code);
        case 125:
        case 126: return std::make_unique<SelectorSwitch>(code);
        case 136: return std::make_unique<Multiplexer>(code);
        default: return std::make_unique<PassThrough>(code, 1);  // the selectors 54..59
    }
}

}  // namespace velmar
