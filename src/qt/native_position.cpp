#include "qt/native_position.h"

#include <QWidget>

#ifdef QUILLASTOR_X11
#include <QGuiApplication>
#include <QWindow>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// X works in device pixels, Qt's widgets in device-independent ones.
double ratioOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle ? handle->devicePixelRatio() : 1.0;
}

}  // namespace

std::optional<QPoint> nativeTopLeft(const QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.isVisible()) return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_translate_coordinates_cookie_t cookie = xcb_translate_coordinates(connection, id, screen->root, 0, 0);
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(connection, cookie, nullptr);
    if (!reply) return std::nullopt;
    const double ratio = ratioOf(window);
    const QPoint pos(qRound(reply->dst_x / ratio), qRound(reply->dst_y / ratio));
    std::free(reply);
    return pos;
}

#else

std::optional<QPoint> nativeTopLeft(const QWidget&) { return std::nullopt; }

#endif
