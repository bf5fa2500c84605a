// Text extents with QFontMetrics: advance width and cell height, as the
// Windows text-extent call gives them.
#pragma once

#include "platform/text_measurer.h"

class QtTextMeasurer final : public TextMeasurer {
public:
    Size measure(const LogFont& font, const std::string& utf8) const override;
};
