// What a second start of a named timer hands the timer that already runs:
// the time from its command line, or none, when the running timer only comes
// to the front. The message crosses processes, so reading it trusts nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "countdown/command_line.h"

struct ForwardedTime {
    std::optional<StartTime> time;  // none: only come to the front
    friend bool operator==(const ForwardedTime&, const ForwardedTime&) = default;
};

std::string encodeForwardedTime(const ForwardedTime& forwarded);
// nullopt for anything but what encodeForwardedTime() writes.
std::optional<ForwardedTime> decodeForwardedTime(std::string_view message);
