// The countdown timer window: the generic timer window plus the countdown,
// its alarm, the context menu and the commands.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/countdown_settings.h"
#include "timekeeping/countdown_timer.h"
#include "window/timer_window.h"

class CountdownWindow : public TimerWindow {
public:
    static constexpr int kTemplateId = 102;
    static constexpr uint32_t kTickTimerId = 32;
    static constexpr uint32_t kFlashTimerId = 48;

    explicit CountdownWindow(Services& services);

    // ... handlers and the twelve operations it implements.

    bool alarmActive() const { return alarmActive_; }
    const CountdownTimer& countdown() const { return countdown_; }
    CountdownSettings& countdownSettings();

private:
    CountdownTimer countdown_;
    bool alarmActive_ = false;
    int32_t preAlarmLeft_ = 0;
    int32_t preAlarmTop_ = 0;
    std::vector<uint32_t> menuIds_{32794, 32795, 32796, 32799, 32800};
};
