// Step-response metrics of a curve whose x is time and whose y is the response to a
// step applied at the curve's first point.
//
// Every metric either has a number or says why it has none:
// - not settled: the run is too short to know it. A curve counts as settled in a band
//   (2 % or 5 % of the response's change from its first to its last value) when it
//   stays within that band around its last value over the whole last tenth of the
//   run, and the drift still to come (the last tenth's motion continued at the rate it
//   slows down from the tenth before; unbounded when it does not slow down) would move
//   the band by at most a tenth of its half-width. The final value needs the 2 % band; the rise time, the peak and overshoot, the
//   peak time and the steady-state error need the final value; each settling time
//   needs its own band. An unsettled final value still shows the last value, marked as
//   such: it is not a limit.
// - diverging: the response grows without bound as far as the run shows: a value that
//   is not finite, a deviation from the first value that grows by more than half in
//   each of the last two tenths of the run, or an oscillation whose last three swings
//   each grow by more than 2 %. Every metric says so.
// - undefined: the metric means nothing for this curve: fewer than two points, a time
//   axis that does not run forward (a phase plane), a flat curve; the rise time,
//   overshoot and settling times of a response that ends where it began (its peak is
//   its largest excursion, its bands are shares of that); the peak time of a response
//   without overshoot.
//
// Times are measured from the curve's first point; crossing times are interpolated
// linearly between samples and the peak is the vertex of the parabola through the
// highest sample and its neighbours. The overshoot is a fraction of the response's
// change (0.25 for 25 %); the steady-state error is the step's level minus the final
// value.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"

namespace velmar {

enum class MetricId {
    FinalValue,
    RiseTime,
    Peak,
    Overshoot,
    PeakTime,
    SettlingTime2,
    SettlingTime5,
    SteadyStateError,
};
inline constexpr int kMetricCount = 8;

enum class MetricStatus { Value, NotSettled, Diverging, Undefined };

// The stable name of a metric ("final_value", "rise_time", "peak", "overshoot",
// "peak_time", "settling_time_2", "settling_time_5", "steady_state_error").
std::string_view metricName(MetricId id);

struct Metric {
    MetricId id = MetricId::FinalValue;
    MetricStatus status = MetricStatus::Undefined;
    Extended value = 0;                 // when status is Value
    std::optional<Extended> lastValue;  // the final value's last sample when it is no limit
    std::string_view name() const { return metricName(id); }
};

struct StepMetrics {
    std::array<Metric, kMetricCount> items;  // in MetricId order
    const Metric& operator[](MetricId id) const { return items[static_cast<std::size_t>(id)]; }
};

// The metrics of the points (t[k], y[k]); `level` is the level of the step the
// response answers (1 when it is not known).
StepMetrics stepMetrics(std::span<const Extended> t, std::span<const Extended> y, Extended level = 1);
// The same for points 0..count-1 of a diagram.
StepMetrics stepMetrics(const Diagram& curve, Extended level = 1);

// A metric's value: the number in 17 significant digits, or its status words.
std::string metricValueText(const Metric& metric);

// "metric: NAME = VALUE": the number in 17 significant digits, or the status words
// ("not settled", "diverging", "undefined"), with ", last value X" after an unsettled
// or diverging final value.
std::string metricLine(const Metric& metric);
// One line per metric, in MetricId order.
std::vector<std::string> metricLines(const StepMetrics& metrics);

}  // namespace velmar
