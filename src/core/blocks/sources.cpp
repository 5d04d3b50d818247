#include "core/blocks/sources.h"

#include <cmath>
#include <string>

#include "core/blocks/families.h"
#include "core/blocks/time_functions.h"
#include "core/blocks/waveforms.h"
#include "core/model/bytes.h"
#include "core/model/run_context.h"
#include "core/model/value_dialog.h"

namespace velmar {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;

// Each block owns its generator; these draw from it.
void reseedGenerator(std::mt19937& g) { g.seed(std::random_device{}()); }
int drawBelow(std::mt19937& g, int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(g); }
Extended drawBit(std::mt19937& g) {  // a uniform real in [0, 1) rounded to the nearest integer
    return std::nearbyint(static_cast<Extended>(std::generate_canonical<double, 53>(g)));
}

}  // namespace

void HarmonicInput::step(RunContext& ctx) {
    // A, w, Phase
    Output = param(0) * std::sin(param(1) * ctx.run.t() + param(2));
}

RandomInput::RandomInput(std::uint8_t code) : Source(code) { reseed(); }

void RandomInput::reseed() { reseedGenerator(generator_); }

void RandomInput::EditParameters(RunContext& ctx) {
    reseed();
    if (editCatalogueParameters(ctx)) Params[1].Value = param(0) / 65535;
}

void RandomInput::ReadParameters(ByteReader& in) {
    Element::ReadParameters(in);  // the scale
    Params[0].Value = Scale() * 65535;
}

void RandomInput::step(RunContext&) { Output = drawBelow(generator_, 65535) * Scale(); }

void DeltaInput::start(RunContext& ctx) {
    Output = 0;
    pulsePoints_ = ctx.settings.VariableStep ? 2 : 1;
}

void DeltaInput::step(RunContext& ctx) {
    Output = pulsePoints_ > 0 ? 1 / ctx.run.h : 0.0L;
    if (pulsePoints_ > 0) --pulsePoints_;
}

void RampInput::start(RunContext& ctx) { Output = param(1) - ctx.run.h * param(0); }

void RampInput::step(RunContext& ctx) {
    const RunState& run = ctx.run;
    Output = run.integratorTime ? param(1) + param(0) * run.t() : Output + run.h * param(0);  // H.y., K
}

void DampedOscillation::start(RunContext&) {
    Output = 0;
    armed_ = false;
    sign_ = 0;
    start_ = 0;
    amplitude_ = 0;
}

void DampedOscillation::step(RunContext& ctx) {
    const Element* in = Input();
    if (!in) return;
    const Extended u = in->Output;
    const std::int32_t n = ctx.run.StepIndex;
    if (u != 0) {
        armed_ = true;
        sign_ = u > 0 ? 1 : -1;
        start_ = n;
        amplitude_ = std::fabs(u);
    }
    if (!armed_) {
        Output = 0;
        return;
    }
    // DikrZ, w, Faza
    const Extended tau = static_cast<Extended>(n - start_) * ctx.run.h;
    Output = amplitude_ * std::exp(-param(0) * tau) * std::sin(param(1) * tau + sign_ * kPi / 2 + param(2));
}

void RandomBinary::start(RunContext&) {
    reseedGenerator(generator_);
    Output = drawBit(generator_);
    elapsed_ = 0;
}

void RandomBinary::step(RunContext& ctx) {
    elapsed_ = elapsed_ + ctx.run.h;
    if (elapsed_ >= param(0)) {
        Output = drawBit(generator_);
        elapsed_ = 0;
    }
}

void ControlledHarmonic::start(RunContext&) {
    Output = 0;
    ownTime_ = 0;
    Params[2].Value = 0;
}

void ControlledHarmonic::step(RunContext& ctx) {
    const Element* in = Input();
    if (!in) return;
    ownTime_ = ctx.run.integratorTime ? ctx.run.t() : ownTime_ + ctx.run.h;
    if (in->isSelector()) Params[2].Value = in->Output;
    const Extended V = param(2), phase = param(1);
    Output = Code == 103 ? V * std::sin(param(0) * ownTime_ + phase)   // w, Phase
                         : param(0) * std::sin(V * ownTime_ + phase);  // A, Phase
}

void OneShot::start(RunContext&) {
    Output = 0;
    triggered_ = false;
    sign_ = 1;
    level_ = 0;
    elapsed_ = 0;
}

