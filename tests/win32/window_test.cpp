// The real timer window (template 102, the Win32 backend, the countdown
// window) as Windows sees it. It runs on the test's thread while a script
// drives it from a second thread as a user would: real input through the
// system's input queue, Win32 state read back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "countdown/countdown_window.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace {

const UINT kCallMessage = RegisterWindowMessageW(L"quillastor-test-call");

// Settings files of the tests, removed when the test program ends.
struct ScratchFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quillastor-" + std::to_string(GetCurrentProcessId()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
} scratch;

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(10))
        if (GetTickCount() - start > timeoutMs) return false;
    return true;
}

Win32Paths pathsWith(const std::wstring& settingsFile) {
    Win32Paths paths = executablePaths();
    paths.settingsPath = narrowFromWide((scratch.path / settingsFile).wstring());
    return paths;
}

class TimerRun {
public:
    explicit TimerRun(const std::wstring& settingsFile) : platform_(pathsWith(settingsFile)), timer_(platform_.services()) {
        timer_.createStateObjects();
    }

    // Runs the window until the script returns, then chooses Exit.
    void run(const std::function<void(TimerRun&)>& script) {
        current = this;
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, callHook, nullptr, GetCurrentThreadId());
        std::thread driver([&] {
            const bool shown = waitFor([&] { return window_ && IsWindowVisible(window_); });
            EXPECT_TRUE(shown) << "the timer window did not appear";
            if (shown) script(*this);
            PostMessageW(window_, WM_COMMAND, kCmdExit, 0);
        });
        platform_.modalRunner().runModal(timer_);
        driver.join();
        UnhookWindowsHookEx(hook);
    }

    HWND window() const { return window_; }
    // Runs `f` on the window's thread, between two of its messages.
    void onUi(const std::function<void(CountdownWindow&)>& f) {
        SendMessageW(window_, kCallMessage, 0, reinterpret_cast<LPARAM>(&f));
    }
    bool ask(const std::function<bool(CountdownWindow&)>& question) {
        bool answer = false;
        onUi([&](CountdownWindow& t) { answer = question(t); });
        return answer;
    }
    // The window's thread has taken every input and posted message so far.
    bool idle() { return ask([](CountdownWindow&) { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0; }); }

private:
    static inline TimerRun* current = nullptr;

    static LRESULT CALLBACK callHook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_INITDIALOG && !current->window_) current->window_ = sent->hwnd;
        if (code == HC_ACTION && sent->message == kCallMessage)
            (*reinterpret_cast<const std::function<void(CountdownWindow&)>*>(sent->lParam))(current->timer_);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    Win32Platform platform_;
    CountdownWindow timer_;
    std::atomic<HWND> window_{nullptr};
};

LONG_PTR exStyle(HWND w) { return GetWindowLongPtrW(w, GWL_EXSTYLE); }
bool topmost(HWND w) { return (exStyle(w) & WS_EX_TOPMOST) != 0; }

HWND ownedTooltip(HWND owner) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) && GetWindow(tip, GW_OWNER) != owner) {}
    return tip;
}

// No window outside the topmost band lies above it.
bool inTopmostBand(HWND w) {
    for (HWND above = GetWindow(w, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
        if (!topmost(above)) return false;
    return true;
}

}  // namespace

TEST(TimerWindow, IsABorderlessToolWindowWithItsOwnTooltip) {
    TimerRun(L"shell.dat").run([](TimerRun& r) {
        const HWND w = r.window();
        EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE) & (WS_POPUP | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU),
                  WS_POPUP | WS_THICKFRAME);
        EXPECT_EQ(exStyle(w) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW);
        const HWND tip = ownedTooltip(w);
        ASSERT_NE(tip, nullptr) << "no tooltip owned by the window";
        EXPECT_FALSE(topmost(tip));
        wchar_t text[512] = {};
        TOOLINFOW tool{sizeof tool, 0, w, reinterpret_cast<UINT_PTR>(w), {}, nullptr, text, 0, nullptr};
        ASSERT_TRUE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.uFlags & TTF_SUBCLASS, TTF_SUBCLASS) << "the tooltip must see the window's mouse messages";
        EXPECT_STREQ(text, L"Quillastorカウントダウンタイマー Ver1.01\r\n・スタート/ストップ(左ダブルクリック)\r\n"
                           L"・リセット(左トリプルクリック)\r\n・ウィンドウ移動(左ドラッグ)");
    });
}

