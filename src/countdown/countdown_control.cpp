// Start, stop, reset, the 100 ms tick, and the alarm with its flashing and
// sound. The presses live here because a press during the alarm only ends it.
#include "countdown/countdown_window.h"
#include "resources/texts.h"

namespace {
constexpr uint32_t kTickPeriodMs = 100;
constexpr uint32_t kFlashPeriodMs = 900;
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
    case kTickTimerId:
        if (countdown_.isFinished() && !alarmActive_) startAlarm();
        updateDisplay(true);
        break;
    case kFlashTimerId:
        inverted_ = !inverted_;
        updateDisplay(true);
        break;
    default: break;
    }
}

void CountdownWindow::startCountdown() {
    countdown_.start();
    host().setTimer(kTickTimerId, kTickPeriodMs);
}

void CountdownWindow::stopCountdown() {
    countdown_.pause();
    host().killTimer(kTickTimerId);
}

void CountdownWindow::reset() {
    host().killTimer(kTickTimerId);
    countdown_.reset();
}

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
    host().setTimer(kFlashTimerId, kFlashPeriodMs);
    if (countdownSettings().alarmSound != 0) playAlarmSound();
    updateDisplay(true);
}

void CountdownWindow::stopAlarm() {
    alarmActive_ = false;
    inverted_ = false;
    reset();
    moveWindowTo(host(), preAlarmLeft_, preAlarmTop_);
    setTopmost(host(), settings().topmost != 0);
    host().killTimer(kFlashTimerId);
    // Whatever the option says now: a sound that was started is stopped,
    // and none is stopped that never started.
    if (soundPlaying_) stopAlarmSound();
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
