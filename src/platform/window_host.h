// The native timer window as the core drives it. A backend implements it over
// one real window; the tests implement it over a recording fake. Everything is
// in screen pixels unless named "client".
#pragma once

#include <cstdint>
#include <string>

#include "platform/geometry.h"
#include "settings/log_font.h"

// What a screen reader is told: the time it reads changed, or the time is up.
enum class AccessibleChange { Value, TimeUp };

class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual Rect windowRect() const = 0;  // outer rectangle, screen coordinates
    virtual Size clientSize() const = 0;  // client area; its origin is (0, 0)
    virtual Point clientToScreen(Point client) const = 0;
    virtual bool isMinimized() const = 0;

    // Moves the top-left corner; size and Z order stay.
    virtual void moveTo(int32_t x, int32_t y) = 0;
    // New outer size; place and Z order stay. A change of size reaches the
    // window's size handler before this returns.
    virtual void resizeTo(int32_t width, int32_t height) = 0;
    // Moves and sizes the window at once, repainting (the loaded rectangle).
    virtual void place(const Rect& outer) = 0;
    // Topmost band on or off; the window is also activated.
    virtual void setTopmost(bool on) = 0;

    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;

    // Window timers by id. Setting a running id restarts it with the new
    // period; killing one that does not run is harmless.
    virtual void setTimer(uint32_t id, uint32_t periodMs) = 0;
    virtual void killTimer(uint32_t id) = 0;

    // Invalidates the whole client area and paints it before returning.
    virtual void redrawNow() = 0;

    // The font of the window's template (the dialog face, 12 pt).
    virtual LogFont dialogFont() const = 0;
    // Creates the tooltip over the whole window with a fixed text (UTF-8).
    virtual void createTooltip(const std::string& text) = 0;
    // The title the window manager and task lists show (UTF-8); the timer
    // has none unless it is named.
    virtual void setTitle(const std::string& text) = 0;

    // Brings the window forward and gives it the keyboard (a global hot key).
    virtual void bringForward() = 0;
    // Tells screen readers; they ask for the name and the value themselves.
    virtual void accessibleChanged(AccessibleChange change) = 0;

    // Ends the window's modal run with a result (1 = OK).
    virtual void endModal(int result) = 0;
};
