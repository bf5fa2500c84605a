// The snapshot and its repaint rationing.
#include <gtest/gtest.h>

#include "countdown/countdown_setup.h"

namespace {

class Display : public ::testing::Test, public CountdownSetup {};

TEST_F(Display, ARunningMinuteRepaintsOncePerSecond) {
    startIdle(180);
    const int before = host->redraws;
    const int firedBefore = platform.time.firedCount();
    window->toggleStartStop();
    advance(60000);
    EXPECT_EQ(platform.time.firedCount() - firedBefore, 600);
    // The start, then each of the 59 seconds shown after it.
    EXPECT_EQ(host->redraws - before, 60);
    EXPECT_EQ(shown(), "0:02:01");
}

TEST_F(Display, TextForAThreeMinuteCountdown) {
    struct Row { const char* situation; uint32_t elapsed; bool pausedThere; std::string text; };
    const Row table[] = {
        {"reset", 0, false, "0:03:00"},
        {"200 ms after the start", 200, false, "0:03:00"},
        {"one second", 1000, false, "0:03:00"},
        {"just past one second", 1001, false, "0:02:59"},
        {"1 ms left", 179999, false, "0:00:01"},
        {"paused with 2 s left", 178000, true, "0:00:03"},
        {"finished", 180000, false, "0:00:00"},
        {"999 ms into the alarm", 180999, false, "0:00:00"},
        {"65 s into the alarm", 245000, false, "0:01:05"},
    };
    for (const Row& row : table) {
        CountdownSetup s;
        s.startIdle(180);
        if (row.elapsed > 0) s.window->startCountdown();
        // No ticks: the snapshot is built at exactly this moment.
        s.platform.time.skip(row.elapsed);
        if (row.pausedThere) s.window->stopCountdown();
        s.window->updateDisplay(false);
        EXPECT_EQ(s.shown(), row.text) << row.situation;
    }
}

TEST_F(Display, UpdateWithoutRedrawNeverPaintsAndKeepsTheLastPainted) {
    startIdle(60);
    window->toggleStartStop();
    const int before = host->redraws;
    platform.time.skip(1500);
    window->updateDisplay(false);
    EXPECT_EQ(shown(), "0:00:59");
    EXPECT_EQ(host->redraws, before);
    // Compared with the last painted "0:01:00", not with the rebuilt snapshot.
    window->updateDisplay(true);
    EXPECT_EQ(host->redraws, before + 1);
    window->updateDisplay(true);
    EXPECT_EQ(host->redraws, before + 1);
}

// The first redraw of each window paints, and so does a change of underline or running.
TEST_F(Display, TheFirstRedrawAndEveryChangeRepaint) {
    CountdownSetup other;
    other.start();
    other.window->updateDisplay(true);
    start();
    int before = host->redraws;
    window->updateDisplay(true);
    EXPECT_EQ(host->redraws, before + 1);
    window->settings().underline = 0;
    window->updateDisplay(true);
    EXPECT_EQ(host->redraws, before + 2);
    window->startCountdown();
    window->updateDisplay(true);
    EXPECT_EQ(host->redraws, before + 3);
    EXPECT_TRUE(window->displayState().running);
}

}  // namespace
