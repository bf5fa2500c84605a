// The dialogs built from their tables in each language; the core's controls on real ones.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <array>

#include "resources/dialog_texts.h"
#include "win32/dialog_controls_win32.h"
#include "win32/dialog_template_win32.h"
#include "win32/gdi_handles.h"
#include "win32/wide_text.h"

namespace dt = dialog_texts;

namespace {

std::wstring textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

template <std::size_t N>
HWND openDialog(const dt::DialogLayout& layout, const std::array<dt::ControlLayout, N>& rows, const Texts& texts) {
    const std::vector<DWORD> form = dialogTemplate(layout, rows, texts);
    const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(form.data()),
                                                   nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    fitToTexts(dialog, layout, rows, texts);
    return dialog;
}

// The width a control needs for its text, in pixels of the dialog's font.
LONG neededWidth(HWND dialog, HWND control) {
    SIZE ideal{};
    if (SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) return ideal.cx;
    const WindowDC dc(dialog);
    const SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    RECT r{};
    const std::wstring text = textOf(control);
    DrawTextW(dc.get(), text.c_str(), -1, &r, DT_CALCRECT);
    return r.right;
}

// Every control in template order against its row: class, id, style, text,
// place and size (mapped apart, as the dialog manager maps them; the
// Japanese texts fit the template as it stands). In each language each text
// fits its control.
template <std::size_t N>
void expectDialog(const dt::DialogLayout& layout, const std::array<dt::ControlLayout, N>& rows, const Texts& texts) {
    const HWND dialog = openDialog(layout, rows, texts);
    EXPECT_EQ(textOf(dialog), wideFromNarrow(std::string(texts[layout.caption])));
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
        if (row.text) {
            EXPECT_EQ(textOf(child), wideFromNarrow(std::string(texts[*row.text]))) << row.id;
        }
        RECT expected{row.rect.x, row.rect.y, row.rect.width, row.rect.height}, actual{};
        MapDialogRect(dialog, &expected);
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        if (texts.language() == "ja") {
            EXPECT_EQ((std::array{actual.left, actual.top, actual.right - actual.left, actual.bottom - actual.top}),
                      (std::array{expected.left, expected.top, expected.right, expected.bottom})) << row.id;
        }
        if (row.text) {
            EXPECT_LE(neededWidth(dialog, child), actual.right - actual.left) << row.id << " in " << texts.language();
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than rows";
    DestroyWindow(dialog);
}

}  // namespace

TEST(Win32Dialogs, BuiltFromTheTablesInEachLanguage) {
    for (const Texts& texts : {japaneseTexts(), Texts()}) {
        expectDialog(dt::kSetTimeDialog, dt::kSetTimeControls, texts);
        expectDialog(dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls, texts);
    }
}

// The driven run sees neither the picker's format nor the list box's data.
TEST(Win32Dialogs, TheCoreDrivesTheControls) {
    const HWND times = openDialog(dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls, japaneseTexts());
    const HWND setTime = openDialog(dt::kSetTimeDialog, dt::kSetTimeControls, japaneseTexts());
    Win32ListBox list(GetDlgItem(times, 1011));
    list.addString("10分", 600);
    list.insertString(0, "1時間30秒", 4294967295u);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.text(0), "1時間30秒");
    EXPECT_EQ(list.data(0), 4294967295u);
    list.deleteString(0);
    EXPECT_EQ(list.text(0), "10分");
    EXPECT_EQ(list.data(0), 600u);
    Win32TimeControl picker(GetDlgItem(setTime, 1007));
    picker.setFormat(std::string(japaneseTexts()[TextId::set_time_duration_format]));
    picker.setTime({23, 59, 58});
    EXPECT_EQ(textOf(GetDlgItem(setTime, 1007)), L"23時間59分58秒");
    picker.setFormat(std::string(Texts()[TextId::set_time_duration_format]));
    EXPECT_EQ(textOf(GetDlgItem(setTime, 1007)), L"23 h 59 min 58 s");
}
