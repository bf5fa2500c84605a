// Runs the timer window: a modal dialog from its template whose messages go
// to the core's handlers. Mouse and timer handlers are followed by the
// dialog's default processing (the procedure answers FALSE for them).
#pragma once

#include <windows.h>

#include "platform/modal_runner.h"
#include "win32/owner_window.h"
#include "win32/window_host_win32.h"

class Win32ModalRunner final : public ModalRunner {
public:
    explicit Win32ModalRunner(OwnerWindows& owners) : owners_(owners) {}
    int runModal(TimerWindow& window) override;

    // The window of the run in progress (null outside a run); for tests.
    HWND window() const { return host_ ? host_->window() : nullptr; }

private:
    OwnerWindows& owners_;
    Win32WindowHost* host_ = nullptr;
};

// Paints the timer window: the core composes the client area off screen,
// one BitBlt shows it.
void paintTimerWindow(HWND window, TimerWindow& timer);
