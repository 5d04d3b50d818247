#include "core/blocks/linear.h"

#include <array>
#include <stdexcept>
#include <string>

#include "core/blocks/delays.h"
#include "core/blocks/families.h"
#include "core/blocks/filters.h"
#include "core/model/run_context.h"

namespace velmar {

// --- first-order links -----------------------------------------------------------------

// One link: its W(s) by parameter position (catalogue rows), which is also the
// canonical form a variable-step run integrates, and its backward-Euler step from the
// input u now, du = u - the previous input and y, the output before the step.
struct FirstOrderLink::Row {
    std::uint8_t code;
    int initialValue;  // the "H y" parameter, or -1: the output starts at 0
    Polynomial (*numerator)(const Element&);
    Polynomial (*denominator)(const Element&);
    // The step's denominator from T (or Tb) and h; null for a link without one.
    void (*prepare)(RunConstants&, const Element&);
    Extended (*step)(const RunConstants&, Extended u, Extended du, Extended y);
};

namespace {

using Constants = FirstOrderLink::RunConstants;

// T / h and T / h + 1: the aperiodic and the real differentiating link.
void lagDivisor(Constants& c, const Element& e) {
    c.ratio = e.param(1) / c.h;
    c.divisor = c.ratio + 1;
}

const std::array<FirstOrderLink::Row, 7> kFirstOrderRows = {{
    // K / (T s + 1)
    {22, 2, [](const Element& e) { return Polynomial{e.param(0)}; },
     [](const Element& e) {
         return Polynomial{1, e.param(1)};
     },
     lagDivisor,
     [](const Constants& c, Extended u, Extended, Extended y) {
         return (c.k * u + c.ratio * y) / c.divisor;
     }},
    // K s / (T s + 1)
    {23, 2,
     [](const Element& e) {
         return Polynomial{0, e.param(0)};
     },
     [](const Element& e) {
         return Polynomial{1, e.param(1)};
     },
     lagDivisor,
     [](const Constants& c, Extended, Extended du, Extended y) {
         return (c.k * du / c.h + c.ratio * y) / c.divisor;
     }},
    // (Ta s + 1) / (Tb s + 1)
    {24, 2,
     [](const Element& e) {
         return Polynomial{1, e.param(0)};
     },
     [](const Element& e) {
         return Polynomial{1, e.param(1)};
     },
     [](Constants& c, const Element& e) {
         c.tb = e.param(1);
         c.divisor = c.h + c.tb;
     },
     [](const Constants& c, Extended u, Extended du, Extended y) {
         return (c.k * du + c.h * u + c.tb * y) / c.divisor;
     }},
    // (T s + 1) / s
    {25, 1,
     [](const Element& e) {
         return Polynomial{1, e.param(0)};
     },
     [](const Element&) {
         return Polynomial{0, 1};
     },
     nullptr, [](const Constants& c, Extended u, Extended du, Extended y) { return y + c.k * du + c.h * u; }},
    // K / s
    {27, 1, [](const Element& e) { return Polynomial{e.param(0)}; },
     [](const Element&) {
         return Polynomial{0, 1};
     },
     nullptr, [](const Constants& c, Extended u, Extended, Extended y) { return y + c.k * u * c.h; }},
    // s
    {29, -1,
     [](const Element&) {
         return Polynomial{0, 1};
     },
     [](const Element&) { return Polynomial{1}; }, nullptr,
     [](const Constants& c, Extended, Extended du, Extended) { return du / c.h; }},
    // K
    {30, -1, [](const Element& e) { return Polynomial{e.param(0)}; },
     [](const Element&) { return Polynomial{1}; }, nullptr,
     [](const Constants& c, Extended u, Extended, Extended) { return c.k * u; }},
}};

const FirstOrderLink::Row& firstOrderRow(std::uint8_t code) {
    for (const FirstOrderLink::Row& r : kFirstOrderRows)
        if (r.code == code) return r;
    throw std::logic_error("no first-order link of code " + std::to_string(code));
}

}  // namespace

FirstOrderLink::FirstOrderLink(std::uint8_t code) : TransferLink(code), row_(&firstOrderRow(code)) {}

Extended FirstOrderLink::initialOutput() const {
    const int i = row().initialValue;
    return i < 0 ? 0.0L : param(i);
}

Polynomial FirstOrderLink::Numerator() const { return row().numerator(*this); }
Polynomial FirstOrderLink::Denominator() const { return row().denominator(*this); }

void FirstOrderLink::InitRun(RunContext& ctx) {
    TransferLink::InitRun(ctx);
    RunConstants& c = constants_;
    c.h = ctx.run.h;
    c.k = Params.empty() ? 0 : param(0);  // the ideal differentiating link (29) has none
    if (row().prepare) row().prepare(c, *this);
}

void FirstOrderLink::Advance(RunContext&) {
    const Element* in = Input();
    if (!in) return;
    const Extended u = in->Output;
    Output = row().step(constants_, u, u - PrevInput, Output);
    PrevInput = in->Output;
}

// --- second-order links ------------------------------------------------------------------

// One link: the denominator of its W(s) = K / B(s) and its step from u, y, the output
// two steps back, h and HSquared.
struct SecondOrderLink::Row {
    std::uint8_t code;
    Polynomial (*denominator)(const Element&);
    Extended (*step)(const Element&, Extended u, Extended y, Extended y2, Extended h, Extended hh);
};

namespace {

const std::array<SecondOrderLink::Row, 2> kSecondOrderRows = {{
    // K / (a s^2 + b s + 1)
    {26,
     [](const Element& e) {
         return Polynomial{1, e.param(2), e.param(1)};
     },
     [](const Element& e, Extended u, Extended y, Extended y2, Extended h, Extended hh) {
         const Extended k = e.param(0), a = e.param(1), b = e.param(2);
         return (k * u + (b / h) * y - (a / hh) * (y2 - 2 * y)) / (a / hh + b / h + 1);
     }},
    // K / (s^2 / Wo^2 + 2 s / Wo + 1)
    {139,
     [](const Element& e) {
         const Extended Wo = e.param(1);
         return Polynomial{1, quotient(2, Wo), quotient(1, Wo * Wo)};
     },
     [](const Element& e, Extended u, Extended y, Extended y2, Extended h, Extended hh) {
         const Extended k = e.param(0), Wo = e.param(1);
         const Extended twoOverWo = quotient(2, Wo), oneOverWo2 = quotient(1, Wo * Wo);
         return (k * u + twoOverWo * y / h - oneOverWo2 * (y2 - 2 * y) / hh) /
                (oneOverWo2 / hh + twoOverWo / h + 1);
     }},
}};

const SecondOrderLink::Row& secondOrderRow(std::uint8_t code) {
    for (const SecondOrderLink::Row& r : kSecondOrderRows)
        if (r.code == code) return r;
    throw std::logic_error("no second-order link of code " + std::to_string(code));
}

}  // namespace

SecondOrderLink::SecondOrderLink(std::uint8_t code) : TransferLink(code), row_(&secondOrderRow(code)) {}

void SecondOrderLink::clearWorkingFields(RunContext& ctx) {
    HSquared = ctx.run.h * ctx.run.h;
    PrevOutput1 = 0;
    PrevOutput2 = 0;
}

Polynomial SecondOrderLink::Numerator() const { return Polynomial{param(0)}; }
Polynomial SecondOrderLink::Denominator() const { return row_->denominator(*this); }

void SecondOrderLink::Advance(RunContext& ctx) {
    const Element* in = Input();
    if (!in) return;
    Output = row_->step(*this, in->Output, Output, PrevOutput2, ctx.run.h, HSquared);
    PrevOutput2 = PrevOutput1;
    PrevOutput1 = Output;
}

// --- the family's factory ----------------------------------------------------------------

std::unique_ptr<Element> createLinear(std::uint8_t code) {
    switch (code) {
        case 26:
        case 139: return std::make_unique<SecondOrderLink>(code);
        case 28:
        case 46: return std::make_unique<PolynomialLink>(code);
        case 31: return std::make_unique<TransportDelay>(code);
        case 50:
        case 51: return std::make_unique<ControlledIntegrator>(code);
        case 64: return std::make_unique<ControlledDelay>(code);
        case 138:
        case 140:
        case 141: return std::make_unique<StageFilter>(code);
        case 142:
        case 143: return std::make_unique<BandFilter>(code);
        case 22:
        case 23:
        case 24:
        case 25:
        case 27:
        case 29:
        case 30: return std::make_unique<FirstOrderLink>(code);
        default: return nullptr;
    }
}

}  // namespace velmar
