// The alarm: what expiry does to the window, flashing, the sound, and every
// way of ending it. The window starts at (100, 100), 200 x 80 after a loaded
// start, so the alarm centres it at (420, 360).
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"

namespace {

class Alarm : public ::testing::Test, public CountdownSetup {
protected:
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

TEST_F(Alarm, ExpiryCentresRaisesFlashesAndPlays) {
    runInto(5000);
    ASSERT_TRUE(window->alarmActive());
    EXPECT_TRUE(window->inverted());
    EXPECT_EQ(host->rect, (Rect{420, 360, 620, 440}));
    EXPECT_TRUE(host->topmost);
    EXPECT_EQ(host->timerPeriod(CountdownWindow::kFlashTimerId), 900u);
    EXPECT_TRUE(tickRunning());
    EXPECT_EQ(sounds(), std::vector<std::string>{"play NotifySound.wav"});
    // It opens in the inverted phase: black digits on 0x007F7F.
    EXPECT_EQ(host->lastCanvas.ops.at(0).color, 0x00007F7Fu);
}

TEST_F(Alarm, FlashTogglesEvery900MsAndRepaints) {
    runInto(5000);
    const int before = host->redraws;
    advance(899);
    EXPECT_TRUE(window->inverted());
    advance(1);
    EXPECT_FALSE(window->inverted());
    EXPECT_GT(host->redraws, before);
    advance(900);
    EXPECT_TRUE(window->inverted());
}

TEST_F(Alarm, CountsUpFromZeroAndReads1m05After65Seconds) {
    runInto(5000);
    EXPECT_EQ(shown(), "0:00:00");
    advance(65000);
    EXPECT_EQ(shown(), "0:01:05");
    EXPECT_TRUE(tickRunning());
    EXPECT_TRUE(window->alarmActive());
}

TEST_F(Alarm, LeftPressEndsItAndRestoresEverything) {
    struct Row {
        int32_t topmost;
        bool topmostAfter;
    };
    for (Row row : {Row{0, false}, Row{1, true}}) {
        CountdownSetup s;
        CountdownSettings stored;
        stored.windowRect = {100, 100, 300, 180};
        stored.countdownSeconds = 5;
        stored.topmost = row.topmost;
        s.start(&stored);
        s.doubleClick();
        s.advance(5900);  // in the normal phase after one flash
        s.host->userResize(260, 100);
        s.press();
        EXPECT_FALSE(s.window->alarmActive());
        EXPECT_FALSE(s.window->inverted());
        EXPECT_EQ(s.host->rect, (Rect{100, 100, 360, 200}));  // old corner, new size
        EXPECT_EQ(s.host->topmost, row.topmostAfter);
        EXPECT_EQ(s.sounds().back(), "stop");
        EXPECT_FALSE(s.tickRunning());
        EXPECT_FALSE(s.flashRunning());
        EXPECT_EQ(s.shown(), "0:00:05");
        EXPECT_EQ(s.host->paintedTexts.back(), "0:00:05");
        // The press started no sequence; its release does nothing.
        EXPECT_FALSE(s.host->captured);
        s.release();
        EXPECT_EQ(s.window->clickCount(), -1);
        // The next click is an ordinary click again.
        s.doubleClick();
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

TEST_F(Alarm, SilentWhenTheSoundIsOff) {
    runInto(5000, 0, 0);
    EXPECT_TRUE(window->alarmActive());
    press();
    EXPECT_TRUE(sounds().empty());
}

TEST_F(Alarm, SoundSwitchedOffDuringTheAlarmIsStillStopped) {
    runInto(5000, 0, 1);
    window->countdownSettings().alarmSound = 0;
    press();
    EXPECT_EQ(sounds(), (std::vector<std::string>{"play NotifySound.wav", "stop"}));
}

TEST_F(Alarm, SoundSwitchedOnDuringASilentAlarmIsNotStopped) {
    runInto(5000, 0, 0);
    window->countdownSettings().alarmSound = 1;
    press();
    EXPECT_TRUE(sounds().empty());
}

TEST_F(Alarm, SoundFileFromTheCurrentDirectoryOrBesideTheExecutable) {
    struct Row {
        std::vector<std::string> present;
        std::string played;
    };
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
        s.window->setCountdownDuration(0);
        s.advance(100);
        ASSERT_EQ(s.sounds().size(), 1u);
        EXPECT_EQ(s.sounds()[0], row.played);
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
    EXPECT_EQ(window->clickCount(), 1);
    advance(200);
    ASSERT_TRUE(window->alarmActive());
    EXPECT_EQ(window->clickCount(), -1);
    const bool running = window->countdown().isRunning();
    advance(500);  // the pending click timer finds no sequence
    EXPECT_EQ(window->countdown().isRunning(), running);
    EXPECT_TRUE(window->alarmActive());
}

TEST_F(Alarm, SavingDuringTheAlarmStoresThePreAlarmCornerWithTheCurrentSize) {
    runInto(6000);
    host->userResize(300, 90);
    EXPECT_TRUE(window->onQueryEndSession(true));
    CountdownSettings saved;
    ASSERT_TRUE(saved.load(platform.files, platform.services().settingsPath));
    EXPECT_EQ(saved.windowRect, (Rect{100, 100, 400, 190}));
    EXPECT_EQ(saved.countdownSeconds, 5);
}

TEST_F(Alarm, ExitDuringTheAlarmSavesThenEndsTheRun) {
    runInto(6000);
    window->onCommand(kCmdExit);
    EXPECT_EQ(host->endResult, 1);
    CountdownSettings saved;
    ASSERT_TRUE(saved.load(platform.files, platform.services().settingsPath));
    EXPECT_EQ(saved.windowRect, (Rect{100, 100, 300, 180}));
}

}  // namespace
