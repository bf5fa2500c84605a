// What the native timer widget reports to the window it shows. The program
// forwards these to the core timer window; tests record them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "platform/key_event.h"

class WindowHost;

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void attach(WindowHost& host) = 0;
    virtual bool initDialog() = 0;
    virtual void paint(Canvas& canvas) = 0;
    virtual void size(int32_t clientWidth, int32_t clientHeight) = 0;
    virtual void leftDown(Point client) = 0;
    virtual void leftUp(Point client) = 0;
    virtual void mouseMove(Point client) = 0;
    virtual void rightDown(Point client) = 0;
    virtual void rightUp(Point client) = 0;
    virtual void timer(uint32_t id) = 0;
    virtual bool queryEndSession() = 0;
    virtual void okKey() = 0;
    virtual void cancelKey() = 0;
    virtual void key(const KeyEvent& key) = 0;
    virtual void keyboardFocus(bool has) = 0;
    virtual std::string accessibleName() const = 0;
    virtual std::string accessibleValue() const = 0;
    virtual int32_t accessibleSeconds() const = 0;
    // Colour of the sizing band around the client area (the background as
    // currently shown, inverted during the alarm's flash phase).
    virtual ColorRef bandColor() const = 0;
};
