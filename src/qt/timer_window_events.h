// Forwards the widget's events to the core timer window.
#pragma once

#include "qt/window_events.h"
#include "window/timer_window.h"

class TimerWindowEvents final : public WindowEvents {
public:
    explicit TimerWindowEvents(TimerWindow& window) : window_(window) {}

    void attach(WindowHost& host) override { window_.attach(host); }
    bool initDialog() override { return window_.onInitDialog(); }
    void paint(Canvas& canvas) override { window_.onPaint(canvas); }
    void size(int32_t w, int32_t h) override { window_.onSize(w, h); }
    void leftDown(Point p) override { window_.onLButtonDown(p); }
    void leftUp(Point p) override { window_.onLButtonUp(p); }
    void mouseMove(Point p) override { window_.onMouseMove(p); }
    void rightDown(Point p) override { window_.onRButtonDown(p); }
    void rightUp(Point p) override { window_.onRButtonUp(p); }
    void timer(uint32_t id) override { window_.onTimer(id); }
    bool queryEndSession() override { return window_.onQueryEndSession(true); }
    void okKey() override { window_.onOk(); }
    void cancelKey() override { window_.onCancel(); }
    void key(const KeyEvent& key) override { window_.onKeyDown(key); }
    void keyboardFocus(bool has) override { window_.onKeyboardFocus(has); }
    std::string accessibleName() const override { return window_.windowTitle(); }
    std::string accessibleValue() const override { return window_.accessibleValue(); }
    int32_t accessibleSeconds() const override { return window_.accessibleSeconds(); }
    ColorRef bandColor() const override {
        const ColorRef back = window_.settings().backColor;
        return window_.inverted() ? invertColor(back) : back;
    }

private:
    TimerWindow& window_;
};
