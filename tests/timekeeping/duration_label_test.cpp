#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "timekeeping/time_text.h"

namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

struct LabelCase { int32_t seconds; const char* label; };

class DurationLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(DurationLabelTest, SpellsTheDurationAndParsesBack) {
    EXPECT_EQ(durationLabel(GetParam().seconds), GetParam().label);
    EXPECT_EQ(parseDurationLabel(GetParam().label), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DurationLabelTest,
    ::testing::Values(LabelCase{0, "0秒"}, LabelCase{1, "1秒"}, LabelCase{59, "59秒"}, LabelCase{60, "1分"},
                      LabelCase{61, "1分1秒"}, LabelCase{180, "3分"}, LabelCase{600, "10分"},
                      LabelCase{3599, "59分59秒"}, LabelCase{3600, "1時間"}, LabelCase{3601, "1時間0分1秒"},
                      LabelCase{3660, "1時間1分"}, LabelCase{3661, "1時間1分1秒"}, LabelCase{5400, "1時間30分"},
                      LabelCase{86399, "23時間59分59秒"}, LabelCase{90000, "25時間"},
                      LabelCase{kInt32Max, "596523時間14分7秒"}));

TEST(DurationLabelTest, RoundTripsEveryValueUpTo200000AndLargeOnes) {
    for (int32_t s = 0; s <= 200000; ++s) ASSERT_EQ(parseDurationLabel(durationLabel(s)), s) << durationLabel(s);
    for (int32_t s = kInt32Max; s > 200000; s -= 9999991)
        ASSERT_EQ(parseDurationLabel(durationLabel(s)), s) << durationLabel(s);
}

struct ParseCase { const char* text; int32_t seconds; };

class ParseDurationLabelTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDurationLabelTest, Parses) {
    EXPECT_EQ(parseDurationLabel(GetParam().text), GetParam().seconds) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseDurationLabelTest,
    ::testing::Values(ParseCase{"", 0}, ParseCase{"abc", 0}, ParseCase{"1時間 30分", 5400},
                      ParseCase{" 1時間 30分", 5400}, ParseCase{"1時間30", 3600}, ParseCase{"5秒3分", 300},
                      ParseCase{"2分120秒", 240}, ParseCase{"分", 0}, ParseCase{"x5分", 0}));

INSTANTIATE_TEST_SUITE_P(
    AtoiRules, ParseDurationLabelTest,
    ::testing::Values(ParseCase{"\t\r\n1時間\n\v\f30分 5秒", 5405}, ParseCase{"1時間30分5秒後", 5405},
                      ParseCase{"+7秒", 7}, ParseCase{"-5分", -300}, ParseCase{"12abc分", 720},
                      ParseCase{"1時30分", 60},  // 時 alone is not the hours unit
                      ParseCase{"1分2分", 60}, ParseCase{"- 5秒", 0}, ParseCase{"007秒", 7}));

// Numbers beyond 32 bits saturate, and the sum of the parts wraps.
INSTANTIATE_TEST_SUITE_P(
    Overflow, ParseDurationLabelTest,
    ::testing::Values(ParseCase{"2147483647秒", kInt32Max}, ParseCase{"2147483648秒", kInt32Max},
                      ParseCase{"99999999999999999999999999秒", kInt32Max},
                      ParseCase{"-2147483648秒", kInt32Min}, ParseCase{"-99999999999999999999秒", kInt32Min},
                      ParseCase{"1000000時間", -694967296}, ParseCase{"596523時間14分8秒", kInt32Min}));

}  // namespace