TEST(TimerWindow, AlwaysOnTopPutsItInTheTopmostBand) {
    TimerRun(L"topmost.dat").run([](TimerRun&) {});  // Exit writes a first-run file
    std::fstream(scratch.path / L"topmost.dat", std::ios::in | std::ios::out | std::ios::binary)
        .seekp(16).put(1);  // always on top; the stream closes here
    TimerRun(L"topmost.dat").run([](TimerRun& r) {
        const HWND w = r.window(), tip = ownedTooltip(w);
        EXPECT_TRUE(topmost(w)) << "the saved option, applied before the tooltip exists";
        PostMessageW(w, WM_COMMAND, kCmdTopmost, 0);
        EXPECT_TRUE(waitFor([&] { return !topmost(w); }));
        // On again. Windows flags the window and its owned tooltip; Wine flags only the
        // tooltip, so the window's place in the Z order is checked instead.
        PostMessageW(w, WM_COMMAND, kCmdTopmost, 0);
        EXPECT_TRUE(waitFor([&] { return topmost(tip); }));
        EXPECT_TRUE(inTopmostBand(w));
    });
}

TEST(TimerWindow, KeysDoNotCloseItAndALogOffSaves) {
    const std::filesystem::path file = scratch.path / L"keys.dat";
    TimerRun(L"keys.dat").run([&](TimerRun& r) {
        ASSERT_EQ(GetForegroundWindow(), r.window()) << "the keys would go elsewhere";
        const DWORD up = KEYEVENTF_KEYUP;  // Enter, Escape, Alt+F4
        for (const auto& [vk, flags] : {std::pair<BYTE, DWORD>{VK_RETURN, 0}, {VK_RETURN, up}, {VK_ESCAPE, 0},
                                        {VK_ESCAPE, up}, {VK_MENU, 0}, {VK_F4, 0}, {VK_F4, up}, {VK_MENU, up}})
            keybd_event(vk, 0, flags, 0);
        EXPECT_TRUE(waitFor([&] { return r.idle(); }));
        EXPECT_TRUE(IsWindowVisible(r.window()));
        std::filesystem::remove(file);
        EXPECT_EQ(SendMessageW(r.window(), WM_QUERYENDSESSION, 0, 0), TRUE);
        EXPECT_TRUE(std::filesystem::exists(file)) << "not saved before the log-off";
    });
}

// The window's dialog class has CS_DBLCLKS, so a quick second press arrives
// as a double-click message: a press all the same.
TEST(TimerWindow, APressRightAfterAClickStopsTheAlarm) {
    const struct { const char* name; DWORD down, up; } buttons[] = {
        {"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
        {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
    };
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.name);
        TimerRun(L"input.dat").run([&](TimerRun& r) {
            RECT rect{};
            GetWindowRect(r.window(), &rect);  // the first run centres it, as the alarm does
            SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
            mouse_event(button.down, 0, 0, 0, 0);
            mouse_event(button.up, 0, 0, 0, 0);
            ASSERT_TRUE(waitFor([&] { return r.idle(); }));
            r.onUi([](CountdownWindow& t) {
                EndMenu();  // the right release opened the context menu
                t.startAlarm();
            });
            mouse_event(button.down, 0, 0, 0, 0);
            EXPECT_TRUE(waitFor([&] { return !r.ask([](CountdownWindow& t) { return t.alarmActive(); }); }, 2000))
                << "a press within the double-click time left the alarm on";
            mouse_event(button.up, 0, 0, 0, 0);
            ASSERT_TRUE(waitFor([&] { return r.idle(); }));
            r.onUi([](CountdownWindow&) { EndMenu(); });
        });
    }
}
