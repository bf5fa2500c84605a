// Which settings file a timer uses. The first timer holds the main file
// (QuillastorTimer.dat); while it runs, each further unnamed timer holds the
// first free numbered one (QuillastorTimer-2.dat, -3, ...), and a named timer
// holds its own (QuillastorTimer-tea.dat). Each file lies where the location
// rule puts it (settings_location.h), and the hold is on that file under its
// one spelling: two timers that would write one file never both hold it,
// however they reach its folder. The OS holds them, so a timer that dies,
// however, frees its file.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/file_store.h"
#include "platform/timer_instances.h"
#include "settings/settings_location.h"

struct TimerSlot {
    std::string path;                // the settings file, read and written
    std::string key;                 // the file's canonical path, which the hold is on
    std::unique_ptr<FileHold> hold;  // null: another process runs this timer
    // A timer without its own file yet starts from the main file's settings
    // (empty for the main timer itself).
    std::string startingPath;
};

// How many numbered files an unnamed timer tries before it gives up.
inline constexpr int kMostTimers = 99;

// "dir/QuillastorTimer.dat" with "tea" gives "dir/QuillastorTimer-tea.dat".
std::string slotPath(const std::string& mainPath, const std::string& suffix);

// A named timer's own file, held unless its timer already runs; an unnamed
// timer's first free file, or an empty slot when all are taken. `mainName`
// is the main file's name (QuillastorTimer.dat).
TimerSlot claimSlot(TimerInstances& instances, FileStore& files, const SettingsFolders& folders,
                    const std::string& mainName, const std::optional<std::string>& name);
