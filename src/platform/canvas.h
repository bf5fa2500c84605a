// One paint of the timer window. The backend composes it off screen and shows
// the result in one copy.
#pragma once

#include <string>

#include "platform/geometry.h"
#include "settings/log_font.h"

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fillRect(const Rect& rect, ColorRef color) = 0;
    virtual void setTextColor(ColorRef color) = 0;
    // Colour of the opaque character cells.
    virtual void setBackColor(ColorRef color) = 0;
    // Realises and selects the font; false leaves the default font selected.
    virtual bool selectFont(const LogFont& font) = 0;
    // Puts the default font back (after the text is drawn).
    virtual void selectDefaultFont() = 0;
    // One line, centred both ways, clipped to `rect`, never wrapped.
    virtual void drawCenteredText(const Rect& rect, const std::string& utf8) = 0;
};
