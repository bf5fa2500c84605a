// The real timer window on the test's thread, driven from a second thread
// with real input through the system's queue; Win32 state read back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <utility>

#include "countdown/countdown_window.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace {

const UINT kCallMessage = RegisterWindowMessageW(L"quillastor-test-call");
std::atomic<int> faults{0};  // access violations seen

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

std::atomic<HWND> window{nullptr};
CountdownWindow* timer = nullptr;
bool answer = false;
UINT dpiAtStart = 0;  // sent once, while the loaded rectangle is placed

// Windows on a move to a monitor of another DPI: the size question, then the change.
void changeDpi(HWND w, UINT dpi) {
    RECT r{};
    GetWindowRect(w, &r);
    SIZE size{r.right - r.left, r.bottom - r.top};
    EXPECT_TRUE(SendMessageW(w, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)) && size.cx == r.right - r.left)
        << "the size it asks for at " << dpi;
    RECT scaled{r.left, r.top, r.left + MulDiv(size.cx, dpi, 96), r.top + MulDiv(size.cy, dpi, 96)};
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&scaled));
}

LRESULT CALLBACK callHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_INITDIALOG && !window) window = sent->hwnd;
    if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGED && sent->hwnd == window && dpiAtStart)
        changeDpi(window, std::exchange(dpiAtStart, 0u));
    if (code == HC_ACTION && sent->message == kCallMessage)
        answer = (*reinterpret_cast<const std::function<bool(CountdownWindow&)>*>(sent->lParam))(*timer);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs `f` on the window's thread, between two of its messages.
bool onUi(const std::function<bool(CountdownWindow&)>& f) {
    SendMessageW(window, kCallMessage, 0, reinterpret_cast<LPARAM>(&f));
    return answer;
}

// The window's thread has taken every input and posted message so far.
bool idle() { return onUi([](CountdownWindow&) { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0; }); }

// Runs the timer window, its settings in `file`, until the script returns; then chooses Exit.
void runTimer(const std::wstring& file, const std::function<void(HWND)>& script) {
    Win32Paths paths = executablePaths();
    paths.settingsPath = narrowFromWide((scratch.path / file).wstring());
    Win32Platform platform(paths, japaneseTexts());
    CountdownWindow countdown(platform.services());
    countdown.createStateObjects();
    timer = &countdown;
    window = nullptr;
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, callHook, nullptr, GetCurrentThreadId());
    std::thread driver([&] {
        const bool shown = waitFor([] { return window && IsWindowVisible(window); });
        EXPECT_TRUE(shown) << "the timer window did not appear";
        if (shown) script(window);
        PostMessageW(window, WM_COMMAND, kCmdExit, 0);
    });
    platform.modalRunner().runModal(countdown);
    driver.join();
    UnhookWindowsHookEx(hook);
}

LONG_PTR exStyle(HWND w) { return GetWindowLongPtrW(w, GWL_EXSTYLE); }
bool topmost(HWND w) { return (exStyle(w) & WS_EX_TOPMOST) != 0; }

bool menuOpen() { return IsWindowVisible(FindWindowW(L"#32768", nullptr)) != FALSE; }

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

TEST(TimerWindow, ShellTooltipAndTopmost) {
    runTimer(L"shell.dat", [](HWND) {});  // Exit writes a first-run file
    std::fstream(scratch.path / L"shell.dat", std::ios::in | std::ios::out | std::ios::binary).seekp(16).put(1);  // always on top
    runTimer(L"shell.dat", [](HWND w) {
        const HWND tip = ownedTooltip(w);
        EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE) & (WS_POPUP | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU),
                  WS_POPUP | WS_THICKFRAME);
        EXPECT_EQ(exStyle(w) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), WS_EX_TOOLWINDOW);
        ASSERT_NE(tip, nullptr) << "no tooltip owned by the window";
        wchar_t text[512] = {};
        TOOLINFOW tool{sizeof tool, 0, w, reinterpret_cast<UINT_PTR>(w), {}, nullptr, text, 0, nullptr};
        ASSERT_TRUE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), TTF_IDISHWND | TTF_SUBCLASS) << "it must see the window's mouse";
        EXPECT_STREQ(text, L"Quillastorカウントダウンタイマー Ver1.01\r\n・スタート/ストップ(左ダブルクリック)\r\n"
                           L"・リセット(左トリプルクリック)\r\n・ウィンドウ移動(左ドラッグ)");
        // Off, then on. Windows flags the window and its owned tooltip; Wine
        // flags only the tooltip, so the window's place in the Z order is checked.
        EXPECT_TRUE(topmost(w)) << "the saved option";
        // Any program may send no data at all; a fault the system swallows is counted.
        const auto hold = Win32TimerInstances().tryHold("C:\\QUILLASTOR-TEST.DAT");
        AddVectoredExceptionHandler(1, [](EXCEPTION_POINTERS* e) -> LONG { return faults += e->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION, EXCEPTION_CONTINUE_SEARCH; });
        EXPECT_FALSE(SendMessageW(w, WM_COPYDATA, 0, 0) || faults);
        PostMessageW(w, WM_COMMAND, kCmdTopmost, 0);
        EXPECT_TRUE(waitFor([&] { return !topmost(w); }));
        PostMessageW(w, WM_COMMAND, kCmdTopmost, 0);
        EXPECT_TRUE(waitFor([&] { return topmost(tip) && inTopmostBand(w); }));
    });
}

