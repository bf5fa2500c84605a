#include "qt/qt_system_values.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>

#include "qt/qt_geometry.h"

Rect QtSystemValues::primaryWorkArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? toRect(screen->availableGeometry()) : Rect{};
}

Size QtSystemValues::dragThreshold() const {
    const int distance = QGuiApplication::styleHints()->startDragDistance();
    return Size{distance, distance};
}

uint32_t QtSystemValues::doubleClickTimeMs() const {
    return static_cast<uint32_t>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

std::vector<Rect> QtSystemValues::monitorRects() const {
    std::vector<Rect> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) monitors.push_back(toRect(screen->geometry()));
    return monitors;
}

std::vector<Rect> QtSystemValues::workAreas() const {
    std::vector<Rect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(toRect(screen->availableGeometry()));
    return areas;
}
