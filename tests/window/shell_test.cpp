// Start-up of the generic window, its tooltip and font, ending the session,
// and the placement helpers.
#include <gtest/gtest.h>

#include "window/probe_window.h"

namespace {

TEST(WindowStartUp, DefaultsWhenNoSettingsFileThenTopmostDisplayTooltipAndGuardLast) {
    FakePlatform platform;
    ProbeWindow window(platform.services());
    window.createStateObjects();
    auto host = platform.makeWindow();
    host->attach(window);
    EXPECT_TRUE(window.sizingGuard());
    EXPECT_TRUE(window.onInitDialog());
    const std::vector<std::string> expected = {"defaults", "topmost 0", "update 0", "tooltip"};
    EXPECT_EQ(host->log, expected);
    EXPECT_FALSE(window.sizingGuard());
}

TEST(WindowStartUp, LoadedSettingsWhenTheFileReads) {
    FakePlatform platform;
    {
        WindowSettings stored;
        stored.topmost = 1;
        ASSERT_TRUE(stored.save(platform.files, platform.services().settingsPath));
    }
    ProbeWindow window(platform.services());
    window.createStateObjects();
    auto host = platform.makeWindow();
    host->attach(window);
    window.onInitDialog();
    const std::vector<std::string> expected = {"loaded", "topmost 1", "update 0", "tooltip"};
    EXPECT_EQ(host->log, expected);
    EXPECT_TRUE(host->topmost);
}

TEST(WindowStartUp, TooltipHasTheProductLineAndThreeUsageLines) {
    ProbeSetup setup;
    ASSERT_TRUE(setup.host->tooltip);
    EXPECT_EQ(*setup.host->tooltip,
              "Probe Ver9.9\r\n"
              "・スタート/ストップ(左ダブルクリック)\r\n"
              "・リセット(左トリプルクリック)\r\n"
              "・ウィンドウ移動(左ドラッグ)");
}

TEST(WindowShell, QueryEndSessionSavesOnlyWhenTheDefaultAllows) {
    ProbeSetup setup;
    EXPECT_FALSE(setup.window.onQueryEndSession(false));
    EXPECT_EQ(setup.count("save"), 0);
    EXPECT_TRUE(setup.window.onQueryEndSession(true));
    EXPECT_EQ(setup.count("save"), 1);
}

TEST(Placement, CentredOnTheMaximizedArea) {
    struct Row {
        Size window;
        Point expected;
    };
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

TEST(Placement, MoveKeepsSizeAndTopmostOnlyChangesTheBand) {
    FakePlatform platform;
    FakeWindow host(platform.time, platform.system);
    moveWindowTo(host, -20, 30);
    setTopmost(host, true);
    setTopmost(host, false);
    const std::vector<std::string> expected = {"moveTo -20,30", "topmost 1", "topmost 0"};
    EXPECT_EQ(host.log, expected);
    EXPECT_EQ(host.rect, (Rect{-20, 30, 180, 110}));
}

}  // namespace
