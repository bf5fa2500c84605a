#include "timekeeping/tick_clock.h"

TickClock::TickClock(const TickSource& ticks) : ticks_(&ticks) {}

void TickClock::start() {
    switch (state_) {
    case ClockState::Reset:
        state_ = ClockState::Running;
        startTick_ = ticks_->nowMs();
        break;
    case ClockState::Paused:
        // Move the start forward by the length of the pause so the paused span
        // is not counted; unsigned arithmetic keeps this right across a wrap.
        state_ = ClockState::Running;
        startTick_ += ticks_->nowMs() - pauseTick_;
        break;
    case ClockState::Running:
        break;  // a running measurement is never restarted
    }
}

void TickClock::pause() {
    if (state_ != ClockState::Running)
        return;
    state_ = ClockState::Paused;
    pauseTick_ = ticks_->nowMs();
}

void TickClock::reset() {
    state_ = ClockState::Reset;
    startTick_ = 0;
    pauseTick_ = 0;
}

uint32_t TickClock::elapsedAt(uint32_t now) const {
    switch (state_) {
    case ClockState::Running:
        return now - startTick_;
    case ClockState::Paused:
        return pauseTick_ - startTick_;
    case ClockState::Reset:
        break;
    }
    return 0;
}
