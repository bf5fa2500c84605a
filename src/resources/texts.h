// What the program shows that no language changes, UTF-8; every other text
// comes from the catalogue (catalogue.h).
#pragma once

#include <string_view>

inline constexpr std::string_view kVersionString = "1.01";

// Between the tooltip's lines; the last line has none.
inline constexpr std::string_view kTooltipLineBreak = "\r\n";

// Played in a loop during the alarm.
inline constexpr std::string_view kAlarmSoundFile = "NotifySound.wav";
