#include "core/simulation/progress.h"

#include <cmath>
#include <cstdio>

#include "core/model/run_context.h"
#include "core/numtext.h"

namespace velmar {

namespace {

std::string elapsedText(std::chrono::steady_clock::duration d) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(d).count();
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

}  // namespace

Progress::Progress(RunContext& ctx)
    : ctx_(ctx), step_(ctx.settings.Step), start_(std::chrono::steady_clock::now()) {
    const std::int32_t points = ctx.run.PointCount;
    scale_ = points > 0 ? static_cast<Extended>(kProgressStripWidth) / points : 0;
    ctx.run.CurrentTime = step_;
    send(0, false, {});
}

void Progress::send(int filled, bool texts, std::string countText) {
    ProgressInfo info;
    info.filled = filled;
    info.width = kProgressStripWidth;
    info.texts = texts;
    info.countText = std::move(countText);
    info.timeText = timeText_;
    ctx_.ui().progress(info);
}

bool Progress::Show() {
    RunState& run = ctx_.run;
    run.CurrentTime += step_;
    // The strip only changes when its filled width does: at most one update per pixel.
    const Extended position = step_ != 0 ? run.CurrentTime / step_ * scale_ : 0;
    // The conversion truncates as Trunc does, without a library call once per point;
    // the position never leaves the strip's few hundred pixels.
    const int filled = std::isfinite(position) ? static_cast<int>(position) - 5 : 0;
    const bool moved = filled != filled_;
    filled_ = filled;

    const std::int32_t span = run.PointCount - 1;
    const int percent =
        span > 0 ? static_cast<int>(static_cast<std::int64_t>(run.StepIndex) * 100 / span) : 100;
    if (percent == lastPercent_) {
        if (moved) send(filled, false, {});
        return false;
    }
    lastPercent_ = percent;
    if (ctx_.settings.TimeOfProgress) {
        timeText_ = elapsedText(std::chrono::steady_clock::now() - start_);
        send(filled, true, fixedText(run.CurrentTime, 8, 4));
    } else if (moved) {
        send(filled, false, {});
    }
    return true;
}

void Progress::Finish(const std::string& countText) { send(0, true, countText); }

}  // namespace velmar
