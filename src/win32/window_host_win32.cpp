#include "win32/window_host_win32.h"

#include <commctrl.h>

#include <utility>

#include "win32/font_win32.h"
#include "win32/timer_instances_win32.h"
#include "win32/wide_text.h"

Rect Win32WindowHost::windowRect() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

Size Win32WindowHost::clientSize() const {
    RECT r{};
    GetClientRect(window_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

Point Win32WindowHost::clientToScreen(Point client) const {
    POINT p{client.x, client.y};
    ClientToScreen(window_, &p);
    return {p.x, p.y};
}

bool Win32WindowHost::isMinimized() const { return IsIconic(window_) != FALSE; }

void Win32WindowHost::moveTo(int32_t x, int32_t y) {
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Win32WindowHost::resizeTo(int32_t width, int32_t height) {
    const bool wasPlacing = std::exchange(placing_, true);
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    placing_ = wasPlacing;
}

void Win32WindowHost::place(const Rect& outer) {
    const bool wasPlacing = std::exchange(placing_, true);
    MoveWindow(window_, outer.left, outer.top, outer.width(), outer.height(), TRUE);
    placing_ = wasPlacing;
}

void Win32WindowHost::setTopmost(bool on) {
    SetWindowPos(window_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    // SetWindowPos activates the window only within this process: a second
    // start of a named timer, which is in the foreground, allows this one to
    // take the foreground while its message is handled.
    if (deliveringTimerMessage()) SetForegroundWindow(window_);
}

void Win32WindowHost::captureMouse() { SetCapture(window_); }

void Win32WindowHost::releaseMouse() { ReleaseCapture(); }

void Win32WindowHost::setTimer(uint32_t id, uint32_t periodMs) { SetTimer(window_, id, periodMs, nullptr); }

void Win32WindowHost::killTimer(uint32_t id) { KillTimer(window_, id); }

void Win32WindowHost::redrawNow() { RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

LogFont Win32WindowHost::dialogFont() const {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    LOGFONTW lf{};
    if (!font || GetObjectW(font, sizeof lf, &lf) == 0) return {};
    return fromLogFontW(lf);
}

void Win32WindowHost::setTitle(const std::string& text) { SetWindowTextW(window_, wideFromNarrow(text).c_str()); }

void Win32WindowHost::createTooltip(const std::string& text) {
    // Owned by the window: it shares the window's band in the Z order and is
    // destroyed with it.
    const HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip) return;
    // Wrap only at the text's own line breaks.
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 1000);
    std::wstring wide = wideFromNarrow(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // TTF_SUBCLASS: the tooltip sees the window's mouse messages itself.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    tool.hinst = GetModuleHandleW(nullptr);
    tool.lpszText = wide.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// A hot key's press lets this process take the foreground.
void Win32WindowHost::bringForward() {
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    SetForegroundWindow(window_);
}

void Win32WindowHost::accessibleChanged(AccessibleChange change) {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    if (change == AccessibleChange::TimeUp) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

void Win32WindowHost::endModal(int result) { EndDialog(window_, result); }
