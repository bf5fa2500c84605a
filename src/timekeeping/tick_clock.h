// A stopwatch over the 32-bit millisecond tick counter: start, pause, resume,
// reset; reports the running time without the paused spans. All arithmetic is
// unsigned 32-bit, so one wrap of the counter (every ~49.7 days) is harmless.
#pragma once

#include <cstdint>

#include "platform/tick_source.h"

enum class ClockState : int32_t { Reset = 0, Running = 1, Paused = 2 };

class TickClock {
public:
    explicit TickClock(const TickSource& ticks);
    virtual ~TickClock() = default;

    void start();   // start from Reset, resume from Paused, nothing while Running
    void pause();   // only while Running
    void reset();
    uint32_t elapsedMs() const { return elapsedAt(now()); }
    uint32_t elapsedAt(uint32_t now) const;  // at a tick the caller read
    uint32_t now() const { return ticks_->nowMs(); }
    bool isRunning() const { return state_ == ClockState::Running; }
    ClockState state() const { return state_; }

private:
    const TickSource* ticks_;
    ClockState state_ = ClockState::Reset;
    uint32_t startTick_ = 0;
    uint32_t pauseTick_ = 0;
};
