// Splitting seconds into hours, minutes, seconds and the clock form "0:03:00".
#include <cstdio>

#include "timekeeping/time_text.h"
#include "timekeeping/wrap32.h"

int32_t hoursOf(int32_t seconds) { return seconds / 3600; }

int32_t minutesOf(int32_t seconds) { return (seconds / 60) % 60; }

int32_t secondsOf(int32_t seconds) { return seconds % 60; }

// No range check on any part; out-of-range sums wrap instead of overflowing.
int32_t toSeconds(int32_t hours, int32_t minutes, int32_t seconds) {
    const uint32_t total = wrap32::toUnsigned(hours) * 3600u + wrap32::toUnsigned(minutes) * 60u +
                           wrap32::toUnsigned(seconds);
    return wrap32::toSigned(total);
}

// The milliseconds are truncated, never rounded: rounding up is the business
// of the countdown's extra second. Every mode prints the hours:minutes:seconds
// form, the only one the windows ask for.
std::string formatTime(int32_t ms, int32_t /*mode*/) {
    const int32_t total = ms / 1000;
    char buffer[40];
    const int length = std::snprintf(buffer, sizeof buffer, "%01d:%02d:%02d", static_cast<int>(hoursOf(total)),
                                     static_cast<int>(minutesOf(total)), static_cast<int>(secondsOf(total)));
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}
