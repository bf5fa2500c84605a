// What the generic timer window keeps between runs: place, topmost, colours,
// font, underline, auto-fit. The settings file is 116 + 4N bytes; this record
// writes its first 100.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "settings/archive.h"
#include "settings/log_font.h"

class WindowSettings {
public:
    WindowSettings() = default;
    virtual ~WindowSettings() = default;
    WindowSettings(const WindowSettings&) = delete;
    WindowSettings& operator=(const WindowSettings&) = delete;

    // Reads or writes the fields in file order; false when loading ran out of bytes.
    virtual bool serialize(Archive& archive);

    // The record read from, or written as, the bytes of a settings file.
    bool load(std::vector<uint8_t> bytes);
    std::vector<uint8_t> storedBytes();

    void setFont(const LogFont& font);
    // The record of the current font; a zeroed record when none was set.
    LogFont logFont() const;
    // The current font, or null before any font was set.
    const LogFont* fontObject() const { return font_ ? &*font_ : nullptr; }

    Rect windowRect{};
    int32_t topmost = 0;
    int32_t underline = 1;
    int32_t autoFit = 1;
    ColorRef textColor = 0x00000000;
    ColorRef backColor = 0x00000000;
    int32_t reserved = 0;

private:
    std::optional<LogFont> font_;
};

// The settings file beside the executable, named after it with ".dat"
// (a.b.exe gives a.b.dat; a Linux program "timer" gives "timer.dat").
std::string settingsFilePath(const std::string& executablePath);
