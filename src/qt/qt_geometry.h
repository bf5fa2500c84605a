// Conversions between the core's plain geometry and Qt's.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include "platform/geometry.h"

inline QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
inline Rect toRect(const QRect& r) { return Rect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
inline QPoint toQPoint(Point p) { return QPoint(p.x, p.y); }
inline Point toPoint(QPoint p) { return Point{p.x(), p.y()}; }
inline QColor toQColor(ColorRef c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline ColorRef toColorRef(const QColor& c) {
    return rgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}
