// Global hot keys on Windows: RegisterHotKey on a message-only window of
// their own, which exists before the timer window and whose WM_HOTKEY the
// timer's modal loop dispatches. Unregistered when the object goes.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/hot_keys.h"

class Win32HotKeys final : public HotKeys {
public:
    Win32HotKeys();
    ~Win32HotKeys() override;
    Win32HotKeys(const Win32HotKeys&) = delete;
    Win32HotKeys& operator=(const Win32HotKeys&) = delete;

    bool add(const HotKey& key, HotKeyAction action) override;
    void setReceiver(std::function<void(HotKeyAction)> receiver) override { receiver_ = std::move(receiver); }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<HotKeyAction> actions_;  // the id of each is its index + 1
    std::function<void(HotKeyAction)> receiver_;
};
