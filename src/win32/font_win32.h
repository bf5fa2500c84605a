// The settings' logical-font record and the Windows LOGFONTW: the face name
// travels as code page 932 bytes in the record and as UTF-16 in Windows.
#pragma once

#include <windows.h>

#include <string>

#include "win32/gdi_handles.h"
#include "settings/log_font.h"

LOGFONTW toLogFontW(const LogFont& font);
// A face with no code page 932 form keeps the face of `faceFallback`.
LogFont fromLogFontW(const LOGFONTW& font, const LogFont& faceFallback = LogFont{});
FontHandle createFont(const LogFont& font);
// The face as the font dialog lists it: the given name when the system lists
// it, else the family name of the font that name gives (a Windows in another
// language lists a Japanese face under its English name only).
std::wstring listedFace(const LOGFONTW& font);
