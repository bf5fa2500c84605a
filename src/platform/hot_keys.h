// Global hot keys: keys the window system hands this program whichever
// window has the keyboard. Registered for as long as the object lives.
#pragma once

#include <functional>

#include "platform/key_event.h"

enum class HotKeyAction { StartStop, Show };

struct HotKey {
    Key key = Key::None;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend bool operator==(const HotKey&, const HotKey&) = default;
};

class HotKeys {
public:
    virtual ~HotKeys() = default;
    // False when another program holds the key, or the window system lets
    // no program have one.
    virtual bool add(const HotKey& key, HotKeyAction action) = 0;
    // Presses arrive here, on the UI thread; null drops them.
    virtual void setReceiver(std::function<void(HotKeyAction)> receiver) = 0;
};
