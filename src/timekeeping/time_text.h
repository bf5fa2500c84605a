// The two text forms of a duration: the clock form "0:03:00" and the label
// form of the menu and the registered-times list ("1 h 1 min 1 s" in English),
// with the split and join helpers. UTF-8 throughout; unit words are matched as
// whole characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "resources/catalogue.h"

int32_t hoursOf(int32_t seconds);
int32_t minutesOf(int32_t seconds);
int32_t secondsOf(int32_t seconds);
int32_t toSeconds(int32_t hours, int32_t minutes, int32_t seconds);

// Mode 1 is hours:minutes:seconds, the only mode the program uses.
constexpr int32_t kClockFormatMode = 1;
std::string formatTime(int32_t ms, int32_t mode);

// In the language of `texts`: hours, minutes and seconds as present, a zero
// minute count spelled out between hours and seconds, a zero duration as 0 s.
std::string durationLabel(int32_t seconds, const Texts& texts);
// A registered time (unsigned in the settings file) as a duration: a value
// above the signed range, only from a hand-edited file, is the largest one.
int32_t registeredDuration(uint32_t seconds);
int32_t takeNumberBefore(std::string& text, const std::string& unit);
// Reads a label of any language built in: the first language whose unit
// words (those of its label forms) the label holds.
int32_t parseDurationLabel(const std::string& label);
// The unit word of a label form with one number ("%d min" gives "min").
std::string unitWord(std::string_view form);
