// Placement helpers shared by start-up, the always-on-top switch and the alarm.
#include "window/timer_window.h"

#include <algorithm>

#include "window/beside_timers.h"

void moveWindowTo(WindowHost& window, int32_t x, int32_t y) { window.moveTo(x, y); }

void setTopmost(WindowHost& window, bool on) { window.setTopmost(on); }

void centerWindow(WindowHost& window, const SystemValues& system) {
    // A window larger than the area lands partly before its corner.
    const Rect rect = window.windowRect();
    const Rect area = system.primaryWorkArea();
    moveWindowTo(window, area.left + (area.width() - rect.width()) / 2, area.top + (area.height() - rect.height()) / 2);
}

Size minimumTrackSize(Size frame) { return {2 * frame.cx + 16, 2 * frame.cy + 16}; }

void TimerWindow::placeBesideOtherTimers() {
    const Rect rect = host().windowRect();
    const std::optional<Point> corner = placeBesideTimers({rect.width(), rect.height()},
                                                          gapBetweenTimers(services_.system.sizingFrame()),
                                                          services_.instances.otherTimerRects(),
                                                          services_.system.workAreas());
    if (corner) moveWindowTo(host(), corner->x, corner->y);
}

int32_t windowSide(int64_t pixels) { return static_cast<int32_t>(std::clamp<int64_t>(pixels, 0, 32767)); }
