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
