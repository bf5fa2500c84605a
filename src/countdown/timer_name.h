// The name of a timer (--name tea): it tells the timers apart and becomes part
// of the settings file's name (QuillastorTimer-tea.dat), so it holds nothing
// a file name could trip over.
#pragma once

#include <cstddef>
#include <string_view>

inline constexpr std::size_t kLongestTimerName = 32;

// 1 to 32 characters of valid UTF-8, each a letter or digit of any script,
// '-' or '_'.
bool isValidTimerName(std::string_view utf8);
