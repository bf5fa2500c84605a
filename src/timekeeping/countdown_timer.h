// A duration in whole seconds counted down on a TickClock, with the rule for
// the time the window shows.
#pragma once

#include <cstdint>

#include "timekeeping/tick_clock.h"

class CountdownTimer {
public:
    explicit CountdownTimer(const TickSource& ticks);
    virtual ~CountdownTimer() = default;

    void start();
    void pause();
    void reset();
    bool isRunning() const;
    void setDuration(int32_t seconds);
    int32_t duration() const { return durationSec_; }
    // Runs `seconds` from now in place of the duration, which stays what the
    // timer is set to: reset() goes back to it.
    void startFor(int32_t seconds);
    // What the current run counts down: the duration, or startFor's seconds.
    int32_t runLength() const { return runSec_; }
    uint32_t elapsedMs() const;
    int32_t remainingMs() const;  // negative after expiry
    bool isFinished() const;      // remainingMs() <= 0
    int32_t shownMs() const;      // what the display shows, >= 0
    // The same at a tick the caller read once, so that what is shown and
    // when it next changes come from one reading.
    int32_t remainingAt(uint32_t now) const;
    int32_t shownAt(uint32_t now) const;
    const TickClock& clock() const { return clock_; }

private:
    TickClock clock_;
    int32_t durationSec_ = 0;
    int32_t runSec_ = 0;
};
