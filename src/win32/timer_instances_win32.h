// The other timers on Windows: a named mutex holds a settings file (the
// system closes it when the process ends, however), each timer window wears
// a property that the others find it by, and a time goes to a running timer
// as WM_COPYDATA.
#pragma once

#include <windows.h>

#include "platform/timer_instances.h"

class Win32TimerInstances final : public TimerInstances {
public:
    std::unique_ptr<FileHold> tryHold(const std::string& key) override;
    std::vector<Rect> otherTimerRects() const override;
    bool send(const std::string& key, const std::string& message) override;
};

// The timer window's part: it marks itself while it exists, takes the
// WM_COPYDATA meant for this process's hold (true when it was) and hands it
// to the hold's receiver once the sender is released (kDeliverMessages).
// While the receiver runs, the window may take the foreground that the
// sender allowed this process.
constexpr UINT kDeliverMessages = WM_APP + 0x51;
void markTimerWindow(HWND window, bool mark);
bool takeTimerMessage(HWND window, const COPYDATASTRUCT& data);
void deliverTimerMessages();
bool deliveringTimerMessage();
