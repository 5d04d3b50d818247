#include "core/blocks/regime_block.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/model/run_context.h"
#include "core/model/value_dialog.h"

namespace velmar {

namespace {

constexpr std::string_view kCaption = "Области разбиения";
constexpr std::string_view kNoParameter = " Какой параметр? ";
constexpr int kIntervalsPerDialog = 3;  // a time row and a value row each

std::string countProblem(Extended n) {
    if (n < 1 || n > kMaxRegimeIntervals || n != std::trunc(n))
        return "The number of intervals must be a whole number from 1 to " +
               std::to_string(kMaxRegimeIntervals);
    return {};
}

// The rows of interval i (0-based) of n: its switching time "t1" and its value, labelled
// "t1<t<t2" or, for the last interval, ">t3".
std::string timeLabel(int i) { return "t" + std::to_string(i + 1); }
std::string valueLabel(int i, int n) {
    if (i + 1 == n) return ">t" + std::to_string(i + 1);
    return "t" + std::to_string(i + 1) + "<t<t" + std::to_string(i + 2);
}

}  // namespace

bool RegimeBlock::askSchedule(RunContext& ctx, Schedule& schedule) const {
    const std::string caption = std::string(kCaption) + ": " + schedule.name;
    const int old = static_cast<int>(schedule.points.size());
    std::vector<DialogValue> countRow = {
        {"Intervals", static_cast<Extended>(std::max(old, 1)), false, false}};
    const ValueCheck whole = [](const std::vector<Extended>& v) { return countProblem(v[0]); };
    if (!AskValues(ctx.ui(), countRow, caption, whole)) return false;
    const int n = static_cast<int>(countRow[0].value);

    // Proposed: the breakpoints entered before, then equal intervals over the run's time
    // at the parameter's present value.
    std::vector<Breakpoint> points(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        points[static_cast<std::size_t>(i)] =
            i < old ? schedule.points[static_cast<std::size_t>(i)]
                    : Breakpoint{ctx.settings.Time.get() * i / n, schedule.initial};
    for (int first = 0; first < n; first += kIntervalsPerDialog) {
        const int last = std::min(first + kIntervalsPerDialog, n);
        std::vector<DialogValue> rows;
        for (int i = first; i < last; ++i) {
            const Breakpoint& p = points[static_cast<std::size_t>(i)];
            rows.push_back({timeLabel(i), p.time, false, false});
            rows.push_back({valueLabel(i, n), p.value, false, false});
        }
        if (!AskValues(ctx.ui(), rows, caption)) return false;
        for (int i = first; i < last; ++i) {
            const auto k = static_cast<std::size_t>(2 * (i - first));
            points[static_cast<std::size_t>(i)] = {rows[k].value, rows[k + 1].value};
        }
    }
    schedule.points = std::move(points);
    return true;
}

void RegimeBlock::EditParameters(RunContext& ctx) {
    ctx.gridEdit.index = 0;  // the block has no parameter of its own to take a grid value
    TunedParameters tuned;
    tuned.limit = kMaxRegimeParameters;
    for (const auto& e : ctx.Elements()) e->RegisterParameters(tuned);
    if (tuned.list.empty()) {
        ctx.ui().message(Box::Error, kNoParameter);
        return;
    }
    std::vector<Schedule> edited;
    for (const TunedParameter& t : tuned.list) {
        const Element& e = *t.element;
        Schedule s{&e,
                   e.Col,
                   e.Row,
                   e.Code,
                   static_cast<std::size_t>(t.param - e.Params.data()),
                   t.param->Name,
                   t.param->Value,
                   {}};
        // A parameter scheduled before starts from its earlier table.
        const auto before = std::find_if(schedules_.begin(), schedules_.end(), [&](const Schedule& o) {
            return o.element == s.element && o.param == s.param;
        });
        if (before != schedules_.end()) s.points = before->points;
        if (!askSchedule(ctx, s)) return;
        edited.push_back(std::move(s));
    }
    schedules_ = std::move(edited);
}

void RegimeBlock::InitRun(RunContext& ctx) {
    Element::InitRun(ctx);
    time_ = 0.0L;
    active_.clear();
    // A block deleted since the table was entered drops out of it.
    const auto& live = ctx.Elements();
    for (const Schedule& s : schedules_) {
        const auto owner = std::find_if(live.begin(), live.end(), [&](const auto& e) {
            return e.get() == s.element && e->Col == s.col && e->Row == s.row && e->Code == s.code;
        });
        if (owner == live.end() || s.param >= (*owner)->Params.size()) continue;
        ParamRec& p = (*owner)->Params[s.param];
        p.Value = s.initial;
        active_.push_back({&p, &s});
    }
}

void RegimeBlock::Advance(RunContext& ctx) {
    // A variable-step run reads the time of each evaluation, which goes back when the
    // integrator retries a step: there every parameter is set afresh from its schedule.
    const bool integratorTime = ctx.run.integratorTime;
    time_ = integratorTime ? ctx.run.t() : time_ + ctx.run.h;
    for (const Active& a : active_) {
        if (integratorTime) a.param->Value = a.schedule->initial;
        for (const Breakpoint& b : a.schedule->points)
            if (b.time <= time_) a.param->Value = b.value;
    }
}

}  // namespace velmar
