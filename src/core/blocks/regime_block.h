// The regime-parameters block (78): changes tuned parameters of other blocks along the
// time axis of a run.
//
// Its dialog registers the tuned parameters of the scheme (those marked in their blocks'
// dialogs, at most 50) and asks, for each one, the number of time intervals (at most 50)
// and per interval a switching time and the parameter's value from then on. A run starts
// every such parameter at the value it had when the table was entered; at each time
// point the block's own time advances by the step (in a variable-step run it is the time
// of each evaluation) and every breakpoint whose time has been reached assigns its value
// (the last such breakpoint wins). Each parameter keeps
// its own interval count. The table is not kept in the scheme file.
#pragma once

#include <vector>

#include "core/model/element.h"

namespace velmar {

inline constexpr int kMaxRegimeParameters = 50;
inline constexpr int kMaxRegimeIntervals = 50;

class RegimeBlock : public Element {
public:
    using Element::Element;
    void EditParameters(RunContext& ctx) override;
    void InitRun(RunContext& ctx) override;
    void Advance(RunContext& ctx) override;

    struct Breakpoint {
        Real48 time;
        Real48 value;
    };
    struct Schedule {
        // The block owning the parameter, and where and what it was: a block deleted
        // since drops out of the table.
        const Element* element;
        std::uint8_t col, row, code;
        std::size_t param;  // its index in the block's Params
        std::string name;   // the registered name, e.g. "K3"
        Real48 initial;     // the value when the table was entered
        std::vector<Breakpoint> points;
    };
    const std::vector<Schedule>& schedules() const { return schedules_; }

private:
    bool askSchedule(RunContext& ctx, Schedule& schedule) const;

    std::vector<Schedule> schedules_;
    // The schedules whose blocks still exist, resolved when a run starts.
    struct Active {
        ParamRec* param;
        const Schedule* schedule;
    };
    std::vector<Active> active_;
    Real48 time_;
};

}  // namespace velmar
