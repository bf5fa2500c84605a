// The alarm: what expiry does to the window, flashing, the sound, and every
// way of ending it. The window starts at (100, 100), 200 x 80 after a loaded
// start, so the alarm centres it at (420, 360).
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"

namespace {

struct AlarmSetup : CountdownSetup {
    // Loaded start (no fitting), 5 s duration, running, then `ms` later.
    void runInto(uint32_t ms, int32_t topmost = 0, int32_t sound = 1) {
        CountdownSettings stored;
        stored.windowRect = {100, 100, 300, 180};
        stored.countdownSeconds = 5;
        stored.topmost = topmost;
        stored.alarmSound = sound;
        stored.textColor = 0x00FFFFFF;
        stored.backColor = 0x00FF8080;
        start(&stored);
        doubleClick();
        advance(ms);
    }
};

class Alarm : public ::testing::Test, public AlarmSetup {};

TEST_F(Alarm, ExpiryCentresRaisesFlashesPlaysAndCountsUp) {
    runInto(4999);
    EXPECT_FALSE(window->alarmActive());
    advance(1);
    ASSERT_TRUE(window->alarmActive());
    EXPECT_EQ(host->rect, (Rect{420, 360, 620, 440}));
    EXPECT_TRUE(host->topmost);
    EXPECT_EQ(sounds(), std::vector<std::string>{"play NotifySound.wav"});
    // It opens in the inverted phase (black digits on 0x007F7F) and flips every 900 ms.
    EXPECT_TRUE(window->inverted());
    EXPECT_EQ(host->lastCanvas.ops.at(0).color, 0x00007F7Fu);
    EXPECT_EQ(shown(), "0:00:00");
    advance(899);
    EXPECT_TRUE(window->inverted());
    const int before = host->redraws;
    advance(1);
    EXPECT_FALSE(window->inverted());
    EXPECT_GT(host->redraws, before);
    advance(900);
    EXPECT_TRUE(window->inverted());
    advance(65000 - 1800);
    EXPECT_EQ(shown(), "0:01:05");
    EXPECT_TRUE(tickRunning());
    EXPECT_TRUE(window->alarmActive());
}

TEST_F(Alarm, LeftPressEndsItAndRestoresEverything) {
    for (int32_t topmost : {0, 1}) {
        AlarmSetup s;
        s.runInto(5900, topmost);  // in the normal phase after one flash
        s.host->resizeTo(260, 100);
        s.press();
        EXPECT_FALSE(s.window->alarmActive());
        EXPECT_FALSE(s.window->inverted());
        EXPECT_EQ(s.host->rect, (Rect{100, 100, 360, 200}));  // old corner, new size
        EXPECT_EQ(s.host->topmost, topmost == 1);
        EXPECT_EQ(s.sounds().back(), "stop");
        EXPECT_FALSE(s.tickRunning());
        EXPECT_FALSE(s.flashRunning());
        EXPECT_EQ(s.host->paintedTexts.back(), "0:00:05");
        EXPECT_EQ(s.host->lastCanvas.ops.at(0).color, 0x00FF8080u);
        // The press started no sequence; its release does nothing.
        EXPECT_FALSE(s.host->captured);
        s.release();
        EXPECT_EQ(s.window->clickCount(), -1);
        s.doubleClick();  // an ordinary double-click again
        EXPECT_TRUE(s.window->countdown().isRunning());
    }
}

TEST_F(Alarm, RightPressEndsItAndItsReleaseOpensTheMenuOnTheResetCountdown) {
    runInto(6000);
    window->onRButtonDown(kAt);
    EXPECT_FALSE(window->alarmActive());
    EXPECT_TRUE(platform.menus.shown.empty());
    window->onRButtonUp(kAt);
    ASSERT_EQ(platform.menus.shown.size(), 1u);
    EXPECT_FALSE(window->displayState().running);
}

// A sound that was started is stopped whatever the option says by then.
TEST_F(Alarm, SoundFollowsTheOptionAtExpiry) {
    struct Row { int32_t atExpiry, atDismissal; std::vector<std::string> events; };
    const Row table[] = {{0, 0, {}}, {1, 0, {"play NotifySound.wav", "stop"}}, {0, 1, {}}};
    for (const Row& row : table) {
        AlarmSetup s;
        s.runInto(5000, 0, row.atExpiry);
        EXPECT_TRUE(s.window->alarmActive());
        s.window->countdownSettings().alarmSound = row.atDismissal;
        s.press();
        EXPECT_EQ(s.sounds(), row.events) << row.atExpiry;
    }
}

// Looked up in the current directory, then beside the executable (/fake/exe);
// the sound service decides what is heard when it is nowhere.
TEST_F(Alarm, SoundFileFromTheCurrentDirectoryOrBesideTheExecutable) {
    struct Row { std::vector<std::string> present; std::string played; };
    const Row table[] = {
        {{"NotifySound.wav"}, "play NotifySound.wav"},
        {{"NotifySound.wav", "/fake/exe/NotifySound.wav"}, "play NotifySound.wav"},
        {{"/fake/exe/NotifySound.wav"}, "play /fake/exe/NotifySound.wav"},
        {{}, "play NotifySound.wav"},
    };
    for (const Row& row : table) {
        CountdownSetup s;
        for (const auto& f : row.present) s.platform.files.files[f] = {1};
        s.start();
        s.window->setCountdownDuration(0);  // auto-start on: the alarm comes at the first tick
        s.advance(99);
        EXPECT_FALSE(s.window->alarmActive());
        s.advance(1);
        EXPECT_EQ(s.sounds(), std::vector<std::string>{row.played});
    }
}

TEST_F(Alarm, ADragInProgressIsNotInterrupted) {
    runInto(4900);
    press();
    window->onMouseMove({kAt.x + 10, kAt.y});
    EXPECT_EQ(host->rect.left, 110);
    advance(100);
    ASSERT_TRUE(window->alarmActive());
    EXPECT_EQ(host->rect.left, 420);
    // The next move of the drag brings the window back under the pointer.
    window->onMouseMove({kAt.x + 12, kAt.y});
    EXPECT_EQ(host->rect.left, 432);
    release();
    EXPECT_TRUE(window->alarmActive());
    press();
    EXPECT_FALSE(window->alarmActive());
}

TEST_F(Alarm, AClickSequenceBeforeExpiryIsDropped) {
    runInto(4800);
    click();
    advance(200);
    ASSERT_TRUE(window->alarmActive());
    EXPECT_EQ(window->clickCount(), -1);
    const bool running = window->countdown().isRunning();
    advance(500);  // the pending click timer finds no sequence
    EXPECT_EQ(window->countdown().isRunning(), running);
    EXPECT_TRUE(window->alarmActive());
}

TEST_F(Alarm, ExitDuringTheAlarmSavesThePreAlarmCornerWithTheCurrentSize) {
    runInto(6000);
    host->resizeTo(300, 90);
    window->onCommand(kCmdExit);
    EXPECT_EQ(host->endResult, 1);
    CountdownSettings saved;
    ASSERT_TRUE(saved.load(platform.files, platform.services().settingsPath));
    EXPECT_EQ(saved.windowRect, (Rect{100, 100, 400, 190}));
    EXPECT_EQ(saved.countdownSeconds, 5);
}

}  // namespace
