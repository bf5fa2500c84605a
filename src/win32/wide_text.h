// UTF-8 <-> UTF-16 for the W APIs. Win32 backend only.
#pragma once

#include <string>

std::wstring wideFromNarrow(const std::string& utf8);
std::string narrowFromWide(const std::wstring& wide);
