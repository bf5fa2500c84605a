// The local time of day (GetLocalTime).
#pragma once

#include <cstdint>

struct TimeOfDay {
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual TimeOfDay now() const = 0;
};
