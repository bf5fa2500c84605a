// What a start of the program does once its arguments are read: run a timer
// on a settings file of its own, or hand its time to the named timer that
// already runs and end.
#pragma once

#include <optional>
#include <string>

#include "countdown/command_line.h"
#include "platform/file_store.h"
#include "platform/timer_instances.h"
#include "resources/catalogue.h"
#include "settings/timer_slot.h"

struct TimerLaunch {
    enum class Outcome { Run, Forwarded, Failed };
    Outcome outcome = Outcome::Run;
    TimerSlot slot;       // Run: the file this timer holds
    std::string message;  // Failed: what to tell the user (UTF-8)
    int exitStatus() const { return outcome == Outcome::Failed ? 1 : 0; }
};

// A named timer that runs but takes no message may be ending: its file is
// tried again, this many times in all.
inline constexpr int kForwardAttempts = 3;

// `besideProgram` is the main settings file beside the executable, `userFolder`
// where the settings go when that folder takes none (see settings_location.h).
TimerLaunch launchTimer(TimerInstances& instances, FileStore& files, const std::string& besideProgram,
                        const std::string& userFolder, const std::optional<std::string>& name,
                        const std::optional<StartTime>& time, const Texts& texts);
