// The global hot keys the options file chooses: start/stop and show. The
// first timer to start holds them and acts on itself; a timer that cannot
// have one runs without it and says so once on the standard error.
#pragma once

#include <string>
#include <vector>

#include "platform/hot_keys.h"
#include "resources/catalogue.h"
#include "settings/program_options.h"

struct HotKeyChoice {
    HotKeyAction action;
    HotKey key;
    std::string text;  // as the options file writes it
};

// The keys that are on (an empty value turns one off).
std::vector<HotKeyChoice> chosenHotKeys(const ProgramOptions& options);

// Registers each choice; the warnings for those that could not be had.
std::vector<std::string> registerHotKeys(HotKeys& keys, const std::vector<HotKeyChoice>& choices, const Texts& texts);
