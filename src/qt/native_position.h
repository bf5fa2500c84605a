// Where the X server has the top-level window, asked of it directly. Qt keeps
// a window's place from configure events, and under a reparenting window
// manager that record can lag or be relative to the frame; the X server knows.
#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// The top-left corner of the shown window in device pixels, relative to the
// root of the X screen that holds it; nothing where there is no X11
// (Wayland, offscreen, macOS) or before the window is shown.
std::optional<QPoint> nativeTopLeft(const QWidget& window);
