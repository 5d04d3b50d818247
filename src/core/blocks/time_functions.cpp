#include "core/blocks/time_functions.h"

#include <array>
#include <cmath>

#include "core/model/run_context.h"

namespace velmar {

struct TimeFunction::Row {
    std::uint8_t code;
    Extended initial;  // the output before the first point
    // The new output from the parameters, t and the output so far.
    Extended (*value)(const Element&, Extended t, Extended y);
};

namespace {

// The element keeps ln 10 as this constant.
constexpr Extended kLn10 = 2.302585093L;

const std::array<TimeFunction::Row, 8> kRows = {{
    {112, 0,
     [](const Element& e, Extended t, Extended y) {
         const Extended a = e.param(0);
         if (a > 0) return std::pow(a, t);
         return a == 0 ? 0.0L : y;
     }},
    {113, 0, [](const Element& e, Extended t, Extended) { return t != 0 ? std::pow(t, e.param(0)) : 0.0L; }},
    {114, 0,
     [](const Element&, Extended t, Extended) {
         if (t == 0) return 1.0L;
         return t < 9 ? std::exp(-t * t) : 0.0L;
     }},
    {115, 0, [](const Element&, Extended t, Extended) { return t * std::exp(-t); }},
    {116, 0,
     [](const Element& e, Extended t, Extended) { return e.param(0) * t * t * std::exp(-e.param(1) * t); }},
    {120, 0, [](const Element& e, Extended t, Extended y) { return t != 0 ? std::log(e.param(0) * t) : y; }},
    {121, 0,
     [](const Element& e, Extended t, Extended y) { return t != 0 ? std::log(e.param(0) * t) / kLn10 : y; }},
    {122, 1, [](const Element& e, Extended t, Extended) { return std::exp(e.param(0) * t); }},
}};

const TimeFunction::Row* findRow(std::uint8_t code) {
    for (const TimeFunction::Row& r : kRows)
        if (r.code == code) return &r;
    return nullptr;
}

}  // namespace

TimeFunction::TimeFunction(std::uint8_t code) : TimeSource(code), row_(findRow(code)) {}

void TimeFunction::start(RunContext&) { Output = row_->initial; }

void TimeFunction::step(RunContext& ctx) { Output = row_->value(*this, ctx.run.t(), Output); }

std::unique_ptr<Element> createTimeFunction(std::uint8_t code) {
    if (!findRow(code)) return nullptr;
    return std::make_unique<TimeFunction>(code);
}

}  // namespace velmar
