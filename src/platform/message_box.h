// Modal message boxes. Styles use the Windows MB_ values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum MessageStyle : uint32_t {
    kMbOk = 0x0,
    kMbIconExclamation = 0x30,
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // No caption means the application title (the executable's base name).
    virtual void show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) = 0;
};
