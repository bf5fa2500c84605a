#include "qt/other_timer_windows.h"

#ifdef QUILLASTOR_X11
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T>
Reply<T> own(T* reply) { return Reply<T>(reply, &std::free); }

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto reply = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The property's bytes, empty when it is missing.
std::string property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
    if (name == XCB_ATOM_NONE) return {};
    const auto reply = own(xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 1024), nullptr));
    if (!reply) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// The managed clients where a window manager lists them, else the root's children.
std::vector<xcb_window_t> topLevels(xcb_connection_t* c, xcb_window_t root) {
    const std::string list = property(c, root, atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    std::vector<xcb_window_t> windows(list.size() / sizeof(xcb_window_t));
    if (!windows.empty()) {
        std::memcpy(windows.data(), list.data(), windows.size() * sizeof(xcb_window_t));
        return windows;
    }
    const auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (!tree) return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return std::vector<xcb_window_t>(children, children + xcb_query_tree_children_length(tree.get()));
}

// The root of the X screen the program shows on (DISPLAY=:N.1 is the second).
xcb_window_t programRoot(xcb_connection_t* c) {
    char* host = nullptr;
    int display = 0, screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen)) std::free(host);
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen && roots.rem > 1; ++i) xcb_screen_next(&roots);
    return roots.data->root;
}

bool mapped(xcb_connection_t* c, xcb_window_t window) {
    const auto attributes = own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

}  // namespace

std::vector<Rect> otherTimerWindowRects(const char* role) {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return {};
    const xcb_window_t root = programRoot(c);
    const xcb_atom_t roleAtom = atom(c, "WM_WINDOW_ROLE"), pidAtom = atom(c, "_NET_WM_PID");
    const auto ownPid = static_cast<uint32_t>(::getpid());
    std::vector<Rect> rects;
    for (const xcb_window_t window : topLevels(c, root)) {
        if (property(c, window, roleAtom, XCB_ATOM_STRING) != role || !mapped(c, window)) continue;
        const std::string pid = property(c, window, pidAtom, XCB_ATOM_CARDINAL);
        if (pid.size() == sizeof ownPid && std::memcmp(pid.data(), &ownPid, sizeof ownPid) == 0) continue;
        const auto geometry = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
        const auto corner = own(xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr));
        if (!geometry || !corner) continue;
        rects.push_back({corner->dst_x, corner->dst_y, corner->dst_x + geometry->width, corner->dst_y + geometry->height});
    }
    return rects;
}

#else

std::vector<Rect> otherTimerWindowRects(const char*) { return {}; }

#endif