// The window's dialog class has CS_DBLCLKS, so a quick second press arrives
// as a double-click message: a press all the same.
TEST(TimerWindow, APressRightAfterAClickStopsTheAlarm) {
    runTimer(L"input.dat", [](HWND w) {
        RECT rect{};
        GetWindowRect(w, &rect);  // the first run centres it, as the alarm does
        SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        for (const auto& [down, up] : {std::pair<DWORD, DWORD>{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                       {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}}) {
            SCOPED_TRACE(down == MOUSEEVENTF_LEFTDOWN ? "left" : "right");
            mouse_event(down, 0, 0, 0, 0);
            mouse_event(up, 0, 0, 0, 0);
            ASSERT_TRUE(waitFor(idle));
            onUi([](CountdownWindow& t) {
                EndMenu();  // the right release opened the context menu
                t.startAlarm();
                return true;
            });
            mouse_event(down, 0, 0, 0, 0);
            EXPECT_TRUE(waitFor([] { return !onUi([](CountdownWindow& t) { return t.alarmActive(); }); }, 2000))
                << "a press within the double-click time left the alarm on";
            mouse_event(up, 0, 0, 0, 0);
            ASSERT_TRUE(waitFor(idle));
            onUi([](CountdownWindow&) { return EndMenu() != FALSE; });
        }
    });
}

// Loaded below the user's least size, the window keeps its pixels through DPI
// changes; after a menu took the capture of the held left button, it does not
// follow the pointer. Exit saves the rectangle as loaded.
TEST(TimerWindow, KeepsTheLoadedSizeAndPlace) {
    runTimer(L"kept.dat", [](HWND) {});
    const RECT loaded{100, 100, 120, 118};
    std::fstream(scratch.path / L"kept.dat", std::ios::in | std::ios::out | std::ios::binary)
        .write(reinterpret_cast<const char*>(&loaded), sizeof loaded);
    RECT r{};
    dpiAtStart = 144;
    runTimer(L"kept.dat", [&](HWND w) {
        for (const UINT dpi : {0u, 192u, 96u}) {  // 0: the change during the start only
            if (dpi) changeDpi(w, dpi);
            GetWindowRect(w, &r);
            EXPECT_TRUE(EqualRect(&r, &loaded) && !dpiAtStart) << "at " << dpi;
        }
        SetCursorPos(110, 109);
        for (const DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP})
            mouse_event(button, 0, 0, 0, 0);
        ASSERT_TRUE(waitFor(menuOpen));
        for (const DWORD key : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) keybd_event(VK_ESCAPE, 0, key, 0);
        ASSERT_TRUE(waitFor([] { return !menuOpen(); }));
        for (int i = 0; i < 3; ++i) mouse_event(MOUSEEVENTF_MOVE, 6, 3, 0, 0);  // the left button still held
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        ASSERT_TRUE(waitFor(idle));
        GetWindowRect(w, &r);
        EXPECT_TRUE(EqualRect(&r, &loaded)) << "it followed the pointer";
    });
    std::ifstream(scratch.path / L"kept.dat", std::ios::binary).read(reinterpret_cast<char*>(&r), sizeof r);
    EXPECT_TRUE(EqualRect(&r, &loaded)) << "saved at Exit";
}

// The alarm's notification-area icon is there for the alarm only; a click on
// its balloon and each command of its menu end the alarm, +1 min counting
// 60 s and Restart the whole 180 s, the duration kept.
TEST(TimerWindow, AlarmIconAndItsCommands) {
    runTimer(L"notice.dat", [](HWND w) {
        const auto iconShown = [w] {
            NOTIFYICONDATAW data{};
            data.cbSize = sizeof data, data.hWnd = w, data.uID = 1;
            return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
        };
        // The message, its wParam and lParam; then running, and the least and most time left.
        struct Row { const char* name; UINT message; WPARAM wParam; LPARAM lParam; bool running; int32_t least, most; };
        const Row table[] = {
            {"balloon", kNotifyIconMessage, 0, MAKELPARAM(NIN_BALLOONUSERCLICK, 1), false, 180000, 180000},
            {"Stop", WM_COMMAND, kNoticeCommandFirst, 0, false, 180000, 180000},
            {"+1 min", WM_COMMAND, kNoticeCommandFirst + 1, 0, true, 58000, 60000},
            {"Restart", WM_COMMAND, kNoticeCommandFirst + 2, 0, true, 178000, 180000},
        };
        for (const Row& row : table) {
            SCOPED_TRACE(row.name);
            onUi([](CountdownWindow& t) { return t.startAlarm(), true; });
            EXPECT_TRUE(iconShown()) << "no icon in the alarm";
            SendMessageW(w, row.message, row.wParam, row.lParam);
            EXPECT_TRUE(onUi([&row](CountdownWindow& t) {
                const int32_t left = t.countdown().remainingMs();
                return !t.alarmActive() && t.countdown().isRunning() == row.running && left >= row.least &&
                       left <= row.most && t.countdown().duration() == 180;
            }));
            EXPECT_FALSE(iconShown()) << "the icon outlived the alarm";
            onUi([](CountdownWindow& t) { return t.onCommand(kCmdReset), true; });
        }
    });
}
