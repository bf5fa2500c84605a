// The time as a screen reader reads it: the shown time in words with the
// countdown's state ("2 minutes 59 seconds left, stopped"), and when to tell
// the reader that it changed. The reader may ask at any moment; it is told
// at each change of state or duration and at each whole minute while the
// clock counts, never once a second, and the alarm is announced.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/window_host.h"
#include "resources/catalogue.h"

enum class SpokenState { Idle, Paused, Running, Alarm };

struct SpokenMoment {
    SpokenState state = SpokenState::Idle;
    int32_t duration = 0;      // seconds
    int32_t shownSeconds = 0;  // as the window shows it: left, or past zero during the alarm
};

std::string spokenTime(const SpokenMoment& moment, const Texts& texts);

class SpeechPacer {
public:
    // Fed with every update of the display; the first only sets the start.
    std::optional<AccessibleChange> next(const SpokenMoment& moment);

private:
    std::optional<SpokenMoment> last_;
};
