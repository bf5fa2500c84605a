// A global hot key as the options file writes it: "Ctrl+Alt+Shift+Space".
// Modifiers and key in any case, joined by "+"; the key is a letter, a
// digit, Space or F1..F24. Ctrl or Alt is required, so that no hot key takes
// plain typing from the other programs.
#pragma once

#include <optional>
#include <string_view>

#include "platform/hot_keys.h"

std::optional<HotKey> parseHotKey(std::string_view text);
// For the options file: empty (no hot key) or a key parseHotKey takes.
bool isHotKeyOption(std::string_view value);
