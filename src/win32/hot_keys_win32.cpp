#include "win32/hot_keys_win32.h"

#include "win32/keys_win32.h"

namespace {

constexpr wchar_t kClassName[] = L"QuillastorTimerHotKeys";

}  // namespace

Win32HotKeys::Win32HotKeys() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32HotKeys::~Win32HotKeys() {
    if (!window_) return;
    for (size_t i = 0; i < actions_.size(); ++i) UnregisterHotKey(window_, static_cast<int>(i + 1));
    DestroyWindow(window_);
}

bool Win32HotKeys::add(const HotKey& key, HotKeyAction action) {
    const UINT virtualKey = virtualKeyOf(key.key);
    if (!window_ || virtualKey == 0) return false;
    if (!RegisterHotKey(window_, static_cast<int>(actions_.size() + 1), hotKeyModifiers(key), virtualKey)) return false;
    actions_.push_back(action);
    return true;
}

LRESULT CALLBACK Win32HotKeys::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* keys = reinterpret_cast<Win32HotKeys*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_HOTKEY || !keys) return DefWindowProcW(window, message, wParam, lParam);
    const WPARAM id = wParam;
    if (id >= 1 && id <= keys->actions_.size() && keys->receiver_) keys->receiver_(keys->actions_[id - 1]);
    return 0;
}
