// The timer window as Windows sees it: styles, taskbar, first-run placement,
// tooltip, the keys that must not close it, saving at exit and at log-off.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "scripted_run.h"

namespace {

std::vector<char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void exitByMenu(ScriptedRun& run) { PostMessageW(run.window(), WM_COMMAND, kCmdExit, 0); }

RECT windowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

SIZE textExtent(const LOGFONTW& font, const wchar_t* text) {
    HDC dc = GetDC(nullptr);
    HFONT created = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(dc, created);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
    SelectObject(dc, old);
    DeleteObject(created);
    ReleaseDC(nullptr, dc);
    return extent;
}

}  // namespace

TEST(TimerWindowShell, FirstRunIsABorderlessToolWindowCentredAndFittedToItsText) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then([](ScriptedRun& r) {
        const HWND w = r.window();
        const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE | WS_THICKFRAME), WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        const LONG_PTR exStyle = GetWindowLongPtrW(w, GWL_EXSTYLE);
        EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW) << "a taskbar button would appear";
        EXPECT_FALSE(exStyle & WS_EX_TOPMOST);

        // The template's font, made bold, is the first-run font.
        wchar_t face[LF_FACESIZE] = {};
        LOGFONTW dialogFont{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof dialogFont, &dialogFont);
        lstrcpynW(face, dialogFont.lfFaceName, LF_FACESIZE);
        EXPECT_STREQ(face, L"ＭＳ Ｐゴシック");
        const LogFont font = r.timer().settings().logFont();
        EXPECT_EQ(font.lfWeight, 700);
        EXPECT_EQ(font.lfHeight, dialogFont.lfHeight);

        // Sized to two-digit hours in that font (the band below the text
        // takes its share of the height), then centred on the maximized area.
        LOGFONTW bold = dialogFont;
        bold.lfWeight = 700;
        const SIZE text = textExtent(bold, L"00:00:00");
        const RECT outer = windowRectOf(w);
        const int frameX = GetSystemMetrics(SM_CXFRAME), frameY = GetSystemMetrics(SM_CYFRAME);
        EXPECT_EQ(outer.right - outer.left, text.cx + 2 * frameX);
        EXPECT_EQ(outer.bottom - outer.top, (20 * text.cy + 40) / 19 + 2 * frameY);
        EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXMAXIMIZED) - (outer.right - outer.left)) / 2);
        EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYMAXIMIZED) - (outer.bottom - outer.top)) / 2);
    }, 200);
    run.then(exitByMenu);
    EXPECT_TRUE(run.run());
    EXPECT_EQ(run.result(), IDOK);
}

TEST(TimerWindowShell, TooltipCoversTheWindowWithFourLines) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then([](ScriptedRun& r) {
        const HWND tip = r.platform().modalRunner().host()->tooltip();
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 1000);
        ASSERT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
        wchar_t text[512] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = r.window();
        tool.uId = reinterpret_cast<UINT_PTR>(r.window());
        tool.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text,
                     L"Quillastorカウントダウンタイマー Ver1.01\r\n"
                     L"・スタート/ストップ(左ダブルクリック)\r\n"
                     L"・リセット(左トリプルクリック)\r\n"
                     L"・ウィンドウ移動(左ドラッグ)");
    }, 100);
    run.then(exitByMenu);
    EXPECT_TRUE(run.run());
}

TEST(TimerWindowShell, EnterEscapeAndCloseDoNotEndTheRun) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then([](ScriptedRun& r) {
        PostMessageW(r.window(), WM_COMMAND, IDOK, 0);
        PostMessageW(r.window(), WM_COMMAND, IDCANCEL, 0);
        PostMessageW(r.window(), WM_CLOSE, 0, 0);
    }, 100);
    run.then([](ScriptedRun& r) { EXPECT_TRUE(IsWindowVisible(r.window())); }, 300);
    run.then(exitByMenu);
    EXPECT_TRUE(run.run());
}

TEST(TimerWindowShell, ExitWritesTheSettingsFileAndTheNextRunRestoresThePlace) {
    TempFolder folder;
    const std::string file = folder.path("timer.dat");
    RECT placed{};
    {
        ScriptedRun run(file);
        run.then([&](ScriptedRun& r) {
            SetWindowPos(r.window(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            placed = windowRectOf(r.window());
        }, 100);
        run.then(exitByMenu);
        ASSERT_TRUE(run.run());
    }
    // 116 bytes plus 4 for each of the three first-run registered times.
    const std::vector<char> bytes = fileBytes(file);
    ASSERT_EQ(bytes.size(), 128u);
    auto int32At = [&](std::size_t offset) {
        return static_cast<int32_t>(static_cast<uint8_t>(bytes[offset]) | static_cast<uint8_t>(bytes[offset + 1]) << 8 |
                                    static_cast<uint8_t>(bytes[offset + 2]) << 16 |
                                    static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + 3])) << 24);
    };
    EXPECT_EQ(int32At(0), 40);
    EXPECT_EQ(int32At(4), 50);

    ScriptedRun again(file);
    again.then([&](ScriptedRun& r) {
        const RECT now = windowRectOf(r.window());
        EXPECT_EQ(now.left, placed.left);
        EXPECT_EQ(now.top, placed.top);
        EXPECT_EQ(now.right, placed.right);
        EXPECT_EQ(now.bottom, placed.bottom);
    }, 100);
    again.then(exitByMenu);
    EXPECT_TRUE(again.run());
}

TEST(TimerWindowShell, QueryBeforeLogOffSavesAndAgrees) {
    TempFolder folder;
    const std::string file = folder.path("timer.dat");
    ScriptedRun run(file);
    run.then([&](ScriptedRun& r) {
        EXPECT_TRUE(fileBytes(file).empty());
        EXPECT_EQ(SendMessageW(r.window(), WM_QUERYENDSESSION, 0, 0), TRUE);
        EXPECT_EQ(fileBytes(file).size(), 128u);
    }, 100);
    run.then(exitByMenu);
    EXPECT_TRUE(run.run());
}

TEST(TimerWindowShell, AlwaysOnTopFollowsTheCommand) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then([](ScriptedRun& r) { PostMessageW(r.window(), WM_COMMAND, kCmdTopmost, 0); }, 100);
    run.then([](ScriptedRun& r) {
        EXPECT_TRUE(GetWindowLongPtrW(r.window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(r.timer().settings().topmost, 1);
        PostMessageW(r.window(), WM_COMMAND, kCmdTopmost, 0);
    });
    run.then([](ScriptedRun& r) {
        EXPECT_FALSE(GetWindowLongPtrW(r.window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(r.timer().settings().topmost, 0);
    });
    run.then(exitByMenu);
    EXPECT_TRUE(run.run());
}
