// The snapshot of what the countdown window shows, repainted only when it
// differs from the one painted last, and the wake for its next change, armed
// from the same reading of the clock.
#include "countdown/countdown_window.h"
#include "timekeeping/time_text.h"

void CountdownWindow::updateDisplay(bool redraw) {
    const uint32_t now = countdown_.clock().now();
    displayState_->text = formatTime(countdown_.shownAt(now), timeFormatMode());
    displayState_->running = countdown_.isRunning();
    displayState_->underline = settings().underline;
    displayState_->inverted = inverted_;
    armWake(now);
    if (const std::optional<AccessibleChange> change = speech_.next(spokenMoment(now))) host().accessibleChanged(*change);
    if (!redraw) return;
    if (displayState_->equals(lastPainted_)) return;
    host().redrawNow();
    lastPainted_.assign(*displayState_);
}
