// A tick counter the test sets by hand.
#pragma once

#include <cstdint>

#include "platform/tick_source.h"

class FakeTickSource final : public TickSource {
public:
    uint32_t nowMs() const override { return now; }
    void advance(uint32_t ms) { now += ms; }  // wraps like the real counter

    uint32_t now = 0;
};
