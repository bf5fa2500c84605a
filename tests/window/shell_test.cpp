// Start-up of the generic window, its tooltip, and centring.
#include <gtest/gtest.h>

#include "window/probe_window.h"

namespace {

TEST(WindowStartUp, SettingsThenTopmostDisplayTooltipAndTheGuardLast) {
    for (bool stored : {false, true}) {
        FakePlatform platform;
        if (stored) {
            WindowSettings record;
            record.topmost = 1;
            ASSERT_TRUE(record.save(platform.files, platform.services().settingsPath));
        }
        ProbeWindow window(platform.services());
        window.createStateObjects();
        auto host = platform.makeWindow();
        host->attach(window);
        EXPECT_TRUE(window.sizingGuard());
        EXPECT_TRUE(window.onInitDialog());
        const std::vector<std::string> expected = {stored ? "loaded" : "defaults", stored ? "topmost 1" : "topmost 0",
                                                   "update 0", "tooltip"};
        EXPECT_EQ(host->log, expected);
        EXPECT_FALSE(window.sizingGuard());
    }
}

TEST(WindowStartUp, TooltipHasTheProductLineAndThreeUsageLines) {
    ProbeSetup setup;
    EXPECT_EQ(setup.host->tooltip,
              "Probe Ver9.9\r\n"
              "・スタート/ストップ(左ダブルクリック)\r\n"
              "・リセット(左トリプルクリック)\r\n"
              "・ウィンドウ移動(左ドラッグ)");
}

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
