// Which language the program speaks, chosen once at start, before any text
// is shown: the --lang argument, else the options file's language (unless
// auto), else the first of the system's UI languages; a language without a
// catalogue means English.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "resources/catalogue.h"

// `argument` and `option` are language codes already accepted (nullopt:
// not given, or auto); `system` the UI languages in the system's order of
// preference, as tags ("ja-JP", "en_US.UTF-8", "C").
Texts chooseLanguage(std::optional<std::string_view> argument, std::optional<std::string_view> option,
                     std::span<const std::string> system);
