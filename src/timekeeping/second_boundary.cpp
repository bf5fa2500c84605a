#include "timekeeping/second_boundary.h"

#include "timekeeping/wrap32.h"

namespace {

// With the extra second added, a second shows until the time left drops below
// the next whole second; the last one ends at zero, which shows 0:00:00.
uint32_t whileCountingDown(uint32_t left) { return left < 1000 ? left : left % 1000 + 1; }

}  // namespace

uint32_t msToNextSecond(const CountdownTimer& countdown, uint32_t now) {
    const int32_t remaining = countdown.remainingAt(now);
    if (remaining <= 0)
        return 1000 - wrap32::magnitude(remaining) % 1000;
    const uint32_t left = wrap32::toUnsigned(remaining);
    // On the tick of the start the extra second is not yet added; from the
    // next millisecond on it is, and the same second still shows.
    if (countdown.clock().elapsedAt(now) == 0)
        return 1 + whileCountingDown(left - 1);
    return whileCountingDown(left);
}
