// The countdown's own settings after the window's: alarm sound, registered
// times, duration, auto-start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "settings/window_settings.h"

class CountdownSettings : public WindowSettings {
public:
    static constexpr std::size_t kMaxRegisteredTimes = 5;

    bool serialize(Archive& archive) override;

    // Cuts the list to its first five entries.
    void limitRegisteredTimes();

    std::vector<uint32_t> registeredTimes;
    int32_t countdownSeconds = 0;
    int32_t alarmSound = 1;
    int32_t autoStart = 0;
};
