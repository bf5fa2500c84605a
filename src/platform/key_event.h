// A key as the core reads it. The backends only translate their own key
// events into this (the key, the modifiers held, auto-repeat); what a key
// does is decided in the core.
#pragma once

#include <cstdint>

enum class Key : uint16_t {
    None = 0,
    Space = ' ',
    // '0'..'9' and 'A'..'Z' stand for themselves.
    Enter = 0x100,
    Escape,
    Left,
    Up,
    Right,
    Down,
    Menu,  // the context-menu key
    F1,    // F1..F24 follow in order
};

constexpr Key letterKey(char upper) { return static_cast<Key>(upper); }
constexpr Key functionKey(int n) { return static_cast<Key>(static_cast<int>(Key::F1) + n - 1); }

struct KeyEvent {
    Key key = Key::None;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool autoRepeat = false;  // the key is held and the system repeats it
};
