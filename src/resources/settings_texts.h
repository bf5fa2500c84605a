// What the user is told about the settings file, UTF-8: the prefix, the
// file's path, then one of the endings.
#pragma once

#include <string_view>

inline constexpr std::string_view kSettingsFilePrefix = "設定ファイル「";
inline constexpr std::string_view kSettingsUnreadableEnding =
    "」を読み込めませんでした。\n初期設定で起動します。このファイルは上書きしないため、今回の設定は保存されません。";
inline constexpr std::string_view kSettingsNotSavedEnding = "」に書き込めませんでした。\n設定は保存されていません。";
