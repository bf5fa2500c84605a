// The application's start-up: order of steps, first run, loaded settings and
// the window that lies off every display.
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"
#include "countdown/timer_app.h"

namespace {

TEST(StartUp, FirstRunOrderUnderTheModalRun) {
    FakePlatform platform;
    std::vector<std::string> log;
    bool guardAfterInit = true;
    std::string text;
    std::optional<std::string> tooltip;
    platform.runner.session = [&](TimerWindow& window, FakeWindow& host) {
        log = host.log;
        tooltip = host.tooltip;
        guardAfterInit = window.sizingGuard();
        text = window.displayState().text;
    };
    TimerApp app;
    EXPECT_FALSE(app.run(platform.services(), platform.runner));
    EXPECT_EQ(platform.runner.runs, 1);
    // The template font is 12 px high: the sample is 48 x 12, the band makes
    // the client 14 high, the frame adds 8. Centred in 1040 x 800.
    const std::vector<std::string> expected = {
        "redraw",  // the size message of creation only repaints: the guard is up
        "init", "resize 56x22", "redraw", "moveTo 492,389", "topmost 0", "tooltip",
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(platform.text.heights, std::vector<int32_t>{-12});
    EXPECT_FALSE(guardAfterInit);
    EXPECT_EQ(text, "0:03:00");
    EXPECT_EQ(tooltip,
              "Quillastorカウントダウンタイマー Ver1.01\r\n・スタート/ストップ(左ダブルクリック)\r\n"
              "・リセット(左トリプルクリック)\r\n・ウィンドウ移動(左ドラッグ)");
}

TEST(StartUp, FirstRunValues) {
    CountdownSetup s;
    s.start();
    const CountdownSettings& options = s.window->countdownSettings();
    LogFont bold = fakeTemplateFont();
    bold.lfWeight = 700;
    EXPECT_EQ(options.logFont(), bold);
    EXPECT_EQ(options.reserved, 32);
    EXPECT_EQ(options.textColor, 0x00FFFFFFu);
    EXPECT_EQ(options.backColor, 0x00FF8080u);
    EXPECT_EQ(options.autoStart, 1);
    EXPECT_EQ(options.registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));
    EXPECT_FALSE(s.window->countdown().isRunning());
}

TEST(StartUp, LoadedSettingsPlaceTheWindowAndSetTheDuration) {
    CountdownSettings stored;
    stored.windowRect = {300, 200, 500, 260};
    stored.countdownSeconds = 95;
    stored.topmost = 7;
    LogFont font = fakeTemplateFont();
    font.lfHeight = 33;
    stored.setFont(font);
    CountdownSetup s;
    s.start(&stored);
    EXPECT_EQ(s.host->rect, (Rect{300, 200, 500, 260}));
    EXPECT_TRUE(s.host->logContains("place 300,200,500,260"));
    EXPECT_TRUE(s.host->topmost);
    EXPECT_EQ(s.shown(), "0:01:35");
    EXPECT_FALSE(s.tickRunning());  // a loaded duration is not started
    // The loaded font is used as stored: the size message of placing only repaints.
    EXPECT_EQ(s.window->settings().logFont(), font);
    EXPECT_TRUE(s.platform.text.heights.empty());
}

TEST(StartUp, AWindowOffEveryDisplayIsCentredKeepingItsSize) {
    struct Row { const char* name; Rect stored; std::vector<Rect> monitors; Rect expected; };
    const std::vector<Rect> one{{0, 0, 1024, 768}};
    const std::vector<Rect> two{{0, 0, 1024, 768}, {-1280, 0, 0, 1024}};
    const Row table[] = {
        {"far right", {5000, 100, 5200, 160}, one, {420, 370, 620, 430}},
        {"just past the bottom edge", {10, 768, 210, 828}, one, {420, 370, 620, 430}},
        {"touching the left edge from outside", {-200, 100, 0, 160}, one, {420, 370, 620, 430}},
        {"partly visible", {-100, -20, 100, 40}, one, {-100, -20, 100, 40}},
        {"one pixel inside", {1023, 767, 1223, 827}, one, {1023, 767, 1223, 827}},
        {"secondary display left of the primary", {-1000, 100, -800, 160}, two, {-1000, 100, -800, 160}},
        {"unplugged secondary display", {-1000, 100, -800, 160}, one, {420, 370, 620, 430}},
        {"the platform knows no displays", {5000, 100, 5200, 160}, {}, {5000, 100, 5200, 160}},
    };
    for (const Row& row : table) {
        CountdownSettings stored;
        stored.windowRect = row.stored;
        stored.countdownSeconds = 60;
        CountdownSetup s;
        s.platform.system.monitors = row.monitors;
        s.start(&stored);
        EXPECT_EQ(s.host->rect, row.expected) << row.name;
    }
}

// Seven stored times; then the same file cut short after three of them,
// which fails to load and gets the three first-run times appended.
TEST(StartUp, RegisteredTimesAreCutToTheFirstFive) {
    CountdownSettings stored;
    stored.windowRect = {100, 100, 300, 160};
    stored.registeredTimes = {10, 20, 30, 40, 50, 60, 70};
    CountdownSetup loaded;
    loaded.start(&stored);
    EXPECT_EQ(loaded.window->countdownSettings().registeredTimes, (std::vector<uint32_t>{10, 20, 30, 40, 50}));

    CountdownSetup damaged;
    const std::string& path = damaged.platform.services().settingsPath;
    stored.save(damaged.platform.files, path);
    damaged.platform.files.files[path].resize(108 + 3 * 4);
    damaged.start();
    EXPECT_EQ(damaged.window->countdownSettings().registeredTimes, (std::vector<uint32_t>{10, 20, 30, 180, 600}));
}

}  // namespace
