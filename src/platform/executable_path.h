// Full path of the running executable, UTF-8; empty when it cannot be read.
#pragma once

#include <string>

std::string executablePath();
