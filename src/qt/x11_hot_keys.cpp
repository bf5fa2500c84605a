#include "qt/x11_hot_keys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <memory>

#ifdef QUILLASTOR_X11
#include <xcb/xcb.h>

namespace {

constexpr uint16_t kShift = XCB_MOD_MASK_SHIFT, kCtrl = XCB_MOD_MASK_CONTROL, kAlt = XCB_MOD_MASK_1;
constexpr uint16_t kCapsLock = XCB_MOD_MASK_LOCK, kNumLock = XCB_MOD_MASK_2;
constexpr uint16_t kLocks[] = {0, kCapsLock, kNumLock, kCapsLock | kNumLock};

xcb_connection_t* connection() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

uint32_t keysymOf(Key key) {
    const auto code = static_cast<uint32_t>(key);
    if (key >= letterKey('A') && key <= letterKey('Z')) return code + ('a' - 'A');  // XK_a..XK_z
    if (key >= Key::F1) return 0xFFBE + (code - static_cast<uint32_t>(Key::F1));    // XK_F1..
    return code;  // XK_space, XK_0..XK_9 are their ASCII codes
}

// The first keycode that gives the keysym without a shift level.
uint8_t keycodeOf(xcb_connection_t* c, uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> map(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr), &std::free);
    if (!map) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    for (int i = 0; i < count; ++i)
        if (syms[i * map->keysyms_per_keycode] == keysym) return static_cast<uint8_t>(setup->min_keycode + i);
    return 0;
}

}  // namespace

X11HotKeys::X11HotKeys() { QCoreApplication::instance()->installNativeEventFilter(this); }

X11HotKeys::~X11HotKeys() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
    for (const Grab& grab : grabs_) release(grab);
    if (xcb_connection_t* c = connection()) xcb_flush(c);
}

bool X11HotKeys::add(const HotKey& key, HotKeyAction action) {
    xcb_connection_t* c = connection();
    if (!c) return false;
    const uint8_t keycode = keycodeOf(c, keysymOf(key.key));
    if (keycode == 0) return false;
    const uint16_t modifiers = (key.shift ? kShift : 0) | (key.ctrl ? kCtrl : 0) | (key.alt ? kAlt : 0);
    std::vector<xcb_void_cookie_t> cookies;
    for (uint16_t locks : kLocks)
        cookies.push_back(xcb_grab_key_checked(c, 0, rootWindow(c), modifiers | locks, keycode, XCB_GRAB_MODE_ASYNC,
                                               XCB_GRAB_MODE_ASYNC));
    bool granted = true;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {  // BadAccess: another client has it
            granted = false;
            std::free(error);
        }
    }
    const Grab grab{keycode, modifiers, action};
    if (granted)
        grabs_.push_back(grab);
    else
        release(grab);  // the part that was granted
    return granted;
}

void X11HotKeys::release(const Grab& grab) {
    xcb_connection_t* c = connection();
    if (!c) return;
    for (uint16_t locks : kLocks) xcb_ungrab_key(c, grab.keycode, rootWindow(c), grab.modifiers | locks);
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t type = event->response_type & 0x7F;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const uint16_t modifiers = key->state & (kShift | kCtrl | kAlt | XCB_MOD_MASK_4);
    for (const Grab& grab : grabs_) {
        if (key->event != key->root || key->detail != grab.keycode || modifiers != grab.modifiers) continue;
        if (type == XCB_KEY_RELEASE)
            lastRelease_ = key->time;
        else if (key->time != lastRelease_ && receiver_)
            receiver_(grab.action);
        return true;
    }
    return false;
}

void activateOnX11(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return;
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 18, "_NET_ACTIVE_WINDOW"), nullptr);
    if (!atom) return;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = static_cast<xcb_window_t>(window.winId());
    request.type = atom->atom;
    request.data.data32[0] = 2;  // from a pager: the user asked for this window
    request.data.data32[1] = XCB_CURRENT_TIME;
    std::free(atom);
    xcb_send_event(c, 0, rootWindow(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(c);
}

#else

X11HotKeys::X11HotKeys() = default;
X11HotKeys::~X11HotKeys() = default;
bool X11HotKeys::add(const HotKey&, HotKeyAction) { return false; }
void X11HotKeys::release(const Grab&) {}
bool X11HotKeys::nativeEventFilter(const QByteArray&, void*, qintptr*) { return false; }
void activateOnX11(QWidget&) {}

#endif
