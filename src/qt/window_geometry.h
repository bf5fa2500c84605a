// The one owner of the timer window's geometry in the Qt backend: where the
// window is, and where on it the pointer lies. Everything it answers is in
// Qt's coordinates. Where X11 tells, the window's place is the X server's,
// read when it matters and mapped through the screen that holds it; between
// reads, and where the window system does not tell (Wayland), it is the last
// place the program set. Qt's own record of the place stays out of it: under
// a reparenting window manager it can lag, or be the frame's (0, 0).
#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <Qt>

#include <optional>

#include "platform/geometry.h"

class QWidget;

// One screen as Qt lays it out: its geometry in Qt's coordinates, whose
// origin is the screen's origin in device pixels, and its device pixel ratio.
struct ScreenSpace {
    QRect geometry;
    qreal ratio = 1.0;
};

QList<ScreenSpace> currentScreens();

class WindowGeometry {
public:
    // A point in device pixels (X root coordinates) in Qt's coordinates,
    // through the screen that holds it, or else the nearest one: Qt 6 keeps
    // each screen's origin and scales only the offset from it.
    static QPoint fromNative(QPoint native, const QList<ScreenSpace>& screens);

    QPoint topLeft() const { return place_; }
    // The place to tell Qt when its own record, `qtPlace`, differs from the
    // X server's (Qt hands the window manager the pointer's position through
    // that record when it starts a resize); nothing where X did not tell.
    std::optional<QPoint> correctionOf(QPoint qtPlace) const;
    // Asks the window system where `window` is; keeps the last place where
    // it does not tell (Wayland), takes Qt's where X11 is not used at all.
    void refresh(const QWidget& window);
    // The X server's answer, in device pixels.
    void learnNative(QPoint native, const QList<ScreenSpace>& screens) {
        place_ = fromNative(native, screens);
        toldByX_ = true;
    }
    // The program put the window there.
    void placed(QPoint topLeft) {
        place_ = topLeft;
        toldByX_ = false;
    }

    // The pointer at `global` in client coordinates, the client area lying
    // `frame` pixels inside the window. Measured from the place this reports,
    // so that a drag worked out from both follows the pointer even while the
    // window manager has not yet carried out the last move.
    Point clientPoint(QPointF global, int frame) const;

    // The rectangle a drag of `edges` by `delta` makes of `start`, no
    // smaller than `minimum`; the opposite edges stay put.
    static QRect resized(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum);
    // The smallest size a user's drag of the border leaves a window of
    // `current` size: the core's minimum, or the size itself if smaller, so
    // that a small window does not grow when its border is merely pressed.
    static QSize userMinimum(QSize current, int frame);

private:
    QPoint place_;
    bool toldByX_ = false;
};
