#include "support/test_blocks.h"

#include "core/workbench/workbench.h"

namespace velmar::testing {

namespace {

class TestStep : public Element {
public:
    using Element::Element;
    void Advance(RunContext&) override { Output = param(0); }
};

class TestAmplifier : public Element {
public:
    using Element::Element;
    void Advance(RunContext&) override {
        if (Input()) Output = param(0) * Input()->Output;
    }
};

// One state y with y' = rate(u, y); the variable step hands the derivative to the
// integrator.
class TestFirstOrder : public Element {
public:
    using Element::Element;
    void InitRun(RunContext&) override { Output = initial(); }
    void Advance(RunContext& ctx) override { Output = Output + ctx.run.h * rate(input()); }
    Polynomial Denominator() const override { return Polynomial{0, 1}; }
    void LoadState(int k, const StateVector& y, RunContext&) override {
        Output = y[static_cast<std::size_t>(k)];
    }
    void Derivatives(int k, const StateVector&, StateVector& dy, RunContext&) override {
        dy[static_cast<std::size_t>(k)] = rate(input());
    }

protected:
    Extended input() const { return Input() ? Input()->Output.get() : 0; }
    virtual Extended initial() const = 0;
    virtual Extended rate(Extended u) const = 0;
};

class TestIntegrator : public TestFirstOrder {
public:
    using TestFirstOrder::TestFirstOrder;

private:
    Extended initial() const override { return param(1); }
    Extended rate(Extended u) const override { return param(0) * u; }
};

class TestAperiodic : public TestFirstOrder {
public:
    using TestFirstOrder::TestFirstOrder;

private:
    Extended initial() const override { return param(2); }
    Extended rate(Extended u) const override { return (param(0) * u - Output) / param(1); }
};

}  // namespace

std::unique_ptr<Element> CreateTestElement(std::uint8_t code) {
    std::unique_ptr<Element> e;
    switch (code) {
        case 22: e = std::make_unique<TestAperiodic>(code); break;
        case 27: e = std::make_unique<TestIntegrator>(code); break;
        case 30: e = std::make_unique<TestAmplifier>(code); break;
        case 33: e = std::make_unique<TestStep>(code); break;
        default: return CreateElement(code);
    }
    e->SetDefaults();
    return e;
}

}  // namespace velmar::testing