void OneShot::step(RunContext& ctx) {
    const Element* in = Input();
    if (!in) return;
    const Extended u = in->Output;
    if (u != 0) {
        triggered_ = true;
        sign_ = u > 0 ? 1 : -1;
    }
    if (triggered_) {
        if (elapsed_ < param(1)) {  // t
            level_ = param(0);      // A
            elapsed_ = elapsed_ + ctx.run.h;
        } else {
            level_ = 0;
            elapsed_ = 0;
            triggered_ = false;
        }
    }
    Output = level_ * sign_;
}

void PolynomialSignal::SetDefaults() { Params = {{Real48(0), false, "n"}, {Real48(1), false, "a0"}}; }

void PolynomialSignal::setDegree(int n) {
    const std::size_t old = Params.size();
    Params.resize(static_cast<size_t>(n) + 2);
    for (std::size_t i = old; i < Params.size(); ++i)
        Params[i] = {Real48(0), false, "a" + std::to_string(i - 1)};
    Params[0].Value = n;
}

void PolynomialSignal::EditParameters(RunContext& ctx) {
    GridEdit& pending = ctx.gridEdit;
    if (pending.index != 0) {
        const int k = pending.index;
        pending.index = 0;
        if (k == 1 && degreeProblem(pending.value).empty())
            setDegree(static_cast<int>(std::lround(pending.value.get())));
        else if (k >= 2 && k <= static_cast<int>(Params.size()))
            Params[static_cast<size_t>(k - 1)].Value = pending.value;
        return;
    }
    std::vector<DialogValue> degreeRow = {{"n", param(0), Params[0].Varied, true, true, {}}};
    const ValueCheck whole = [](const std::vector<Extended>& v) { return degreeProblem(v[0]); };
    if (!AskValues(ctx.ui(), degreeRow, "Function", whole)) return;
    PolynomialSignal edited(Code);
    edited.Params = Params;
    edited.setDegree(static_cast<int>(std::lround(degreeRow[0].value)));
    edited.Params[0].Varied = degreeRow[0].marked;
    // The coefficients, up to seven rows per dialog.
    for (std::size_t first = 1; first < edited.Params.size(); first += kMaxDialogRows) {
        std::vector<DialogValue> rows;
        for (std::size_t i = first; i < edited.Params.size() && i < first + kMaxDialogRows; ++i)
            rows.push_back(
                {"a" + std::to_string(i - 1), edited.param(static_cast<int>(i)), false, false, true, {}});
        if (!AskValues(ctx.ui(), rows, "Function")) return;
        for (std::size_t k = 0; k < rows.size(); ++k) edited.Params[first + k].Value = rows[k].value;
    }
    Params = std::move(edited.Params);
}

void PolynomialSignal::step(RunContext& ctx) {
    const Extended t = ctx.run.t();
    Extended y = 0;
    for (int i = degree(); i >= 0; --i) y = y * t + param(i + 1);
    Output = y;
}

// Record: a0, n, a1 .. an (see the class comment). A reader of the older layout (all
// coefficients, then n) meets the same bytes for n = 0.
void PolynomialSignal::WriteParameters(ByteWriter& out) const {
    out.real(Params[1].Value);
    out.real(Params[0].Value);
    for (std::size_t i = 2; i < Params.size(); ++i) out.real(Params[i].Value);
}

void PolynomialSignal::ReadParameters(ByteReader& in) {
    const Real48 a0 = in.real();
    const Extended n = in.real();
    if (!degreeProblem(n).empty()) throw FileError("polynomial signal degree out of range");
    // Read into a scratch element first: a record cut short leaves this one untouched.
    PolynomialSignal read(Code);
    read.Params = Params;
    read.setDegree(static_cast<int>(std::lround(n)));
    read.Params[1].Value = a0;
    for (std::size_t i = 2; i < read.Params.size(); ++i) read.Params[i].Value = in.real();
    Params = std::move(read.Params);
}

std::unique_ptr<Element> createSource(std::uint8_t code) {
    switch (code) {
        case 33: return std::make_unique<StepInput>(code);
        case 34: return std::make_unique<HarmonicInput>(code);
        case 35: return std::make_unique<RandomInput>(code);
        case 36: return std::make_unique<DeltaInput>(code);
        case 37: return std::make_unique<RampInput>(code);
        case 40: return std::make_unique<DampedOscillation>(code);
        case 97: return std::make_unique<RandomBinary>(code);
        case 103:
        case 104: return std::make_unique<ControlledHarmonic>(code);
        case 118: return std::make_unique<PolynomialSignal>(code);
        case 119: return std::make_unique<OneShot>(code);
        default:
            if (auto e = createWaveform(code)) return e;
            return createTimeFunction(code);
    }
}

}  // namespace velmar
