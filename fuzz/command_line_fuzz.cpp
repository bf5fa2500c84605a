// Feeds arbitrary arguments (the input split at zero bytes) to the command-line
// parser: it answers every list, what it accepts is inside the ranges, and
// what it refuses it can say in every language.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "countdown/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    const CommandLine result = parseCommandLine(args);
    const bool accepted = result.action == CommandLine::Action::Run;
    for (const Catalogue& language : kCatalogues)
        if (accepted != commandLineMessage(result, Texts(language)).console.empty()) std::abort();
    if (result.start && !accepted) std::abort();
    if (const auto& start = result.start) {
        const bool inRange = start->clockTime
                                 ? start->seconds >= 0 && start->seconds < 86400 && start->seconds % 60 == 0
                                 : start->seconds >= 1 && start->seconds <= kLongestStartSeconds;
        if (!inRange) std::abort();
    }
    return 0;
}
