// The user's configuration folder, where the settings and options files go
// when the executable's folder takes none.
#pragma once

#include <string>

// $XDG_CONFIG_HOME, or ~/.config when it is unset or relative (the XDG rules
// say to ignore a relative one).
std::string userConfigHome();

// Its folder for this program: $XDG_CONFIG_HOME/QuillastorTimer.
std::string userSettingsFolder();
