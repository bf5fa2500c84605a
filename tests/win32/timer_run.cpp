#include "timer_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "platform/executable_path.h"
#include "win32/dialogs_win32.h"
#include "win32/wide_text.h"

namespace {

TimerRun* current = nullptr;
const UINT kCallMessage = RegisterWindowMessageW(L"quillastor-test-call");

Win32Paths testPaths(const std::wstring& settingsPath) {
    const std::string exe = executablePath();
    return {narrowFromWide(settingsPath), exe.substr(0, exe.find_last_of('\\')), applicationTitle(exe)};
}

}  // namespace

ScratchFolder::ScratchFolder() {
    static int counter = 0;
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    folder_ = base + (L"quillastor-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    CreateDirectoryW(folder_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

TimerRun::TimerRun(const std::wstring& settingsPath) : platform_(testPaths(settingsPath)), timer_(platform_.services()) {
    timer_.createStateObjects();
}

LRESULT CALLBACK TimerRun::callHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && current) {
        if (sent->message == WM_INITDIALOG && !current->window_) current->window_ = sent->hwnd;
        if (sent->message == kCallMessage)
            (*reinterpret_cast<const std::function<void(CountdownWindow&)>*>(sent->lParam))(current->timer_);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TimerRun::onUi(const std::function<void(CountdownWindow&)>& f) {
    SendMessageW(window_, kCallMessage, 0, reinterpret_cast<LPARAM>(&f));
}

void TimerRun::run(const std::function<void(TimerRun&)>& script) {
    current = this;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, callHook, nullptr, GetCurrentThreadId());
    std::thread driver([&] {
        if (waitFor([&] { return window_ && IsWindowVisible(window_); }))
            script(*this);
        else
            ADD_FAILURE() << "the timer window did not appear";
        PostMessageW(window_, WM_COMMAND, kCmdExit, 0);
    });
    platform_.modalRunner().runModal(timer_);
    driver.join();
    UnhookWindowsHookEx(hook);
    current = nullptr;
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(10))
        if (GetTickCount() - start > timeoutMs) return false;
    return true;
}

void mouseAt(POINT screen, DWORD buttonFlags) {
    // Normalised so that the system's (dx * width) >> 16 gives the point back.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
    input.mi.dwFlags = buttonFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

POINT centreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
