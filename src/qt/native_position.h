// Where the window system has a top-level window, asked of it directly.
// Qt keeps a window's position from configure events, and a reparenting
// window manager can leave that relative to its frame; the X server knows.
#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// The top-left corner of the shown window on the screen, or nothing where
// the window system does not tell (Wayland, offscreen) or before it is shown.
std::optional<QPoint> nativeTopLeft(const QWidget& window);
