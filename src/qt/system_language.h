// The user's UI languages as the system lists them, most wanted first: on
// Linux the order gettext reads, LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> systemUiLanguages();
