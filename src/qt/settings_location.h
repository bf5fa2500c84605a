// Where the settings file lives: beside the executable when that folder is
// writable (a portable copy), else in the user's configuration folder,
// $XDG_CONFIG_HOME/QuillastorTimer/QuillastorTimer.dat.
#pragma once

#include <string>

std::string chooseSettingsPath(const std::string& executablePath, const std::string& configHome);

// $XDG_CONFIG_HOME, or ~/.config when it is unset.
std::string userConfigHome();
