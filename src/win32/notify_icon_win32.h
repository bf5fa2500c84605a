// The alarm's notification on Windows: an icon in the notification area for
// as long as the alarm lasts, with a balloon (a toast on Windows 10 and 11).
// A click on the balloon takes the click action; the icon's context menu
// offers every action. The timer window receives the icon's messages and
// hands them to handle().
#pragma once

#include <windows.h>

#include "platform/notifications.h"
#include "win32/owner_window.h"

// The icon's callback message, and the ids of its menu's commands, which the
// window receives as WM_COMMAND like any menu's: clear of the menu's own.
constexpr UINT kNotifyIconMessage = WM_APP + 0x52;
constexpr UINT kNoticeCommandFirst = 0x8100;

class Win32NotifyIcon final : public Notifications {
public:
    explicit Win32NotifyIcon(OwnerWindows& owners) : owners_(owners) {}
    ~Win32NotifyIcon() override { withdraw(); }
    Win32NotifyIcon(const Win32NotifyIcon&) = delete;
    Win32NotifyIcon& operator=(const Win32NotifyIcon&) = delete;

    void post(const Notification& notification, Answer answer) override;
    void withdraw() override;
    // True when `message` was the icon's, or Explorer's restart.
    bool handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool add();
    void showMenu(HWND window, POINT at);
    void take(const std::string& key);

    OwnerWindows& owners_;
    HWND window_ = nullptr;  // the icon's, while it is shown
    Notification shown_;
    Answer answer_;
};
