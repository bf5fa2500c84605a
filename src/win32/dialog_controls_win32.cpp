#include "win32/dialog_controls_win32.h"

#include <commctrl.h>

#include "win32/wide_text.h"

void Win32TimeControl::setFormat(const std::string& format) {
    const std::wstring wide = wideFromNarrow(format);
    SendMessageW(control_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32TimeControl::setTime(const TimeOfDay& time) {
    // 30 December 1899, the zero date of the OLE date type.
    SYSTEMTIME value{};
    value.wYear = 1899;
    value.wMonth = 12;
    value.wDay = 30;
    value.wDayOfWeek = 6;
    value.wHour = static_cast<WORD>(time.hour);
    value.wMinute = static_cast<WORD>(time.minute);
    value.wSecond = static_cast<WORD>(time.second);
    SendMessageW(control_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}

TimeOfDay Win32TimeControl::time() const {
    SYSTEMTIME value{};
    if (SendMessageW(control_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)) != GDT_VALID) return {};
    return {value.wHour, value.wMinute, value.wSecond};
}

bool Win32CheckBox::isChecked() const { return SendMessageW(control_, BM_GETCHECK, 0, 0) != BST_UNCHECKED; }

void Win32CheckBox::setEnabled(bool enabled) { EnableWindow(control_, enabled ? TRUE : FALSE); }

void Win32PushButton::setEnabled(bool enabled) { EnableWindow(control_, enabled ? TRUE : FALSE); }

int Win32ListBox::count() const { return static_cast<int>(SendMessageW(control_, LB_GETCOUNT, 0, 0)); }

void Win32ListBox::addString(const std::string& text, uint32_t data) {
    const std::wstring wide = wideFromNarrow(text);
    const LRESULT index = SendMessageW(control_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (index >= 0) SendMessageW(control_, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

void Win32ListBox::insertString(int index, const std::string& text, uint32_t data) {
    const std::wstring wide = wideFromNarrow(text);
    const LRESULT at = SendMessageW(control_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
    if (at >= 0) SendMessageW(control_, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(data));
}

uint32_t Win32ListBox::data(int index) const {
    const LRESULT data = SendMessageW(control_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == LB_ERR ? 0 : static_cast<uint32_t>(data);
}

void Win32ListBox::deleteString(int index) { SendMessageW(control_, LB_DELETESTRING, static_cast<WPARAM>(index), 0); }

std::string Win32ListBox::text(int index) const {
    const LRESULT length = SendMessageW(control_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(control_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    if (copied == LB_ERR) return {};
    wide.resize(static_cast<std::size_t>(copied));
    return narrowFromWide(wide);
}

int Win32ListBox::currentSelection() const { return static_cast<int>(SendMessageW(control_, LB_GETCURSEL, 0, 0)); }

void Win32ListBox::setCurrentSelection(int index) { SendMessageW(control_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
