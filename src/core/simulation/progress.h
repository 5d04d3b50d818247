// The progress display of a run: the strip filled from the left as time advances, the
// count panel (current time) and the time panel (elapsed time).
#pragma once

#include <chrono>
#include <string>

#include "core/real48.h"

namespace velmar {

class Host;
class RunContext;

inline constexpr int kProgressStripWidth = 200;  // pixels of the count paint box

class Progress {
public:
    // Starts a run's display: the strip cleared, CurrentTime := Step.
    explicit Progress(RunContext& ctx);

    // After a time point: CurrentTime += Step and the strip follows it. With the "Time of
    // &Progress" option, whenever the whole percentage of the run changes the panels show
    // the current and elapsed time (at most 101 times a run). Returns true at those
    // percentage changes, the points where the run may look at the key queue.
    bool Show();

    // Clears the strip; the count panel shows `countText`.
    void Finish(const std::string& countText);

private:
    void send(int filled, bool texts, std::string countText);

    RunContext& ctx_;
    Extended step_;
    Extended scale_;  // strip pixels per time point
    int filled_ = -1;
    int lastPercent_ = 0;
    std::string timeText_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace velmar
