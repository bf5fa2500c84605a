// Where a timer that has no place of its own opens while other timers run,
// so that it hides none of them.
#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"

// The first of these that overlaps no timer and lies in one work area: right
// below the lowest timer, right above the highest, right of the rightmost,
// left of the leftmost (each aligned with that timer). nullopt when no timer
// runs or none of them fits.
std::optional<Point> placeBesideTimers(Size size, const std::vector<Rect>& timers, const std::vector<Rect>& workAreas);
