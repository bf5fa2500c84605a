// The application object: builds the countdown window, runs it modally and
// destroys it. main() of each backend calls run().
#pragma once

#include <optional>

#include "countdown/command_line.h"
#include "platform/modal_runner.h"
#include "platform/services.h"

class TimerApp {
public:
    // Returns false, as the program then ends. A start time from the command
    // line is set once the settings are in, as the set-time dialog's OK would.
    bool run(Services& services, ModalRunner& runner, std::optional<StartTime> start = std::nullopt);
};
