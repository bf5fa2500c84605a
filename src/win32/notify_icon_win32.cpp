#include "win32/notify_icon_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cwchar>

#include "win32/gdi_handles.h"
#include "win32/wide_text.h"

namespace {

constexpr UINT kIconId = 1;
constexpr WORD kProgramIcon = 128;  // the resource script's icon

NOTIFYICONDATAW iconData(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = kIconId;
    return data;
}

// Cut to the field, never within a surrogate pair.
template <std::size_t N>
void copyText(wchar_t (&field)[N], const std::string& utf8) {
    std::wstring text = wideFromNarrow(utf8);
    if (text.size() >= N) text.resize(N - 1 - (IS_HIGH_SURROGATE(text[N - 2]) ? 1 : 0));
    std::wcscpy(field, text.c_str());
}

UINT taskbarCreated() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace

void Win32NotifyIcon::post(const Notification& notification, Answer answer) {
    withdraw();
    shown_ = notification;
    answer_ = std::move(answer);
    window_ = owners_.root();
    if (window_ && !add()) window_ = nullptr;
}

bool Win32NotifyIcon::add() {
    NOTIFYICONDATAW data = iconData(window_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP | NIF_INFO;
    data.uCallbackMessage = kNotifyIconMessage;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    LoadIconMetric(module, MAKEINTRESOURCEW(kProgramIcon), LIM_SMALL, &data.hIcon);
    LoadIconMetric(module, MAKEINTRESOURCEW(kProgramIcon), LIM_LARGE, &data.hBalloonIcon);
    copyText(data.szTip, shown_.title);
    copyText(data.szInfoTitle, shown_.title);
    copyText(data.szInfo, shown_.body);
    data.dwInfoFlags = NIIF_USER | NIIF_LARGE_ICON | NIIF_RESPECT_QUIET_TIME;
    bool added = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (added) {
        data.uVersion = NOTIFYICON_VERSION_4;
        Shell_NotifyIconW(NIM_SETVERSION, &data);
    }
    if (data.hIcon) DestroyIcon(data.hIcon);
    if (data.hBalloonIcon) DestroyIcon(data.hBalloonIcon);
    return added;
}

void Win32NotifyIcon::withdraw() {
    answer_ = nullptr;
    if (!window_) return;
    NOTIFYICONDATAW data = iconData(window_);
    Shell_NotifyIconW(NIM_DELETE, &data);
    window_ = nullptr;
}

bool Win32NotifyIcon::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated()) {  // Explorer started again, without the icon
        if (window_ == window && !add()) window_ = nullptr;
        return false;  // others may want to know as well
    }
    if (message == WM_COMMAND && LOWORD(wParam) >= kNoticeCommandFirst &&
        LOWORD(wParam) < kNoticeCommandFirst + shown_.actions.size()) {
        take(shown_.actions[LOWORD(wParam) - kNoticeCommandFirst].key);
        return true;
    }
    if (message != kNotifyIconMessage || window_ != window) return message == kNotifyIconMessage;
    // NOTIFYICON_VERSION_4: the event in the low word of lParam, the point in wParam.
    switch (LOWORD(lParam)) {
    case NIN_BALLOONUSERCLICK: take(shown_.clickAction); break;
    case WM_CONTEXTMENU: showMenu(window, POINT{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)}); break;
    default: break;
    }
    return true;
}

// Its choice comes back as a WM_COMMAND, after the menu has closed.
void Win32NotifyIcon::showMenu(HWND window, POINT at) {
    const MenuHandle menu(CreatePopupMenu());
    for (std::size_t i = 0; i < shown_.actions.size(); ++i)
        AppendMenuW(menu.get(), MF_STRING, kNoticeCommandFirst + i, wideFromNarrow(shown_.actions[i].label).c_str());
    SetForegroundWindow(window);  // so that a click elsewhere closes the menu
    TrackPopupMenuEx(menu.get(), TPM_RIGHTBUTTON, at.x, at.y, window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
}

void Win32NotifyIcon::take(const std::string& key) {
    if (!answer_ || key.empty()) return;
    const Answer answer = answer_;
    answer(key);  // the window ends the alarm, and withdraws the icon
}
