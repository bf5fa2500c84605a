// Message boxes and the common font and colour dialogs.
#pragma once

#include <windows.h>

#include <array>

#include "platform/common_dialogs.h"
#include "platform/message_box.h"
#include "win32/owner_window.h"

class Win32MessageBoxes final : public MessageBoxes {
public:
    // `applicationTitle`: the caption when none is given.
    Win32MessageBoxes(const OwnerWindows& owners, std::string applicationTitle)
        : owners_(owners), title_(std::move(applicationTitle)) {}
    void show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) override;

private:
    const OwnerWindows& owners_;
    std::string title_;
};

class Win32CommonDialogs final : public CommonDialogs {
public:
    explicit Win32CommonDialogs(const OwnerWindows& owners) : owners_(owners) {}
    std::optional<FontChoice> chooseFont(const LogFont& initial, ColorRef initialColor) override;
    std::optional<ColorRef> chooseColor(ColorRef initial) override;

private:
    const OwnerWindows& owners_;
    // The colour dialog's sixteen custom colours, kept for the session.
    std::array<COLORREF, 16> customColors_{};
};

// The executable's name without folder and extension ("QuillastorTimer").
std::string applicationTitle(const std::string& executablePath);
