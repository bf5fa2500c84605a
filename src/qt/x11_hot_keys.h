// Global hot keys on X11: a passive grab of each key on the root window,
// also with Num Lock and Caps Lock on, released when the object goes. A key
// another client grabbed first is refused. Wayland lets no client have one.
#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <vector>

#include "platform/hot_keys.h"

class QWidget;

class X11HotKeys final : public HotKeys, public QAbstractNativeEventFilter {
public:
    X11HotKeys();
    ~X11HotKeys() override;
    X11HotKeys(const X11HotKeys&) = delete;
    X11HotKeys& operator=(const X11HotKeys&) = delete;

    bool add(const HotKey& key, HotKeyAction action) override;
    void setReceiver(std::function<void(HotKeyAction)> receiver) override { receiver_ = std::move(receiver); }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        uint8_t keycode;
        uint16_t modifiers;
        HotKeyAction action;
    };
    void release(const Grab& grab);

    std::vector<Grab> grabs_;
    std::function<void(HotKeyAction)> receiver_;
    uint32_t lastRelease_ = 0;  // X repeats a held key as release and press at one time
};

// Asks the window manager to activate the window, as a pager would: a
// program's own request without a fresh user time may be refused.
void activateOnX11(QWidget& window);
