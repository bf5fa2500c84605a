// The two time dialogs built from their templates and driven through their
// controls: layout against the dialog tables, zero refused, clock-time mode,
// editing the registered times with a nested set-time dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "win32/wide_text.h"
#include "resources/dialog_texts.h"
#include "scripted_run.h"

namespace {

const wchar_t* const kSetTimeCaption = L"カウントダウン時間を設定";
const wchar_t* const kRegisterCaption = L"カウントダウン時間を登録";

SYSTEMTIME timeValue(int h, int m, int s) {
    SYSTEMTIME t{};
    t.wYear = 2000;
    t.wMonth = 1;
    t.wDay = 1;
    t.wHour = static_cast<WORD>(h);
    t.wMinute = static_cast<WORD>(m);
    t.wSecond = static_cast<WORD>(s);
    return t;
}

int pickerSeconds(HWND dialog) {
    SYSTEMTIME t{};
    SendDlgItemMessageW(dialog, 1007, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
}

void setPicker(HWND dialog, int h, int m, int s) {
    const SYSTEMTIME t = timeValue(h, m, s);
    SendDlgItemMessageW(dialog, 1007, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
}

void press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring listText(HWND dialog, int index) {
    wchar_t text[64] = {};
    SendDlgItemMessageW(dialog, 1011, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The dialog's size and every control, in template order, against the table.
template <std::size_t N>
void expectLayout(HWND dialog, const dialog_texts::DialogLayout& layout,
                  const std::array<dialog_texts::ControlLayout, N>& controls) {
    EXPECT_EQ(windowText(dialog), wideFromNarrow(layout.caption));
    RECT size{0, 0, layout.rect.width, layout.rect.height};
    MapDialogRect(dialog, &size);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const auto& c : controls) {
        ASSERT_NE(child, nullptr) << "missing control " << c.id;
        EXPECT_EQ(GetDlgCtrlID(child), c.id);
        EXPECT_EQ(_wcsicmp(className(child).c_str(), wideFromNarrow(c.windowClass).c_str()), 0)
            << "control " << c.id << " is a " << narrowFromWide(className(child));
        // The dialog manager turns a list box border into a sunken edge, and
        // the list box shows its scroll bar only when it needs one.
        const uint32_t style = static_cast<uint32_t>(GetWindowLongPtrW(child, GWL_STYLE));
        const uint32_t exStyle = static_cast<uint32_t>(GetWindowLongPtrW(child, GWL_EXSTYLE));
        const uint32_t variable = c.kind == dialog_texts::ControlKind::ListBox ? (WS_BORDER | WS_VSCROLL) : 0;
        EXPECT_EQ(style & c.style & ~variable, c.style & ~variable) << "control " << c.id;
        if (c.style & variable & WS_BORDER) EXPECT_TRUE((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE));
        EXPECT_EQ(exStyle & c.exStyle, c.exStyle) << "control " << c.id;
        if (c.kind != dialog_texts::ControlKind::ListBox && c.kind != dialog_texts::ControlKind::TimePicker)
            EXPECT_EQ(windowText(child), wideFromNarrow(c.text)) << "control " << c.id;
        // Position and size are converted separately, as the dialog manager does.
        RECT expected{c.rect.x, c.rect.y, c.rect.width, c.rect.height};
        MapDialogRect(dialog, &expected);
        RECT actual{};
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left) << "control " << c.id;
        EXPECT_EQ(actual.top, expected.top) << "control " << c.id;
        EXPECT_EQ(actual.right - actual.left, expected.right) << "control " << c.id;
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom) << "control " << c.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the table lists";
}

void openCommand(ScriptedRun& run, uint32_t command, const wchar_t* caption) {
    run.then([command](ScriptedRun& r) { PostMessageW(r.window(), WM_COMMAND, command, 0); }, 100);
    run.until([caption](ScriptedRun&) { return findDialog(caption) != nullptr; }, "the dialog opens");
}

void waitClosed(ScriptedRun& run, const wchar_t* caption) {
    run.until([caption](ScriptedRun&) { return findDialog(caption) == nullptr; }, "the dialog closes");
}

void exitAfterwards(ScriptedRun& run) {
    run.then([](ScriptedRun& r) { PostMessageW(r.window(), WM_COMMAND, kCmdExit, 0); });
}

}  // namespace

TEST(TimeDialogs, SetTimeRefusesZeroAndAcceptsOneSecondOrMore) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    openCommand(run, kCmdSetTime, kSetTimeCaption);
    run.then([](ScriptedRun&) {
        const HWND d = findDialog(kSetTimeCaption);
        expectLayout(d, dialog_texts::kSetTimeDialog, dialog_texts::kSetTimeControls);
        EXPECT_EQ(pickerSeconds(d), 180) << "opens on the current duration";
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, 1004)));
        EXPECT_EQ(IsDlgButtonChecked(d, 1004), BST_UNCHECKED);
        setPicker(d, 0, 0, 0);
        press(d, IDOK);
    });
    run.until([](ScriptedRun&) { return findMessageBox() != nullptr; }, "the refusal message");
    run.then([](ScriptedRun&) {
        const HWND box = findMessageBox();
        wchar_t text[128] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 128);
        EXPECT_STREQ(text, L"1秒以上の値を指定してください。");
        EXPECT_EQ(windowText(box), L"quillastor_win32_tests") << "no caption: the application title";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    run.until([](ScriptedRun&) { return findMessageBox() == nullptr; }, "the message closes");
    run.then([](ScriptedRun& r) {
        const HWND d = findDialog(kSetTimeCaption);
        ASSERT_NE(d, nullptr) << "the dialog stays open after a refusal";
        EXPECT_EQ(r.timer().countdown().duration(), 180);
        setPicker(d, 0, 0, 5);
        press(d, IDOK);
    });
    waitClosed(run, kSetTimeCaption);
    run.then([](ScriptedRun& r) {
        EXPECT_EQ(r.timer().countdown().duration(), 5);
        EXPECT_TRUE(r.timer().countdown().isRunning()) << "auto-start is on after the first run";
    });
    exitAfterwards(run);
    EXPECT_TRUE(run.run());
}

