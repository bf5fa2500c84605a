// The window's own Japanese texts, UTF-8. The tooltip's lines keep their
// "\r\n" breaks; the last one has none.
#pragma once

#include <string_view>

inline constexpr std::string_view kProductName = "Quillastorカウントダウンタイマー";
inline constexpr std::string_view kVersionString = "1.01";

inline constexpr std::string_view kTooltipVersionPrefix = " Ver";
inline constexpr std::string_view kTooltipLineBreak = "\r\n";
inline constexpr std::string_view kTooltipStartStop = "・スタート/ストップ(左ダブルクリック)\r\n";
inline constexpr std::string_view kTooltipReset = "・リセット(左トリプルクリック)\r\n";
inline constexpr std::string_view kTooltipMove = "・ウィンドウ移動(左ドラッグ)";
// Between a named timer's name and the product in its title, and after the
// version in its tooltip.
inline constexpr std::string_view kNameSeparator = " - ";

// Played in a loop during the alarm.
inline constexpr std::string_view kAlarmSoundFile = "NotifySound.wav";
