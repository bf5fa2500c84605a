// Virtual keys as the core reads them: the window's key messages and the
// global hot keys' registration.
#pragma once

#include <windows.h>

#include "platform/hot_keys.h"
#include "platform/key_event.h"

// The key of a WM_KEYDOWN or WM_SYSKEYDOWN, with the modifiers held now;
// Key::None for a key the core has no name for.
KeyEvent keyEventOf(WPARAM virtualKey, LPARAM flags);

// The virtual key of a core key; 0 for none.
UINT virtualKeyOf(Key key);

// RegisterHotKey's modifiers; a held key does not repeat the hot key.
UINT hotKeyModifiers(const HotKey& key);
