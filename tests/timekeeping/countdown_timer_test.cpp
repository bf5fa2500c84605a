#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "fake_tick_source.h"
#include "timekeeping/countdown_timer.h"
#include "timekeeping/time_text.h"

namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

// A countdown of durationSec started at tick 0 and read after elapsedMs.
struct ShownCase {
    int32_t durationSec;
    uint32_t elapsedMs;
    int32_t remainingMs;
    bool finished;
    int32_t shownMs;
    const char* shownText;
};

class ShownTimeTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownTimeTest, RemainingFinishedAndShown) {
    const ShownCase& c = GetParam();
    FakeTickSource ticks;
    CountdownTimer timer(ticks);
    timer.setDuration(c.durationSec);
    if (c.elapsedMs != 0) {
        timer.start();
        ticks.advance(c.elapsedMs);
    }
    EXPECT_EQ(timer.remainingMs(), c.remainingMs);
    EXPECT_EQ(timer.isFinished(), c.finished);
    EXPECT_EQ(timer.shownMs(), c.shownMs);
    EXPECT_EQ(formatTime(timer.shownMs(), kClockFormatMode), c.shownText);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ShownTimeTest,
    ::testing::Values(
        // never started: the full duration, no bonus
        ShownCase{180, 0, 180000, false, 180000, "0:03:00"},
        ShownCase{0, 0, 0, true, 0, "0:00:00"},
        // running: remaining rounded up, an exact second shows one more
        ShownCase{180, 1, 179999, false, 180999, "0:03:00"},
        ShownCase{180, 1000, 179000, false, 180000, "0:03:00"},
        ShownCase{180, 1001, 178999, false, 179999, "0:02:59"},
        ShownCase{1, 999, 1, false, 1001, "0:00:01"},
        ShownCase{2, 1999, 1, false, 1001, "0:00:01"},
        ShownCase{2, 1001, 999, false, 1999, "0:00:01"},
        // expired: the overrun counts up from 0:00:00
        ShownCase{1, 1000, 0, true, 0, "0:00:00"},
        ShownCase{1, 1999, -999, true, 999, "0:00:00"},
        ShownCase{1, 2000, -1000, true, 1000, "0:00:01"},
        ShownCase{1, 2500, -1500, true, 1500, "0:00:01"},
        ShownCase{1, 2999, -1999, true, 1999, "0:00:01"},
        ShownCase{60, 3661000, -3601000, true, 3601000, "1:00:01"}));

// Durations and elapsed times at the edges of 32 bits: the arithmetic wraps
// (and the sanitizer build checks that nothing overflows).
INSTANTIATE_TEST_SUITE_P(
    WrapAndOverflow, ShownTimeTest,
    ::testing::Values(
        // the largest duration that fits, and the bonus on top of it
        ShownCase{2147483, 0, 2147483000, false, 2147483000, "596:31:23"},
        ShownCase{2147483, 1, 2147482999, false, kInt32Max, "596:31:23"},
        ShownCase{2147483, 352, 2147482648, false, kInt32Max, "596:31:23"},
        ShownCase{2147483, 353, 2147482647, false, kInt32Max, "596:31:23"},
        ShownCase{2147483, 354, 2147482646, false, 2147483646, "596:31:23"},
        // one second more (a hand-edited settings file) wraps negative
        ShownCase{2147484, 0, -2147483296, true, 2147483296, "596:31:23"},
        ShownCase{2147484, 100, -2147483396, true, 2147483396, "596:31:23"},
        // ... and wraps back to positive once 353 ms have elapsed
        ShownCase{2147484, 352, kInt32Min, true, kInt32Max, "596:31:23"},
        ShownCase{2147484, 5000, 2147479000, false, 2147480000, "596:31:20"},
        ShownCase{kInt32Max, 0, -1000, true, 1000, "0:00:01"},
        ShownCase{kInt32Min, 0, 0, true, 0, "0:00:00"},
        ShownCase{-1, 0, -1000, true, 1000, "0:00:01"},
        // an overrun of 2^31 ms: |INT32_MIN| is shown as INT32_MAX
        ShownCase{0, 2147483648u, kInt32Min, true, kInt32Max, "596:31:23"}));

// Pause keeps the bonus, reset keeps the duration, a new duration leaves the
// clock running, a pause before any start starts nothing.
TEST(CountdownTimer, TransitionsKeepWhatTheyShould) {
    FakeTickSource ticks;
    CountdownTimer timer(ticks);
    timer.setDuration(180);
    timer.pause();
    ticks.now = 1000;
    EXPECT_EQ(timer.clock().state(), ClockState::Reset);
    timer.start();
    ticks.now = 2500;
    timer.pause();
    ticks.now = 60000;
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.remainingMs(), 178500);
    EXPECT_EQ(timer.shownMs(), 179500);
    timer.reset();
    EXPECT_EQ(timer.elapsedMs(), 0u);
    EXPECT_EQ(timer.shownMs(), 180000);
    timer.start();
    ticks.advance(2000);
    timer.setDuration(60);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.remainingMs(), 58000);
}

TEST(CountdownTimer, FinishedCountdownKeepsRunningAcrossTheWrap) {
    FakeTickSource ticks;
    CountdownTimer timer(ticks);
    timer.setDuration(1);
    ticks.now = 4294967000u;
    timer.start();
    ticks.now = 704;  // 1000 ms later, after the counter wrapped
    EXPECT_TRUE(timer.isFinished());
    EXPECT_EQ(timer.shownMs(), 0);
    ticks.advance(2500);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.shownMs(), 2500);
}

}  // namespace
