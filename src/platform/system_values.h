// System values the window reads, each at the moment it needs it.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

class SystemValues {
public:
    virtual ~SystemValues() = default;
    // The area a window is centred in, screen coordinates: on Windows the
    // size of a maximized window on the primary display (SM_CXMAXIMIZED/
    // SM_CYMAXIMIZED) at (0, 0); elsewhere the primary screen's work area,
    // which may start anywhere.
    virtual Rect primaryWorkArea() const = 0;
    // Thickness of the timer window's sizing frame, for the DPI of its monitor.
    virtual Size sizingFrame() const = 0;
    // Drag thresholds (SM_CXDRAG/SM_CYDRAG), for the DPI of the window's monitor.
    virtual Size dragThreshold() const = 0;
    virtual uint32_t doubleClickTimeMs() const = 0;
    // Full rectangles of all monitors (taskbar strips included), screen
    // coordinates; empty when the platform cannot tell.
    virtual std::vector<Rect> monitorRects() const = 0;
    // The same monitors' work areas: without the taskbar and the panels.
    virtual std::vector<Rect> workAreas() const = 0;
};
