// The countdown's states and transitions on virtual time: start, pause,
// resume, reset, new durations, expiry.
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"

namespace {

class Control : public ::testing::Test, public CountdownSetup {};

TEST_F(Control, DoubleClickStartsPausesAndResumes) {
    startIdle(60);
    doubleClick();
    EXPECT_TRUE(window->countdown().isRunning());
    EXPECT_EQ(host->timerPeriod(CountdownWindow::kTickTimerId), 100u);
    advance(10000);
    doubleClick();
    EXPECT_FALSE(window->countdown().isRunning());
    EXPECT_FALSE(tickRunning());
    EXPECT_EQ(window->countdown().remainingMs(), 50000);
    EXPECT_EQ(shown(), "0:00:51");
    advance(5000);
    EXPECT_EQ(shown(), "0:00:51");
    doubleClick();
    EXPECT_TRUE(tickRunning());
    EXPECT_EQ(window->countdown().remainingMs(), 50000);  // the pause is not counted
    advance(10000);
    EXPECT_EQ(window->countdown().remainingMs(), 40000);
}

TEST_F(Control, ThreeSecondCountdownShowsEachSecondThenCountsUpInTheAlarm) {
    startIdle(3);
    host->paintedTexts.clear();
    doubleClick();
    advance(2999);
    EXPECT_FALSE(window->alarmActive());
    advance(1);
    EXPECT_TRUE(window->alarmActive());
    advance(2000);
    std::vector<std::string> distinct;
    for (const auto& t : host->paintedTexts)
        if (distinct.empty() || distinct.back() != t) distinct.push_back(t);
    const std::vector<std::string> expected = {"0:00:03", "0:00:02", "0:00:01", "0:00:00", "0:00:01", "0:00:02"};
    EXPECT_EQ(distinct, expected);
}

TEST_F(Control, TripleClickLeavesItStoppedAtTheFullDuration) {
    for (bool running : {true, false}) {
        CountdownSetup s;
        s.startIdle(60);
        if (running) s.doubleClick();
        s.advance(3000);
        s.click();
        s.click();
        s.click();
        // The toggle of the second release shows until the sequence ends.
        EXPECT_EQ(s.window->countdown().isRunning(), !running);
        s.advance(500);
        EXPECT_FALSE(s.window->countdown().isRunning()) << running;
        EXPECT_EQ(s.shown(), "0:01:00") << running;
        EXPECT_FALSE(s.tickRunning());
    }
}

TEST_F(Control, NewDurationRestartsWithAutoStartOrStopsWithout) {
    for (int32_t autoStart : {1, 0}) {
        CountdownSetup s;
        s.startIdle(60);
        s.doubleClick();
        s.advance(5000);
        s.window->countdownSettings().autoStart = autoStart;
        s.window->setCountdownDuration(20);
        EXPECT_EQ(s.window->countdown().isRunning(), autoStart == 1);
        EXPECT_EQ(s.tickRunning(), autoStart == 1);
        EXPECT_EQ(s.window->countdown().remainingMs(), 20000);
        EXPECT_EQ(s.host->paintedTexts.back(), "0:00:20");
    }
}

TEST_F(Control, DoubleClickAfterZeroBeforeTheTickPausesWithoutAlarm) {
    startIdle(1);
    doubleClick();
    advance(900);
    platform.time.skip(150);  // zero passes while the loop is busy
    doubleClick();
    EXPECT_FALSE(window->alarmActive());
    EXPECT_FALSE(window->countdown().isRunning());
    EXPECT_EQ(window->countdown().remainingMs(), -50);
    EXPECT_EQ(shown(), "0:00:00");
    advance(5000);
    EXPECT_FALSE(window->alarmActive());
    doubleClick();
    advance(99);
    EXPECT_FALSE(window->alarmActive());
    advance(1);
    EXPECT_TRUE(window->alarmActive());
}

TEST_F(Control, CountdownGoesOnUnderTheMenuAndTheChosenCommandActsOnTheAlarm) {
    startIdle(2);
    doubleClick();
    platform.menus.choice = kCmdStartStop;
    platform.menus.whileOpen = [this] { advance(3000); };
    window->onRButtonDown(kAt);
    window->onRButtonUp(kAt);
    // Expired under the menu; start/stop then pauses the alarming clock.
    EXPECT_TRUE(window->alarmActive());
    EXPECT_FALSE(window->countdown().isRunning());
    EXPECT_FALSE(tickRunning());
    EXPECT_TRUE(flashRunning());
    EXPECT_TRUE(host->topmost);
    EXPECT_EQ(host->rect.left, (1040 - host->rect.width()) / 2);
    // Only a press ends it.
    press();
    EXPECT_FALSE(window->alarmActive());
    EXPECT_EQ(shown(), "0:00:02");
}

TEST_F(Control, AlarmUnderADialogThenANewDurationKeepsTheAlarm) {
    startIdle(1);
    doubleClick();
    platform.dialogs.onSetTime = [this](SetTimeDialog&) {
        advance(2000);
        return static_cast<int>(kDialogCancel);
    };
    window->onCommand(kCmdSetTime);
    EXPECT_TRUE(window->alarmActive());
    window->setCountdownDuration(30);
    EXPECT_TRUE(window->alarmActive());
    EXPECT_TRUE(flashRunning());
    EXPECT_EQ(window->countdown().remainingMs(), 30000);
}

}  // namespace
