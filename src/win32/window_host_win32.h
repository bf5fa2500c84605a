// The core's WindowHost over the real timer window (a dialog from template
// 102), plus its tooltip.
#pragma once

#include <windows.h>

#include "platform/window_host.h"

class Win32WindowHost final : public WindowHost {
public:
    HWND window() const { return window_; }
    void setWindow(HWND window) { window_ = window; }
    // The program is sizing the window itself: no minimum for the user's
    // drags applies to it.
    bool placing() const { return placing_; }

    Rect windowRect() const override;
    Size clientSize() const override;
    Point clientToScreen(Point client) const override;
    bool isMinimized() const override;

    void moveTo(int32_t x, int32_t y) override;
    void resizeTo(int32_t width, int32_t height) override;
    void place(const Rect& outer) override;
    void setTopmost(bool on) override;

    void captureMouse() override;
    void releaseMouse() override;

    void setTimer(uint32_t id, uint32_t periodMs) override;
    void killTimer(uint32_t id) override;

    void redrawNow() override;

    LogFont dialogFont() const override;
    void createTooltip(const std::string& text) override;
    void setTitle(const std::string& text) override;
    void bringForward() override;
    void accessibleChanged(AccessibleChange change) override;

    void endModal(int result) override;

private:
    HWND window_ = nullptr;
    bool placing_ = false;
};
