// The snapshot of what the countdown window shows, and repainting only when
// it differs from the one painted last (a running minute repaints 60 times,
// not 600).
#include "countdown/countdown_window.h"
#include "timekeeping/time_text.h"

void CountdownWindow::updateDisplay(bool redraw) {
    displayState_->text = formatTime(countdown_.shownMs(), timeFormatMode());
    displayState_->running = countdown_.isRunning();
    displayState_->underline = settings().underline;
    displayState_->inverted = inverted_;
    if (!redraw) return;
    if (displayState_->equals(lastPainted_)) return;
    host().redrawNow();
    lastPainted_.assign(*displayState_);
}
