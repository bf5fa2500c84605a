// Text extent of one line in a font realised from a logical-font record.
#pragma once

#include <string>

#include "platform/geometry.h"
#include "settings/log_font.h"

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual Size measure(const LogFont& font, const std::string& utf8) const = 0;
};
