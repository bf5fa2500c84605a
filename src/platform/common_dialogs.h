// The font dialog (with its colour choice) and the colour dialog.
#pragma once

#include <optional>

#include "platform/geometry.h"
#include "settings/log_font.h"

struct FontChoice {
    LogFont font;  // as confirmed
    ColorRef color = 0;
    LogFont shown;  // as the dialog first showed the initial font
};

class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    // nullopt when cancelled.
    virtual std::optional<FontChoice> chooseFont(const LogFont& initial, ColorRef initialColor) = 0;
    virtual std::optional<ColorRef> chooseColor(ColorRef initial) = 0;
};
