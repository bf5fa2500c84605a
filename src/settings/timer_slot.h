// Which settings file a timer uses. The first timer holds the main file
// (QuillastorTimer.dat); while it runs, each further unnamed timer holds the
// first free numbered one (QuillastorTimer-2.dat, -3, ...), and a named timer
// holds its own (QuillastorTimer-tea.dat). The OS holds them, so a timer that
// dies, however, frees its file.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/timer_instances.h"

struct TimerSlot {
    std::string path;                // the settings file
    std::unique_ptr<FileHold> hold;  // null: another process runs this timer
    bool main = false;               // the main file, as one timer alone uses
};

// How many numbered files an unnamed timer tries before it gives up.
inline constexpr int kMostTimers = 99;

// "dir/QuillastorTimer.dat" with "tea" gives "dir/QuillastorTimer-tea.dat".
std::string slotPath(const std::string& mainPath, const std::string& suffix);

// A named timer's own file, held unless its timer already runs; an unnamed
// timer's first free file, or no hold when all are taken.
TimerSlot claimSlot(TimerInstances& instances, const std::string& mainPath, const std::optional<std::string>& name);
