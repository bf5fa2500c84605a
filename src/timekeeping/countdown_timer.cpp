#include "timekeeping/countdown_timer.h"

#include <limits>

#include "timekeeping/wrap32.h"

namespace {

// durationSec * 1000 - elapsed, wrapping: a duration above 2 147 483 s (only
// possible from a hand-edited settings file) wraps rather than overflowing.
int32_t remainingAfter(int32_t durationSec, uint32_t elapsed) {
    return wrap32::toSigned(wrap32::toUnsigned(durationSec) * 1000u - elapsed);
}

}  // namespace

CountdownTimer::CountdownTimer(const TickSource& ticks) : clock_(ticks) {}

void CountdownTimer::start() { clock_.start(); }

void CountdownTimer::pause() {
    if (isRunning())
        clock_.pause();
}

void CountdownTimer::reset() {
    clock_.reset();
    runSec_ = durationSec_;
}

void CountdownTimer::startFor(int32_t seconds) {
    clock_.reset();
    runSec_ = seconds;
    clock_.start();
}

bool CountdownTimer::isRunning() const { return clock_.isRunning(); }

void CountdownTimer::setDuration(int32_t seconds) { durationSec_ = runSec_ = seconds; }

uint32_t CountdownTimer::elapsedMs() const { return clock_.elapsedMs(); }

int32_t CountdownTimer::remainingMs() const { return remainingAt(clock_.now()); }

int32_t CountdownTimer::remainingAt(uint32_t now) const { return remainingAfter(runSec_, clock_.elapsedAt(now)); }

bool CountdownTimer::isFinished() const { return remainingMs() <= 0; }

int32_t CountdownTimer::shownMs() const { return shownAt(clock_.now()); }

// While time has elapsed and some remains, one extra second is added so the
// display rounds the remaining time up; after expiry the absolute value makes
// the display count the overrun upwards from 0:00:00. Both are taken as
// unsigned magnitudes, which cannot wrap (remaining + 1000 < 2^32); values
// beyond INT32_MAX, which the result cannot hold, are shown as INT32_MAX.
// The tick is read once so the bonus and the remaining time agree.
int32_t CountdownTimer::shownAt(uint32_t now) const {
    const uint32_t elapsed = clock_.elapsedAt(now);
    const int32_t remaining = remainingAfter(runSec_, elapsed);
    uint32_t shown = wrap32::magnitude(remaining);
    if (remaining > 0 && elapsed != 0)
        shown += 1000u;
    constexpr auto kMax = static_cast<uint32_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(shown > kMax ? kMax : shown);
}
