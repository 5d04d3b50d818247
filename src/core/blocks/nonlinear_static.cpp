// One-input static functions: y depends on the present input (and, for the peak
// memories and the logarithm, on the present output). Without a connected input the
// output stays as it is.
//
// A function value that is no finite number stops the run with the fault's message
// (storing it into the output raises MathError): the exponential function of a base
// A ≤ 0, an overflowing exponent, a division of the binary quantiser by a zero weight.
// The values the blocks define themselves stay: 10^15 for 1/0, 2147483647 for the
// tangent where the cosine is exactly 0, and the logarithm keeping its output for u ≤ 0.
#include <array>
#include <cmath>

#include "core/blocks/nonlinear_kinds.h"

namespace velmar {

namespace {

struct StaticFunction {
    std::uint8_t code;
    Extended (*apply)(Extended u, Extended y, const Element& e);
    Polynomial (*numerator)(const Element& e);  // null: the polynomial 1
};

constexpr Extended kInverseOfZero = 1e15L;
constexpr Extended kTangentAtPole = 2147483647;

const std::array<StaticFunction, 18> kFunctions = {{
    {38, [](Extended u, Extended, const Element&) { return std::fabs(u); }, nullptr},
    // 43 parabola: K.
    {43, [](Extended u, Extended, const Element& e) { return -e.param(0) * u * u; }, nullptr},
    // 48 analog-to-logic converter: Level Zero.
    {48, [](Extended u, Extended, const Element& e) { return u > e.param(0) ? 1.0L : 0.0L; }, nullptr},
    // 49 universal inverter: the first non-zero of Kinv.OX, Kinv.OY, Kinv.Oo decides.
    {49,
     [](Extended u, Extended, const Element& e) {
         if (e.param(0) != 0) return -e.param(0) * u;
         if (e.param(1) != 0) return e.param(1) * u;
         if (e.param(2) != 0) return -e.param(2) * u;
         return u;
     },
     [](const Element&) { return Polynomial{-1}; }},
    {65, [](Extended u, Extended, const Element&) { return u != 0 ? 1 / u : kInverseOfZero; }, nullptr},
    // 74 asymmetric amplifier: gain A below C, B from C on; its numerator is the gain of
    // the present input.
    {74,
     [](Extended u, Extended, const Element& e) { return u >= e.param(2) ? e.param(1) * u : e.param(0) * u; },
     [](const Element& e) {
         const Extended u = e.Input() ? Extended(e.Input()->Output) : 0;
         return Polynomial{u >= e.param(2) ? e.param(1) : e.param(0)};
     }},
    // 75 A^u, computed as e^(u ln A).
    {75,
     [](Extended u, Extended, const Element& e) { return std::exp(u * checkFinite(std::log(e.param(0)))); },
     nullptr},
    // 77 binary quantiser: whole multiples of Weigth 1, rounded to nearest (ties to even).
    {77, [](Extended u, Extended, const Element& e) { return std::nearbyint(u / e.param(0)); }, nullptr},
    {85, [](Extended u, Extended, const Element&) { return std::sin(u); }, nullptr},
    {86, [](Extended u, Extended, const Element&) { return std::cos(u); }, nullptr},
    {87,
     [](Extended u, Extended, const Element&) {
         const Extended c = std::cos(u);
         return c == 0 ? kTangentAtPole : std::sin(u) / c;
     },
     nullptr},
    {88, [](Extended u, Extended, const Element&) { return std::atan(u); }, nullptr},
    // 89 e^(K u).
    {89, [](Extended u, Extended, const Element& e) { return std::exp(e.param(0) * u); }, nullptr},
    {90, [](Extended u, Extended y, const Element&) { return u > 0 ? std::log(u) : y; }, nullptr},
    // 98 limit on the left: a, b, k.
    {98,
     [](Extended u, Extended, const Element& e) {
         return u < e.param(1) ? e.param(0) : e.param(0) + e.param(2) * (u - e.param(1));
     },
     nullptr},
    // 99 limit on the right: a, b, k.
    {99,
     [](Extended u, Extended, const Element& e) {
         return u <= e.param(1) ? e.param(0) + e.param(2) * (u - e.param(1)) : e.param(0);
     },
     nullptr},
    // 123, 124 peak memories: the output starts at 0 with every run.
    {123, [](Extended u, Extended y, const Element&) { return y < u ? u : y; }, nullptr},
    {124, [](Extended u, Extended y, const Element&) { return y > u ? u : y; }, nullptr},
}};

class StaticFunctionElement : public Element {
public:
    explicit StaticFunctionElement(const StaticFunction& f) : Element(f.code), function_(f) {}

    void Advance(RunContext&) override {
        if (Input()) Output = function_.apply(Input()->Output, Output, *this);
    }

    Polynomial Numerator() const override {
        return function_.numerator ? function_.numerator(*this) : Element::Numerator();
    }

private:
    const StaticFunction& function_;
};

}  // namespace

std::unique_ptr<Element> createStaticFunction(std::uint8_t code) {
    for (const StaticFunction& f : kFunctions)
        if (f.code == code) return std::make_unique<StaticFunctionElement>(f);
    return nullptr;
}

}  // namespace velmar
