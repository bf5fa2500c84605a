// The millisecond tick counter the countdown reads: 32 bits, wrapping every
// 2^32 ms, monotonic, unaffected by changes of the wall clock.
#pragma once

#include <cstdint>

class TickSource {
public:
    virtual ~TickSource() = default;
    virtual uint32_t nowMs() const = 0;
};

// GetTickCount on Windows; CLOCK_BOOTTIME modulo 2^32 elsewhere, so that time
// spent in suspend counts as it does on Windows.
const TickSource& systemTickSource();
