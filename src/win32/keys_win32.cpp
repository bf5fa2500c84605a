#include "win32/keys_win32.h"

namespace {

bool held(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

Key coreKey(WPARAM vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return letterKey(static_cast<char>(vk));
    if (vk >= VK_F1 && vk <= VK_F24) return functionKey(static_cast<int>(vk - VK_F1) + 1);
    switch (vk) {
    case VK_SPACE: return Key::Space;
    case VK_RETURN: return Key::Enter;
    case VK_ESCAPE: return Key::Escape;
    case VK_LEFT: return Key::Left;
    case VK_UP: return Key::Up;
    case VK_RIGHT: return Key::Right;
    case VK_DOWN: return Key::Down;
    case VK_APPS: return Key::Menu;
    default: return Key::None;
    }
}

}  // namespace

KeyEvent keyEventOf(WPARAM virtualKey, LPARAM flags) {
    const bool repeat = (flags & (LPARAM{1} << 30)) != 0;  // the key was already down
    return {coreKey(virtualKey), held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU), repeat};
}

UINT virtualKeyOf(Key key) {
    const auto code = static_cast<UINT>(key);
    if (key == Key::Space || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return code;
    if (key >= Key::F1 && key <= functionKey(24)) return VK_F1 + (code - static_cast<UINT>(Key::F1));
    return 0;
}

UINT hotKeyModifiers(const HotKey& key) {
    return MOD_NOREPEAT | (key.shift ? MOD_SHIFT : 0) | (key.ctrl ? MOD_CONTROL : 0) | (key.alt ? MOD_ALT : 0);
}
