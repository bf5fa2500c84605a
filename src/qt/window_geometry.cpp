#include "qt/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

#include "qt/native_position.h"
#include "window/timer_window.h"

namespace {

QRect nativeRect(const ScreenSpace& screen) {
    return QRect(screen.geometry.topLeft(), screen.geometry.size() * screen.ratio);
}

qint64 distanceSquared(QPoint p, const QRect& r) {
    const qint64 dx = p.x() < r.left() ? r.left() - p.x() : std::max(0, p.x() - r.right());
    const qint64 dy = p.y() < r.top() ? r.top() - p.y() : std::max(0, p.y() - r.bottom());
    return dx * dx + dy * dy;
}

}  // namespace

QList<ScreenSpace> currentScreens() {
    QList<ScreenSpace> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(ScreenSpace{screen->geometry(), screen->devicePixelRatio()});
    return screens;
}

QPoint WindowGeometry::fromNative(QPoint native, const QList<ScreenSpace>& screens) {
    const ScreenSpace* holder = nullptr;
    qint64 nearest = std::numeric_limits<qint64>::max();
    for (const ScreenSpace& screen : screens) {
        const qint64 distance = distanceSquared(native, nativeRect(screen));
        if (distance < nearest) {
            nearest = distance;
            holder = &screen;
        }
    }
    if (!holder || holder->ratio <= 0) return native;
    const QPoint origin = holder->geometry.topLeft();
    return origin + (native - origin) / holder->ratio;  // rounded, as Qt rounds
}

void WindowGeometry::refresh(const QWidget& window) {
    if (const std::optional<QPoint> native = nativeTopLeft(window)) {
        learnNative(*native, currentScreens());
    } else if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        placed(window.pos());
    }
}

std::optional<QPoint> WindowGeometry::correctionOf(QPoint qtPlace) const {
    if (!toldByX_ || qtPlace == place_) return std::nullopt;
    return place_;
}

Point WindowGeometry::clientPoint(QPointF global, int frame) const {
    const QPoint local = global.toPoint() - place_;
    return Point{local.x() - frame, local.y() - frame};
}

QRect WindowGeometry::resized(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum) {
    QRect r = start;
    if (edges & Qt::LeftEdge) r.setLeft(std::min(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge) r.setRight(std::max(start.right() + delta.x(), start.left() - 1 + minimum.width()));
    if (edges & Qt::TopEdge) r.setTop(std::min(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge) r.setBottom(std::max(start.bottom() + delta.y(), start.top() - 1 + minimum.height()));
    return r;
}

QSize WindowGeometry::userMinimum(QSize current, int frame) {
    const Size least = minimumTrackSize(Size{frame, frame});
    return QSize(least.cx, least.cy).boundedTo(current);
}
