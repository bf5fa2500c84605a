// Placement helpers shared by start-up, the always-on-top switch and the alarm.
#include "window/timer_window.h"

#include <algorithm>

void moveWindowTo(WindowHost& window, int32_t x, int32_t y) { window.moveTo(x, y); }

void setTopmost(WindowHost& window, bool on) { window.setTopmost(on); }

void centerWindow(WindowHost& window, const SystemValues& system) {
    // Relative to the maximized-window area of the primary display, so a
    // window larger than it lands at negative coordinates.
    const Rect rect = window.windowRect();
    const Size area = system.maximizedWindowSize();
    moveWindowTo(window, (area.cx - rect.width()) / 2, (area.cy - rect.height()) / 2);
}

int32_t windowSide(int64_t pixels) { return static_cast<int32_t>(std::clamp<int64_t>(pixels, 0, 32767)); }
