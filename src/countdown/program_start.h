// What a start of the program settles before it shows anything: its
// arguments, its options file and, from both and the system's UI languages,
// the language it speaks (the usage text of --help included).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "countdown/command_line.h"
#include "countdown/global_keys.h"
#include "resources/catalogue.h"
#include "settings/program_options.h"

struct ProgramStart {
    CommandLine line;
    Texts texts;
    // For the standard error, once: an options file that could not be read,
    // each value it holds that the program does not take.
    std::vector<std::string> warnings;
    std::vector<HotKeyChoice> hotKeys;  // those the options turn on
};

// `args` without the program's own name; `options` is read here.
ProgramStart startProgram(const std::vector<std::string>& args, ProgramOptions& options,
                          std::span<const std::string> systemLanguages);
