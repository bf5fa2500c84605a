// When the second a running countdown shows next changes, so that its window
// can sleep until then instead of polling the clock. It follows the rounding
// of CountdownTimer::shownAt.
#pragma once

#include <cstdint>

#include "timekeeping/countdown_timer.h"

// Milliseconds from the tick `now` until the running countdown shows another
// second. The last second ends exactly at the expiry; after it the overrun
// counts up a second at a time.
uint32_t msToNextSecond(const CountdownTimer& countdown, uint32_t now);
