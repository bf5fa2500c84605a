// The desktop notification that goes with the alarm, for the user who is not
// looking at the window, and the option that turns it on (notify=on|off).
// Posted as the alarm starts; withdrawn when the alarm ends another way. The
// user's action on it reaches the window only while that alarm is still on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/notifications.h"
#include "resources/catalogue.h"
#include "settings/program_options.h"

class AlarmNotice {
public:
    enum class Action { Stop, OneMinuteMore, Restart };
    using Handler = std::function<void(Action)>;

    // No `notifications`: the platform shows none, and nothing is posted.
    AlarmNotice(Notifications* notifications, const Texts& texts) : notifications_(notifications), texts_(texts) {}
    ~AlarmNotice() { withdraw(); }
    AlarmNotice(const AlarmNotice&) = delete;
    AlarmNotice& operator=(const AlarmNotice&) = delete;

    // The option from the options file read at start; none keeps the default.
    void useOptions(ProgramOptions* options);
    bool enabled() const { return enabled_; }
    // Flips the option and saves it at once; false when it was not saved
    // (it holds for this run all the same).
    bool toggle();
    const std::string& optionsPath() const;

    // When the alarm of a run of `seconds` starts, with the option on.
    // `handler` gets the user's action, at most once.
    void post(const std::string& title, int32_t seconds, Handler handler);
    void withdraw();

private:
    void answer(uint64_t serial, std::string_view actionKey);

    Notifications* notifications_;
    const Texts& texts_;
    ProgramOptions* options_ = nullptr;
    bool enabled_ = true;
    bool posted_ = false;
    uint64_t serial_ = 0;  // of the notification posted last
    Handler handler_;
};
