// Runs the timer window: a modal dialog from its template whose messages go
// to the core's handlers. Mouse and timer handlers are followed by the
// dialog's default processing (the procedure answers FALSE for them).
#pragma once

#include <windows.h>

#include "platform/modal_runner.h"
#include "win32/notify_icon_win32.h"
#include "win32/owner_window.h"

class Win32ModalRunner final : public ModalRunner {
public:
    // `notices`: the alarm's icon, whose messages come to the timer window.
    explicit Win32ModalRunner(OwnerWindows& owners, Win32NotifyIcon* notices = nullptr)
        : owners_(owners), notices_(notices) {}
    int runModal(TimerWindow& window) override;

private:
    OwnerWindows& owners_;
    Win32NotifyIcon* notices_;
};

// Paints the timer window: the core composes the client area off screen,
// one BitBlt shows it.
void paintTimerWindow(HWND window, TimerWindow& timer);
