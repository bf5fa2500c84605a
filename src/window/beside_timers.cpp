#include "window/beside_timers.h"

#include <algorithm>

namespace {

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool fits(const Rect& place, const std::vector<Rect>& timers, const std::vector<Rect>& areas) {
    for (const Rect& timer : timers)
        if (overlaps(place, timer)) return false;
    return areas.empty() ||
           std::any_of(areas.begin(), areas.end(), [&](const Rect& a) { return inside(place, a); });
}

Rect at(int64_t left, int64_t top, Size size) {
    return {Rect::saturated(left), Rect::saturated(top), Rect::saturated(left + size.cx),
            Rect::saturated(top + size.cy)};
}

}  // namespace

std::optional<Point> placeBesideTimers(Size size, const std::vector<Rect>& timers, const std::vector<Rect>& areas) {
    if (timers.empty()) return std::nullopt;
    const auto by = [](auto key) { return [key](const Rect& a, const Rect& b) { return key(a) < key(b); }; };
    const Rect& lowest = *std::max_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.bottom; }));
    const Rect& highest = *std::min_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.top; }));
    const Rect& rightmost = *std::max_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.right; }));
    const Rect& leftmost = *std::min_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.left; }));
    const Rect candidates[] = {
        at(lowest.left, lowest.bottom, size),
        at(highest.left, int64_t{highest.top} - size.cy, size),
        at(rightmost.right, rightmost.top, size),
        at(int64_t{leftmost.left} - size.cx, leftmost.top, size),
    };
    for (const Rect& place : candidates)
        if (fits(place, timers, areas)) return Point{place.left, place.top};
    return std::nullopt;
}
