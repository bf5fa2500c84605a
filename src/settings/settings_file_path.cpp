#include <string>

#include "settings/program_options.h"
#include "settings/window_settings.h"

namespace {

// Drive and directory are kept as they are; only the last extension of the
// file name itself is replaced, so a dot in a directory name is left alone.
std::string withExtension(const std::string& executablePath, const char* extension) {
    const auto separator = executablePath.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const auto dot = executablePath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart;
    return executablePath.substr(0, hasExtension ? dot : executablePath.size()) + extension;
}

}  // namespace

std::string settingsFilePath(const std::string& executablePath) { return withExtension(executablePath, ".dat"); }

std::string optionsFilePath(const std::string& executablePath) { return withExtension(executablePath, ".ini"); }
