#include "qt/native_position.h"

#include <QWidget>

#ifdef QUILLASTOR_X11
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

}  // namespace

std::optional<QPoint> nativeTopLeft(const QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.isVisible()) return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window.winId());
    // The window's own root: with DISPLAY=:N.1 it is not the first screen's.
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!geometry) return std::nullopt;
    const ReplyPtr<xcb_translate_coordinates_reply_t> reply(
        xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0),
                                        nullptr),
        &std::free);
    if (!reply) return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}

#else

std::optional<QPoint> nativeTopLeft(const QWidget&) { return std::nullopt; }

#endif
