// The program's arguments: an optional time to start with ("25", "1:30:00",
// "4:30", "1h30m", a label such as "1 h 30 min" without its spaces, "--at
// 15:30"), a timer's name ("--name tea") and a language ("--lang en"), or
// --help / --version. One pure function from the argument list to what the
// program does, and one from that to what it says in the chosen language;
// each backend only hands over its arguments and shows the message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resources/catalogue.h"

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
    std::optional<std::string> language;  // a language built in, from --lang
    // Error: why, and the argument refused.
    TextId refusal = TextId::args_bad_duration;
    std::string refused;

    // 0, or 2 for an error.
    int exitStatus() const { return action == Action::Error ? 2 : 0; }
};

// The longest time the command line takes: 99:59:59.
inline constexpr int32_t kLongestStartSeconds = 359999;

// `args` without the program's own name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// What Help, Version and Error say (UTF-8): on the console, and in a message
// box (short lines, no table).
struct CommandLineMessage {
    std::string console;
    std::string box;
};
CommandLineMessage commandLineMessage(const CommandLine& line, const Texts& texts);
