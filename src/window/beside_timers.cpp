#include "window/beside_timers.h"

#include <algorithm>

namespace {

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

Rect at(int64_t left, int64_t top, Size size) {
    return {Rect::saturated(left), Rect::saturated(top), Rect::saturated(left + size.cx),
            Rect::saturated(top + size.cy)};
}

}  // namespace

std::optional<Point> placeBesideTimers(Size size, Size gap, const std::vector<Rect>& timers,
                                       const std::vector<Rect>& areas) {
    if (timers.empty()) return std::nullopt;
    const auto by = [](auto key) { return [key](const Rect& a, const Rect& b) { return key(a) < key(b); }; };
    const Rect& lowest = *std::max_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.bottom; }));
    const Rect& highest = *std::min_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.top; }));
    const Rect& rightmost = *std::max_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.right; }));
    const Rect& leftmost = *std::min_element(timers.begin(), timers.end(), by([](const Rect& r) { return r.left; }));
    const Rect candidates[] = {
        at(lowest.left, int64_t{lowest.bottom} + gap.cy, size),
        at(highest.left, int64_t{highest.top} - size.cy - gap.cy, size),
        at(int64_t{rightmost.right} + gap.cx, rightmost.top, size),
        at(int64_t{leftmost.left} - size.cx - gap.cx, leftmost.top, size),
    };
    // Beyond the outermost timer, each overlaps none of them.
    for (const Rect& place : candidates)
        if (areas.empty() || std::any_of(areas.begin(), areas.end(), [&](const Rect& a) { return inside(place, a); }))
            return Point{place.left, place.top};
    return std::nullopt;
}

Size gapBetweenTimers(Size sizingFrame) {
    constexpr int32_t kLeast = 8;
    return {std::max(kLeast, sizingFrame.cx), std::max(kLeast, sizingFrame.cy)};
}
