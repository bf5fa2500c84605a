// The timer window as Windows sees it: a borderless tool window with its own
// tooltip, the topmost band, keys that must not close it, saving at log-off.
#include <gtest/gtest.h>

#include "timer_run.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>

namespace {

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

void key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

TEST(TimerWindowShell, ToolWindowWithItsOwnTooltip) {
    ScratchFolder folder;
    TimerRun(folder.path(L"timer.dat")).run([](TimerRun& r) {
        const HWND w = r.window();
        EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE) & (WS_POPUP | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU),
                  WS_POPUP | WS_THICKFRAME);
        EXPECT_EQ(exStyle(w) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW);
        const HWND tip = ownedTooltip(w);
        ASSERT_NE(tip, nullptr) << "no tooltip owned by the window";
        EXPECT_FALSE(topmost(tip));
        wchar_t text[512] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = w;
        tool.uId = reinterpret_cast<UINT_PTR>(w);
        tool.lpszText = text;
        ASSERT_TRUE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.uFlags & TTF_SUBCLASS, TTF_SUBCLASS) << "the tooltip must see the window's mouse messages";
        EXPECT_STREQ(text, L"Quillastorカウントダウンタイマー Ver1.01\r\n・スタート/ストップ(左ダブルクリック)\r\n"
                           L"・リセット(左トリプルクリック)\r\n・ウィンドウ移動(左ドラッグ)");
        EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 1000);
    });
}

TEST(TimerWindowShell, AlwaysOnTopPutsTheWindowInTheTopmostBand) {
    ScratchFolder folder;
    const std::wstring file = folder.path(L"timer.dat");
    TimerRun(file).run([](TimerRun&) {});  // Exit writes a first-run file
    std::fstream(std::filesystem::path(file), std::ios::in | std::ios::out | std::ios::binary).seekp(16).put(1);
    TimerRun(file).run([](TimerRun& r) {
        const HWND w = r.window(), tip = ownedTooltip(w);
        EXPECT_TRUE(topmost(w)) << "the saved option, applied before the tooltip exists";
        PostMessageW(w, WM_COMMAND, kCmdTopmost, 0);
        EXPECT_TRUE(waitFor([&] { return !topmost(w); }));
        // On again. Windows takes the owned tooltip along and flags both;
        // Wine takes the tooltip along but leaves the flag off its owner,
        // so the owner's place in the Z order is checked instead.
        PostMessageW(w, WM_COMMAND, kCmdTopmost, 0);
        EXPECT_TRUE(waitFor([&] { return topmost(tip); }));
        EXPECT_TRUE(inTopmostBand(w));
    });
}

TEST(TimerWindowShell, KeysDoNotCloseItAndALogOffSaves) {
    ScratchFolder folder;
    const std::wstring file = folder.path(L"timer.dat");
    TimerRun(file).run([&](TimerRun& r) {
        ASSERT_EQ(GetForegroundWindow(), r.window()) << "the keys would go elsewhere";
        for (WORD vk : {VK_RETURN, VK_ESCAPE}) key(vk, false), key(vk, true);
        key(VK_MENU, false), key(VK_F4, false), key(VK_F4, true), key(VK_MENU, true);
        Sleep(300);
        EXPECT_TRUE(IsWindowVisible(r.window()));
        EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(SendMessageW(r.window(), WM_QUERYENDSESSION, 0, 0), TRUE);
        EXPECT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES) << "not saved before the log-off";
    });
}
