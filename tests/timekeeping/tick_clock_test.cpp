#include <gtest/gtest.h>

#include "fake_tick_source.h"
#include "timekeeping/tick_clock.h"

namespace {

class TickClockTest : public ::testing::Test {
protected:
    FakeTickSource ticks;
    TickClock clock{ticks};

    void startAt(uint32_t tick) { ticks.now = tick; clock.start(); }
    void pauseAt(uint32_t tick) { ticks.now = tick; clock.pause(); }
};

TEST_F(TickClockTest, NewClockIsResetAndReadsZero) {
    ticks.now = 5000;
    EXPECT_EQ(clock.state(), ClockState::Reset);
    EXPECT_FALSE(clock.isRunning());
    EXPECT_EQ(clock.elapsedMs(), 0u);
}

TEST_F(TickClockTest, RunningClockCountsFromItsStart) {
    startAt(1000);
    ticks.now = 3500;
    EXPECT_TRUE(clock.isRunning());
    EXPECT_EQ(clock.elapsedMs(), 2500u);
}

TEST_F(TickClockTest, PauseExcludesThePausedSpan) {
    startAt(1000);
    pauseAt(4000);
    ticks.now = 9000;
    EXPECT_EQ(clock.state(), ClockState::Paused);
    EXPECT_FALSE(clock.isRunning());
    EXPECT_EQ(clock.elapsedMs(), 3000u);
    startAt(10000);
    ticks.now = 12000;
    EXPECT_EQ(clock.elapsedMs(), 5000u);
}

TEST_F(TickClockTest, StartWhileRunningKeepsTheFirstStart) {
    startAt(1000);
    startAt(2000);
    ticks.now = 3000;
    EXPECT_EQ(clock.elapsedMs(), 2000u);
}

TEST_F(TickClockTest, PauseOnResetOrPausedClockChangesNothing) {
    pauseAt(100);
    EXPECT_EQ(clock.state(), ClockState::Reset);
    EXPECT_EQ(clock.elapsedMs(), 0u);

    startAt(1000);
    pauseAt(1500);
    pauseAt(2500);  // a second pause must not move the pause tick
    startAt(3000);
    ticks.now = 3100;
    EXPECT_EQ(clock.elapsedMs(), 600u);
}

TEST_F(TickClockTest, ResetFromAnyStateClearsElapsedTime) {
    startAt(1000);
    pauseAt(4000);
    clock.reset();
    EXPECT_EQ(clock.state(), ClockState::Reset);
    EXPECT_EQ(clock.elapsedMs(), 0u);

    startAt(5000);
    ticks.now = 6000;
    clock.reset();
    EXPECT_EQ(clock.elapsedMs(), 0u);
    startAt(7000);  // a fresh start after a reset, not a resume
    ticks.now = 7250;
    EXPECT_EQ(clock.elapsedMs(), 250u);
}

TEST_F(TickClockTest, RunningAcrossTheCounterWrap) {
    startAt(4294967000u);  // 2^32 - 296
    ticks.now = 704;
    EXPECT_EQ(clock.elapsedMs(), 1000u);
}

TEST_F(TickClockTest, PauseAndResumeAcrossTheCounterWrap) {
    startAt(4294966000u);
    pauseAt(4294967000u);  // 1000 ms run
    startAt(500);          // resumed after the wrap, 796 ms paused
    ticks.now = 2500;
    EXPECT_EQ(clock.elapsedMs(), 3000u);
    pauseAt(3000);
    EXPECT_EQ(clock.elapsedMs(), 3500u);
}

TEST_F(TickClockTest, ElapsedTimeJustBelowOneFullWrap) {
    startAt(10);
    ticks.now = 9;  // 2^32 - 1 ms later
    EXPECT_EQ(clock.elapsedMs(), 4294967295u);
}

}  // namespace