TEST(TimeDialogs, ClockTimeModeCountsToTheGivenTimeAndRemembersTheDuration) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    int expected = 0;
    openCommand(run, kCmdSetTime, kSetTimeCaption);
    run.then([](ScriptedRun&) {
        const HWND d = findDialog(kSetTimeCaption);
        setPicker(d, 1, 2, 3);
        SendDlgItemMessageW(d, 1004, BM_CLICK, 0, 0);
        EXPECT_EQ(IsDlgButtonChecked(d, 1004), BST_CHECKED);
        SYSTEMTIME now{};
        GetLocalTime(&now);
        const int shown = pickerSeconds(d), clock = now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
        EXPECT_LE((clock - shown + 86400) % 86400, 2) << "the picker shows the local time";
        SendDlgItemMessageW(d, 1004, BM_CLICK, 0, 0);
        EXPECT_EQ(pickerSeconds(d), 3723) << "unticking brings back the duration typed before";
        SendDlgItemMessageW(d, 1004, BM_CLICK, 0, 0);
    });
    run.then([&](ScriptedRun&) {
        const HWND d = findDialog(kSetTimeCaption);
        SYSTEMTIME now{};
        GetLocalTime(&now);
        const int clock = now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
        const int target = (clock / 60 + 5) % 1440;  // five whole minutes on
        setPicker(d, target / 60, target % 60, 42);   // the seconds are dropped
        expected = (target * 60 - clock + 86400) % 86400;
        press(d, IDOK);
    });
    waitClosed(run, kSetTimeCaption);
    run.then([&](ScriptedRun& r) {
        const int duration = r.timer().countdown().duration();
        EXPECT_LE(expected - duration, 2);
        EXPECT_GE(expected - duration, 0);
    });
    exitAfterwards(run);
    EXPECT_TRUE(run.run());
}

TEST(TimeDialogs, RegisteredTimesAreEditedThroughTheListAndANestedSetTimeDialog) {
    TempFolder folder;
    ScriptedRun run(folder.path("timer.dat"));
    openCommand(run, kCmdRegisterTimes, kRegisterCaption);
    run.then([](ScriptedRun&) {
        const HWND d = findDialog(kRegisterCaption);
        expectLayout(d, dialog_texts::kRegisteredTimesDialog, dialog_texts::kRegisteredTimesControls);
        ASSERT_EQ(SendDlgItemMessageW(d, 1011, LB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(listText(d, 0), L"3分");
        EXPECT_EQ(listText(d, 1), L"10分");
        EXPECT_EQ(listText(d, 2), L"1時間");
        EXPECT_EQ(SendDlgItemMessageW(d, 1011, LB_GETCURSEL, 0, 0), 0);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, 1008)));
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1009, BN_CLICKED), 0);  // delete "3分"
        ASSERT_EQ(SendDlgItemMessageW(d, 1011, LB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(listText(d, 0), L"10分");
        press(d, 1008);  // add
    });
    run.until([](ScriptedRun&) { return findDialog(kSetTimeCaption) != nullptr; }, "the nested set-time dialog");
    run.then([](ScriptedRun&) {
        const HWND s = findDialog(kSetTimeCaption);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(s, 1004))) << "no clock time for a registered time";
        EXPECT_EQ(pickerSeconds(s), 180);
        EXPECT_EQ(GetWindow(s, GW_OWNER), findDialog(kRegisterCaption));
        setPicker(s, 0, 1, 30);
        press(s, IDOK);
    });
    waitClosed(run, kSetTimeCaption);
    run.then([](ScriptedRun&) {
        const HWND d = findDialog(kRegisterCaption);
        ASSERT_EQ(SendDlgItemMessageW(d, 1011, LB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(listText(d, 2), L"1分30秒");
        EXPECT_EQ(SendDlgItemMessageW(d, 1011, LB_GETCURSEL, 0, 0), 2);
        press(d, IDOK);
    });
    waitClosed(run, kRegisterCaption);
    run.then([](ScriptedRun& r) {
        const auto& times = r.timer().countdownSettings().registeredTimes;
        EXPECT_EQ(times, (std::vector<uint32_t>{600, 3600, 90}));
    });
    exitAfterwards(run);
    EXPECT_TRUE(run.run());
}
