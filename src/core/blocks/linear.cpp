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

struct FirstOrderLink::Row {
    std::uint8_t code;
    int initialValue;  // the "H y" parameter, or -1: the output starts at 0
    Polynomial (*numerator)(const Element&);
    Polynomial (*denominator)(const Element&);
};

namespace {

// W(s) by parameter position (catalogue rows); the steps are in Advance.
const std::array<FirstOrderLink::Row, 7> kFirstOrderRows = {{
    {22, 2, [](const Element& e) { return Polynomial{e.param(0)}; },  // K / (T s + 1)
     [](const Element& e) {
         return Polynomial{1, e.param(1)};
     }},
    {23, 2,
     [](const Element& e) {
         return Polynomial{0, e.param(0)};
     },  // K s / (T s + 1)
     [](const Element& e) {
         return Polynomial{1, e.param(1)};
     }},
    {24, 2,
     [](const Element& e) {
         return Polynomial{1, e.param(0)};
     },  // (Ta s + 1) / (Tb s + 1)
     [](const Element& e) {
         return Polynomial{1, e.param(1)};
     }},
    {25, 1,
     [](const Element& e) {
         return Polynomial{1, e.param(0)};
     },  // (T s + 1) / s
     [](const Element&) {
         return Polynomial{0, 1};
     }},
    {27, 1, [](const Element& e) { return Polynomial{e.param(0)}; },  // K / s
     [](const Element&) {
         return Polynomial{0, 1};
     }},
    {29, -1,
     [](const Element&) {
         return Polynomial{0, 1};
     },  // s
     [](const Element&) { return Polynomial{1}; }},
    {30, -1, [](const Element& e) { return Polynomial{e.param(0)}; },  // K
     [](const Element&) { return Polynomial{1}; }},
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
    h_ = ctx.run.h;
    k_ = Params.empty() ? 0 : param(0);  // the ideal differentiating link (29) has none
    if (Code == 22 || Code == 23) {
        ratio_ = param(1) / h_;  // T / h
        divisor_ = ratio_ + 1;
    } else if (Code == 24) {
        divisor_ = h_ + param(1);  // h + Tb
    }
}

// The backward-Euler rule with u the input now, du = u - PrevInput, y the output before
// the step; k_ is the first parameter (K, T or Ta).
void FirstOrderLink::Advance(RunContext&) {
    const Element* in = Input();
    if (!in) return;
    const Extended u = in->Output, y = Output, h = h_;
    switch (Code) {
        case 22: Output = (k_ * u + ratio_ * y) / divisor_; break;
        case 23: Output = (k_ * (u - PrevInput) / h + ratio_ * y) / divisor_; break;
        case 24: Output = (k_ * (u - PrevInput) + h * u + param(1) * y) / divisor_; break;
        case 25: Output = y + k_ * (u - PrevInput) + h * u; break;
        case 27: Output = y + k_ * u * h; break;
        case 29: Output = (u - PrevInput) / h; break;
        default: Output = k_ * u; break;  // 30
    }
    PrevInput = in->Output;
}

// --- second-order links ------------------------------------------------------------------

namespace {

// y' for 26 and 139 from u, y, the output two steps back, h and HSquared.
Extended oscillatoryStep(Extended k, Extended a, Extended b, Extended u, Extended y, Extended y2, Extended h,
                         Extended hh) {
    return (k * u + (b / h) * y - (a / hh) * (y2 - 2 * y)) / (a / hh + b / h + 1);
}

Extended lowPassIIStep(Extended k, Extended Wo, Extended u, Extended y, Extended y2, Extended h,
                       Extended hh) {
    const Extended twoOverWo = quotient(2, Wo), oneOverWo2 = quotient(1, Wo * Wo);
    return (k * u + twoOverWo * y / h - oneOverWo2 * (y2 - 2 * y) / hh) /
           (oneOverWo2 / hh + twoOverWo / h + 1);
}

}  // namespace

void SecondOrderLink::clearWorkingFields(RunContext& ctx) {
    HSquared = ctx.run.h * ctx.run.h;
    PrevOutput1 = 0;
    PrevOutput2 = 0;
}

Polynomial SecondOrderLink::Numerator() const { return Polynomial{param(0)}; }

Polynomial SecondOrderLink::Denominator() const {
    if (Code == 26) return Polynomial{1, param(2), param(1)};  // a s^2 + b s + 1
    const Extended Wo = param(1);
    return Polynomial{1, quotient(2, Wo), quotient(1, Wo * Wo)};
}

void SecondOrderLink::Advance(RunContext& ctx) {
    const Element* in = Input();
    if (!in) return;
    const Extended u = in->Output, h = ctx.run.h;
    Output = Code == 26 ? oscillatoryStep(param(0), param(1), param(2), u, Output, PrevOutput2, h, HSquared)
                        : lowPassIIStep(param(0), param(1), u, Output, PrevOutput2, h, HSquared);
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
