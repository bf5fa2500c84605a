// Start, stop, reset, the wake-up timer, and the alarm with its flashing and
// sound. The presses live here because a press during the alarm only ends it.
#include <algorithm>

#include "countdown/countdown_window.h"
#include "resources/texts.h"
#include "timekeeping/second_boundary.h"
#include "timekeeping/wrap32.h"

namespace {
constexpr uint32_t kFlashPeriodMs = 900;
// Wakes are aimed this far past their moment: a timer may fire a little early
// against the tick count (Windows runs its timers on a tick of about 15.6 ms).
// One that still comes early shows nothing new and is armed for the rest.
constexpr uint32_t kWakeMarginMs = 4;
}  // namespace

void CountdownWindow::onLButtonDown(Point client) {
    if (alarmActive_) {
        stopAlarm();
        return;
    }
    beginPress(client);
}

void CountdownWindow::onRButtonDown(Point) {
    if (alarmActive_) stopAlarm();
}

void CountdownWindow::onTimer(uint32_t id) {
    switch (id) {
    case kClickTimerId: endClickSequence(); break;
    case kWakeTimerId: wake(); break;
    default: break;
    }
}

// One timer wakes the window, and only for a change on the screen: the next
// shown second, the expiry, the alarm's next flash. What is due is read from
// the clock, so a wake that comes late (a stall, a suspend) catches up at once.
void CountdownWindow::wake() {
    const uint32_t now = countdown_.clock().now();
    if (alarmActive_ && wrap32::toSigned(now - flashAt_) >= 0) {
        inverted_ = !inverted_;
        flashAt_ += kFlashPeriodMs;
        // Flashes missed in a stall are not made up: the rhythm goes on from here.
        if (wrap32::toSigned(now - flashAt_) >= 0) restartFlashRhythm(now);
    }
    if (!alarmActive_ && countdown_.isRunning() && countdown_.remainingAt(now) <= 0)
        startAlarm();  // which shows it
    else
        updateDisplay(true);
}

// Armed with every update of the display, from the same reading of the clock,
// so that the second shown and the wake that changes it agree.
void CountdownWindow::armWake(uint32_t now) {
    const bool counting = countdown_.isRunning();
    if (!counting && !alarmActive_) {
        host().killTimer(kWakeTimerId);
        return;
    }
    uint32_t until = UINT32_MAX;
    if (counting)  // a run past zero without its alarm wakes at once to start it
        until = alarmActive_ || countdown_.remainingAt(now) > 0 ? msToNextSecond(countdown_, now) : 0;
    if (alarmActive_)
        until = std::min(until, wrap32::toUnsigned(std::max(0, wrap32::toSigned(flashAt_ - now))));
    host().setTimer(kWakeTimerId, until + kWakeMarginMs);
}

// The first flash comes one period after the wake that started the alarm;
// that wake came a margin after its moment, as the count-up's wakes do, so
// every ninth second the two share one wake.
void CountdownWindow::restartFlashRhythm(uint32_t now) { flashAt_ = now - kWakeMarginMs + kFlashPeriodMs; }

// The wake is armed or cancelled by the display update that follows each of these.
void CountdownWindow::startCountdown() { countdown_.start(); }

void CountdownWindow::stopCountdown() { countdown_.pause(); }

void CountdownWindow::reset() { countdown_.reset(); }

void CountdownWindow::toggleStartStop() {
    if (countdown_.isRunning())
        stopCountdown();
    else
        startCountdown();
    updateDisplay(true);
}

void CountdownWindow::setCountdownDuration(int32_t seconds) {
    reset();
    countdown_.setDuration(seconds);
    if (countdownSettings().autoStart != 0) startCountdown();
    updateDisplay(true);
}

void CountdownWindow::startAlarm() {
    clickCount_ = -1;  // a click sequence begun before expiry is dropped
    alarmActive_ = true;
    inverted_ = true;
    const Rect rect = host().windowRect();
    preAlarmLeft_ = rect.left;
    preAlarmTop_ = rect.top;
    setTopmost(host(), true);
    centerWindow(host(), services().system);
    restartFlashRhythm(countdown_.clock().now());
    if (countdownSettings().alarmSound != 0) playAlarmSound();
    postNotice();
    updateDisplay(true);
}

void CountdownWindow::stopAlarm() {
    alarmActive_ = false;
    inverted_ = false;
    reset();
    moveWindowTo(host(), preAlarmLeft_, preAlarmTop_);
    setTopmost(host(), settings().topmost != 0);
    // Whatever the option says now: a sound that was started is stopped,
    // and none is stopped that never started.
    if (soundPlaying_) stopAlarmSound();
    notice_.withdraw();
    updateDisplay(true);
}

void CountdownWindow::playAlarmSound() {
    services().sound.playLoop(shippedFile(std::string(kAlarmSoundFile)));
    soundPlaying_ = true;
}

void CountdownWindow::stopAlarmSound() {
    services().sound.stop();
    soundPlaying_ = false;
}
