// Centring a window on the maximized area.
#include <gtest/gtest.h>

#include "window/probe_window.h"

namespace {

TEST(Placement, CentredOnTheMaximizedArea) {
    struct Row { Size window; Point expected; };
    // Maximized area 1040 x 800; division truncates toward zero.
    const Row table[] = {
        {{200, 80}, {420, 360}},
        {{1100, 900}, {-30, -50}},
        {{1041, 801}, {0, 0}},
        {{1043, 803}, {-1, -1}},
    };
    FakePlatform platform;
    FakeWindow host(platform.time, platform.system);
    for (const Row& row : table) {
        host.rect = {7, 9, 7 + row.window.cx, 9 + row.window.cy};
        centerWindow(host, platform.system);
        EXPECT_EQ(host.rect, (Rect{row.expected.x, row.expected.y, row.expected.x + row.window.cx,
                                   row.expected.y + row.window.cy}));
    }
}

}  // namespace
