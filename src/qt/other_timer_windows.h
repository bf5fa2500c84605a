// The windows of the other timers, as the X server knows them: mapped
// top-level windows of another process with the timer's window role.
#pragma once

#include <vector>

#include "platform/geometry.h"

// Outer rectangles in device pixels of the program's X screen; empty without X11.
std::vector<Rect> otherTimerWindowRects(const char* role);
