// The context menu as a real popup menu: items, ids, check marks, the
// submenu, and a choice made with the keyboard reaching the countdown.
#include <gtest/gtest.h>

#include "win32/menu_win32.h"
#include "scripted_run.h"

namespace {

struct Row {
    UINT id;  // 0: separator; -1: submenu
    const wchar_t* caption;
    bool checked;
};

constexpr UINT kSubmenu = static_cast<UINT>(-1);

std::wstring captionAt(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

void expectRows(HMENU menu, const std::vector<Row>& rows) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const Row& row = rows[static_cast<std::size_t>(i)];
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (row.id == 0) {
            EXPECT_TRUE(state & MF_SEPARATOR) << "position " << i;
            continue;
        }
        if (row.id == kSubmenu) {
            EXPECT_NE(GetSubMenu(menu, i), nullptr) << "position " << i;
        } else {
            EXPECT_EQ(GetMenuItemID(menu, i), row.id) << "position " << i;
        }
        EXPECT_EQ(captionAt(menu, i), row.caption) << "position " << i;
        EXPECT_EQ((state & MF_CHECKED) != 0, row.checked) << "position " << i;
    }
}

}  // namespace

TEST(TimerWindowMenu, FirstRunMenuHasThePresetsTheCommandsAndTheChecks) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then([](ScriptedRun& r) {
        const MenuHandle menu = buildPopupMenu(r.timer().buildContextMenu());
        expectRows(menu.get(), {
            {32794, L"3分", false},
            {32795, L"10分", false},
            {32796, L"1時間", false},
            {32793, L"時間設定...", false},
            {0, nullptr, false},
            {32788, L"スタート(左ダブルクリック)", false},
            {32789, L"リセット(左トリプルクリック)", false},
            {0, nullptr, false},
            {32779, L"最前面に表示", false},
            {32797, L"アラーム音を鳴らす", true},
            {kSubmenu, L"詳細設定", false},
            {32791, L"ヘルプ...", false},
            {0, nullptr, false},
            {32783, L"終了", false},
        });
        expectRows(GetSubMenu(menu.get(), 10), {
            {32798, L"よく使う時間を登録...", false},
            {32801, L"時間設定時に自動スタート", true},
            {0, nullptr, false},
            {32780, L"フォント...", false},
            {32781, L"背景色...", false},
            {32792, L"ウィンドウ/文字 サイズ自動調整", true},
            {32790, L"計測中に下線を表示", true},
        });
    }, 100);
    run.then([](ScriptedRun& r) {
        // Options off lose their checks; a running countdown reads "stop".
        PostMessageW(r.window(), WM_COMMAND, kCmdAlarmSound, 0);
        PostMessageW(r.window(), WM_COMMAND, kCmdUnderline, 0);
        PostMessageW(r.window(), WM_COMMAND, kCmdTopmost, 0);
        PostMessageW(r.window(), WM_COMMAND, kCmdStartStop, 0);
    });
    run.then([](ScriptedRun& r) {
        const MenuHandle menu = buildPopupMenu(r.timer().buildContextMenu());
        EXPECT_EQ(GetMenuState(menu.get(), kCmdAlarmSound, MF_BYCOMMAND) & MF_CHECKED, 0u);
        EXPECT_EQ(GetMenuState(menu.get(), kCmdUnderline, MF_BYCOMMAND) & MF_CHECKED, 0u);
        EXPECT_NE(GetMenuState(menu.get(), kCmdTopmost, MF_BYCOMMAND) & MF_CHECKED, 0u);
        wchar_t text[64] = {};
        GetMenuStringW(menu.get(), kCmdStartStop, text, 64, MF_BYCOMMAND);
        EXPECT_STREQ(text, L"ストップ(左ダブルクリック)");
        PostMessageW(r.window(), WM_COMMAND, kCmdExit, 0);
    }, 150);
    EXPECT_TRUE(run.run());
}

TEST(TimerWindowMenu, RightClickOpensTheMenuAndTheKeyboardPicksAPreset) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    run.then([](ScriptedRun& r) {
        SetForegroundWindow(r.window());
        PostMessageW(r.window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
        PostMessageW(r.window(), WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    }, 100);
    run.until([](ScriptedRun&) { return FindWindowW(L"#32768", nullptr) != nullptr; }, "the popup menu", 3000);
    run.then([](ScriptedRun& r) {
        // Down twice: "10分".
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(r.window(), WM_KEYDOWN, key, 0);
    }, 200);
    run.until([](ScriptedRun& r) { return r.timer().countdown().isRunning(); }, "the chosen preset starts", 3000);
    run.then([](ScriptedRun& r) {
        EXPECT_EQ(r.timer().countdown().duration(), 600);
        PostMessageW(r.window(), WM_COMMAND, kCmdExit, 0);
    });
    EXPECT_TRUE(run.run());
}
