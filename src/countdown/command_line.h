// The program's arguments: an optional time to start with ("25", "1:30:00",
// "4:30", "1h30m", "1時間30分", "--at 15:30") and a timer's name ("--name
// tea"), or --help / --version. One pure
// function from the argument list to what the program does; each backend
// only hands over its arguments and shows the message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A time given on the command line, applied as the set-time dialog's OK is.
struct StartTime {
    int32_t seconds = 0;     // a duration, or the target as seconds since midnight
    bool clockTime = false;  // --at: the next time the clock shows the target
    friend bool operator==(const StartTime&, const StartTime&) = default;
};

struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    std::optional<StartTime> start;  // Run only
    std::optional<std::string> name;  // Run only: a named timer
    std::string message;             // Help, Version, Error: the text to show (UTF-8)
    std::string boxMessage;          // the same for a message box: short lines, no table

    // 0, or 2 for an error.
    int exitStatus() const { return action == Action::Error ? 2 : 0; }
};

// The longest time the command line takes: 99:59:59.
inline constexpr int32_t kLongestStartSeconds = 359999;

// `args` without the program's own name.
CommandLine parseCommandLine(const std::vector<std::string>& args);
