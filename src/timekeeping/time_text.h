// The two text forms of a duration: the clock form "0:03:00" and the Japanese
// label form "1時間1分1秒", with the split and join helpers. UTF-8 throughout;
// unit words are matched as whole characters.
#pragma once

#include <cstdint>
#include <string>

int32_t hoursOf(int32_t seconds);
int32_t minutesOf(int32_t seconds);
int32_t secondsOf(int32_t seconds);
int32_t toSeconds(int32_t hours, int32_t minutes, int32_t seconds);

// Mode 1 is hours:minutes:seconds, the only mode the program uses.
constexpr int32_t kClockFormatMode = 1;
std::string formatTime(int32_t ms, int32_t mode);

std::string durationLabel(int32_t seconds);
// A registered time (unsigned in the settings file) as a duration: a value
// above the signed range, only from a hand-edited file, is the largest one.
int32_t registeredDuration(uint32_t seconds);
int32_t takeNumberBefore(std::string& text, const std::string& unit);
int32_t parseDurationLabel(const std::string& label);
