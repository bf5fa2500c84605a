// System values from the primary screen and Qt's style hints.
#pragma once

#include "platform/system_values.h"

// Thickness of the sizing band of the timer window, in pixels.
inline constexpr int kSizingFramePixels = 4;

class QtSystemValues final : public SystemValues {
public:
    Rect primaryWorkArea() const override;
    Size sizingFrame() const override { return Size{kSizingFramePixels, kSizingFramePixels}; }
    Size dragThreshold() const override;
    uint32_t doubleClickTimeMs() const override;
    std::vector<Rect> monitorRects() const override;
    std::vector<Rect> workAreas() const override;
};
