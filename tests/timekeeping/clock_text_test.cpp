#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "timekeeping/time_text.h"

namespace {

struct ClockCase { int32_t ms; const char* text; };

class FormatTimeTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(FormatTimeTest, PrintsHoursMinutesSeconds) {
    EXPECT_EQ(formatTime(GetParam().ms, kClockFormatMode), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatTimeTest,
                         ::testing::Values(ClockCase{0, "0:00:00"}, ClockCase{999, "0:00:00"},
                                           ClockCase{1000, "0:00:01"}, ClockCase{59999, "0:00:59"},
                                           ClockCase{180000, "0:03:00"}, ClockCase{3599999, "0:59:59"},
                                           ClockCase{3600000, "1:00:00"}, ClockCase{3661000, "1:01:01"},
                                           ClockCase{86399000, "23:59:59"}, ClockCase{36000000, "10:00:00"},
                                           ClockCase{360000000, "100:00:00"},
                                           ClockCase{std::numeric_limits<int32_t>::max(), "596:31:23"}));

// Parts are taken without a range check, and out-of-range sums wrap.
TEST(ToSecondsTest, TakesPartsWithoutRangeCheckAndWraps) {
    const int32_t max = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(toSeconds(0, 2, 120), 240);
    EXPECT_EQ(toSeconds(1, -1, 0), 3540);
    EXPECT_EQ(toSeconds(1000000, 0, 0), -694967296);  // 3.6e9 - 2^32
    EXPECT_EQ(toSeconds(max, 0, 0), -3600);
    EXPECT_EQ(toSeconds(0, 1, max), std::numeric_limits<int32_t>::min() + 59);
}

}  // namespace
