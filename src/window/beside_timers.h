// Where a timer that has no place of its own opens while other timers run,
// so that it hides none of them and shows as a window of its own.
#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"

// The first of these that overlaps no timer and lies in one work area: below
// the lowest timer, above the highest, right of the rightmost, left of the
// leftmost (each aligned with that timer, `gap` away from it, and so from all
// of them). nullopt when no timer runs or none of them fits.
std::optional<Point> placeBesideTimers(Size size, Size gap, const std::vector<Rect>& timers,
                                       const std::vector<Rect>& workAreas);

// The gap between timers: 8 px, or the sizing frame where that is wider (it
// grows with the monitor's scale).
Size gapBetweenTimers(Size sizingFrame);
