// The application object: builds the countdown window, runs it modally and
// destroys it. main() of each backend calls run().
#pragma once

#include <optional>
#include <string>

#include "countdown/command_line.h"
#include "countdown/global_keys.h"
#include "platform/hot_keys.h"
#include "platform/modal_runner.h"
#include "platform/services.h"
#include "settings/program_options.h"

// What the window learns before it opens: a time and a name from the command
// line, and the settings file this timer holds, whose messages reach it.
struct TimerStart {
    std::optional<StartTime> time;
    std::optional<std::string> name;
    FileHold* hold = nullptr;
    ProgramOptions* options = nullptr;  // read at start; the menu changes some
    HotKeys* hotKeys = nullptr;  // registered already; their presses reach the window
};

class TimerApp {
public:
    // Returns false, as the program then ends. A start time from the command
    // line is set once the settings are in, as the set-time dialog's OK would.
    bool run(Services& services, ModalRunner& runner, const TimerStart& start = {});
};
