// Runs the real timer window (template 102, the Win32 backend, the countdown
// window) on the test's thread while a script drives it from a second thread
// as a user would: real input through SendInput, Win32 state read back.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "countdown/countdown_window.h"
#include "win32/win32_platform.h"

// A folder of its own for one test's files; removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::wstring path(const std::wstring& name) const { return folder_ + L"\\" + name; }

private:
    std::wstring folder_;
};

class TimerRun {
public:
    explicit TimerRun(const std::wstring& settingsPath);
    // Runs the window until the script returns, then chooses Exit.
    void run(const std::function<void(TimerRun&)>& script);
    HWND window() const { return window_; }
    // Runs `f` on the window's thread, between two of its messages.
    void onUi(const std::function<void(CountdownWindow&)>& f);

private:
    static LRESULT CALLBACK callHook(int code, WPARAM wParam, LPARAM lParam);
    Win32Platform platform_;
    CountdownWindow timer_;
    std::atomic<HWND> window_{nullptr};
};

// Polls until the condition holds; false after timeoutMs.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// A real mouse event (MOUSEEVENTF_...) at a screen point.
void mouseAt(POINT screen, DWORD buttonFlags);
POINT centreOf(HWND window);
