// What the program says when a start cannot become a timer of its own.
#pragma once

#include <string_view>

// After the name in 「」.
inline constexpr std::string_view kNamedTimerUnreachable = "のタイマーは動いていますが、応答がありません。";
inline constexpr std::string_view kTooManyTimers = "これ以上タイマーを開けません。";
inline constexpr std::string_view kNameOpen = "「";
inline constexpr std::string_view kNameClose = "」";
