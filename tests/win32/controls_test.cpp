// The backend's translations into Win32 objects: the menu model into an
// HMENU, the dialog tables into the .rc templates, the core's controls onto
// real controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>

#include "resources/dialog_texts.h"
#include "win32/dialog_controls_win32.h"
#include "win32/menu_win32.h"
#include "win32/wide_text.h"

namespace dt = dialog_texts;

namespace {

std::wstring textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

struct Dialog {
    explicit Dialog(int id)
        : window(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0)) {}
    ~Dialog() { DestroyWindow(window); }
    HWND window;
};

// Every control in template order against its row: class, id, style, text,
// place and size (mapped apart, as the dialog manager maps them).
template <std::size_t N>
void expectTemplate(const dt::DialogLayout& layout, const std::array<dt::ControlLayout, N>& rows) {
    const Dialog dialog(layout.templateId);
    EXPECT_EQ(textOf(dialog.window), wideFromNarrow(layout.caption));
    HWND child = GetWindow(dialog.window, GW_CHILD);
    for (const auto& row : rows) {
        ASSERT_NE(child, nullptr) << "missing control " << row.id;
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        EXPECT_EQ(lstrcmpiW(cls, wideFromNarrow(row.windowClass).c_str()), 0) << row.id;
        EXPECT_EQ(GetDlgCtrlID(child), row.id);
        // A list box's border becomes a client edge; its scroll bar shows only when needed.
        const DWORD variable = row.kind == dt::ControlKind::ListBox ? WS_BORDER | WS_VSCROLL : 0;
        EXPECT_EQ(GetWindowLongPtrW(child, GWL_STYLE) & row.style & ~variable, row.style & ~variable) << row.id;
        EXPECT_EQ(GetWindowLongPtrW(child, GWL_EXSTYLE) & row.exStyle, row.exStyle) << row.id;
        if (*row.text) {
            EXPECT_EQ(textOf(child), wideFromNarrow(row.text)) << row.id;
        }
        RECT expected{row.rect.x, row.rect.y, row.rect.width, row.rect.height}, actual{};
        MapDialogRect(dialog.window, &expected);
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog.window, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ((std::array{actual.left, actual.top, actual.right - actual.left, actual.bottom - actual.top}),
                  (std::array{expected.left, expected.top, expected.right, expected.bottom})) << row.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than rows";
}

}  // namespace

TEST(Win32Translation, MenuModelBecomesAPopupMenu) {
    using K = MenuItem::Kind;
    const MenuHandle menu = buildPopupMenu(
        {{{K::Command, 5, "3分", false, {}}, {K::Separator, 0, "", false, {}},
          {K::Submenu, 0, "詳細設定", false, {{K::Command, 7, "フォント...", true, {}}}}}});
    ASSERT_EQ(GetMenuItemCount(menu.get()), 3);
    wchar_t text[64] = {};
    GetMenuStringW(menu.get(), 5, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"3分");
    EXPECT_EQ(GetMenuState(menu.get(), 5, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(menu.get(), 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    GetMenuStringW(menu.get(), 2, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"詳細設定");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu.get(), 2), 0), 7u);
    EXPECT_NE(GetMenuState(menu.get(), 7, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST(Win32Translation, DialogsFollowTheirTablesAndTheCoreDrivesTheirControls) {
    expectTemplate(dt::kSetTimeDialog, dt::kSetTimeControls);
    expectTemplate(dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls);
    const Dialog times(dt::kRegisteredTimesDialog.templateId), setTime(dt::kSetTimeDialog.templateId);
    Win32ListBox list(GetDlgItem(times.window, 1011));
    list.addString("10分");
    list.insertString(0, "1時間30秒");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.text(0), "1時間30秒");
    list.deleteString(0);
    EXPECT_EQ(list.text(0), "10分");
    Win32TimeControl picker(GetDlgItem(setTime.window, 1007));
    picker.setFormat(dt::kDurationFormat);
    picker.setTime({23, 59, 58});
    EXPECT_EQ(picker.time(), (TimeOfDay{23, 59, 58}));
    EXPECT_EQ(textOf(GetDlgItem(setTime.window, 1007)), L"23時間59分58秒");
}
