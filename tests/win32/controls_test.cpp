// The dialog tables against the .rc templates; the core's controls on real ones.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>

#include "resources/dialog_texts.h"
#include "win32/dialog_controls_win32.h"
#include "win32/wide_text.h"

namespace dt = dialog_texts;

namespace {

std::wstring textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

HWND openTemplate(int id) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr,
                              [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

// Every control in template order against its row: class, id, style, text,
// place and size (mapped apart, as the dialog manager maps them).
template <std::size_t N>
void expectTemplate(const dt::DialogLayout& layout, const std::array<dt::ControlLayout, N>& rows) {
    const HWND dialog = openTemplate(layout.templateId);
    EXPECT_EQ(textOf(dialog), wideFromNarrow(layout.caption));
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const auto& row : rows) {
        ASSERT_NE(child, nullptr) << "missing control " << row.id;
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        EXPECT_EQ(lstrcmpiW(cls, wideFromNarrow(row.windowClass).c_str()), 0) << row.id;
        EXPECT_EQ(GetDlgCtrlID(child), row.id);
        // A list box's border becomes a client edge; its scroll bar shows only when needed.
        const DWORD style = row.style & ~(row.kind == dt::ControlKind::ListBox ? WS_BORDER | WS_VSCROLL : 0);
        EXPECT_EQ(GetWindowLongPtrW(child, GWL_STYLE) & style, style) << row.id;
        EXPECT_EQ(GetWindowLongPtrW(child, GWL_EXSTYLE) & row.exStyle, row.exStyle) << row.id;
        EXPECT_TRUE(!*row.text || textOf(child) == wideFromNarrow(row.text)) << row.id;
        RECT expected{row.rect.x, row.rect.y, row.rect.width, row.rect.height}, actual{};
        MapDialogRect(dialog, &expected);
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ((std::array{actual.left, actual.top, actual.right - actual.left, actual.bottom - actual.top}),
                  (std::array{expected.left, expected.top, expected.right, expected.bottom})) << row.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than rows";
    DestroyWindow(dialog);
}

}  // namespace

// The driven run sees neither the picker's format nor the list box.
TEST(Win32Dialogs, TemplatesFollowTheTablesAndTheCoreDrivesTheControls) {
    expectTemplate(dt::kSetTimeDialog, dt::kSetTimeControls);
    expectTemplate(dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls);
    const HWND times = openTemplate(dt::kRegisteredTimesDialog.templateId), setTime = openTemplate(dt::kSetTimeDialog.templateId);
    Win32ListBox list(GetDlgItem(times, 1011));
    list.addString("10分");
    list.insertString(0, "1時間30秒");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.text(0), "1時間30秒");
    list.deleteString(0);
    EXPECT_EQ(list.text(0), "10分");
    Win32TimeControl picker(GetDlgItem(setTime, 1007));
    picker.setFormat(dt::kDurationFormat);
    picker.setTime({23, 59, 58});
    EXPECT_EQ(textOf(GetDlgItem(setTime, 1007)), L"23時間59分58秒");
}
