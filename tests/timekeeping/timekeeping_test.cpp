// The stopwatch, the countdown's shown-time rule, when its shown second next
// changes, and the two text forms of a duration. The sanitizer build checks that nothing here overflows.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "timekeeping/countdown_timer.h"
#include "timekeeping/second_boundary.h"
#include "timekeeping/time_text.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

struct Ticks : TickSource {
    uint32_t nowMs() const override { return now; }
    uint32_t now = 0;
};

// A step sets the tick counter, then starts ('S'), pauses ('P'), resets ('R')
// or only reads ('-') the clock, and checks the elapsed time after it.
struct Step { uint32_t tick; char op; uint32_t elapsed; };

TEST(TickClock, Timelines) {
    const std::pair<const char*, std::vector<Step>> table[] = {
        {"new clock reads zero", {{5000, '-', 0}, {5000, 'P', 0}, {6000, '-', 0}}},
        {"pause excludes the paused span", {{1000, 'S', 0}, {4000, 'P', 3000}, {9000, '-', 3000}, {10000, 'S', 3000}, {12000, '-', 5000}}},
        {"a second start keeps the first", {{1000, 'S', 0}, {2000, 'S', 1000}, {3000, '-', 2000}}},
        {"a second pause keeps the first", {{1000, 'S', 0}, {1500, 'P', 500}, {2500, 'P', 500}, {3000, 'S', 500}, {3100, '-', 600}}},
        {"reset, then a fresh start", {{1000, 'S', 0}, {4000, 'P', 3000}, {4500, 'R', 0}, {5000, 'S', 0}, {6000, 'R', 0}, {7000, 'S', 0}, {7250, '-', 250}}},
        {"pause and resume across the wrap", {{4294966000u, 'S', 0}, {4294967000u, 'P', 1000}, {500, 'S', 1000}, {2500, '-', 3000}}},
        {"just below one full wrap", {{10, 'S', 0}, {9, '-', 4294967295u}}},
    };
    for (const auto& [name, steps] : table) {
        Ticks ticks;
        TickClock clock{ticks};
        for (const Step& step : steps) {
            ticks.now = step.tick;
            if (step.op == 'S') clock.start();
            if (step.op == 'P') clock.pause();
            if (step.op == 'R') clock.reset();
            EXPECT_EQ(clock.elapsedMs(), step.elapsed) << name << " at " << step.tick;
        }
    }
}

// A countdown of `seconds` started at tick 0 and read `elapsed` ms later:
// remaining time rounds up, the overrun counts up from 0:00:00, durations at
// the edge of 32 bits wrap as the file format defines.
TEST(CountdownTimer, ShownTime) {
    struct Row { int32_t seconds; uint32_t elapsed; int32_t remaining; bool finished; int32_t shownMs; const char* text; };
    const Row table[] = {
        {180, 0, 180000, false, 180000, "0:03:00"},  // never started: no extra second
        {180, 1, 179999, false, 180999, "0:03:00"},
        {180, 1001, 178999, false, 179999, "0:02:59"},
        {1, 999, 1, false, 1001, "0:00:01"},
        {1, 1000, 0, true, 0, "0:00:00"},
        {1, 2000, -1000, true, 1000, "0:00:01"},
        {60, 3661000, -3601000, true, 3601000, "1:00:01"},
        {2147483, 352, 2147482648, false, kMax, "596:31:23"},  // the extra second saturates
        {2147483, 354, 2147482646, false, 2147483646, "596:31:23"},
        {2147484, 0, -2147483296, true, 2147483296, "596:31:23"},  // one second more wraps negative
        {2147484, 5000, 2147479000, false, 2147480000, "596:31:20"},
        {kMin, 0, 0, true, 0, "0:00:00"},
        {0, 2147483648u, kMin, true, kMax, "596:31:23"},  // |INT32_MIN| shows as INT32_MAX
    };
    for (const Row& row : table) {
        Ticks ticks;
        CountdownTimer timer(ticks);
        timer.setDuration(row.seconds);
        if (row.elapsed != 0) timer.start();
        ticks.now = row.elapsed;
        SCOPED_TRACE(std::to_string(row.seconds) + " s after " + std::to_string(row.elapsed) + " ms");
        EXPECT_EQ(std::tuple(timer.remainingMs(), timer.isFinished(), timer.shownMs()), std::tuple(row.remaining, row.finished, row.shownMs));
        EXPECT_EQ(formatTime(timer.shownMs(), kClockFormatMode), row.text);
    }
}

// From every millisecond of a run started just before the tick count wraps,
// the shown second stays until the moment msToNextSecond names and changes
// there; the last second ends at the expiry, not a millisecond later.
TEST(SecondBoundary, NamesTheNextChangeOfTheShownSecond) {
    for (const int32_t seconds : {0, 1, 2, 61}) {
        Ticks ticks;
        ticks.now = 4294966000u;
        CountdownTimer timer(ticks);
        timer.setDuration(seconds);
        timer.start();
        const auto shown = [&](uint32_t at) { return std::pair(timer.shownAt(ticks.now + at) / 1000, timer.remainingAt(ticks.now + at) > 0); };
        for (uint32_t elapsed = 0; elapsed < 4000; ++elapsed) {
            const uint32_t next = msToNextSecond(timer, ticks.now + elapsed);
            ASSERT_EQ(shown(elapsed + next - 1), shown(elapsed)) << seconds << " s at " << elapsed;
            ASSERT_NE(shown(elapsed + next).first, shown(elapsed).first) << seconds << " s at " << elapsed;
        }
    }
}

// Each language spells a duration its own way, and the parser reads all.
TEST(DurationLabel, SpellsAndParsesBackInEveryLanguage) {
    const struct { int32_t seconds; const char* ja; const char* en; } table[] = {
        {0, "0秒", "0 s"}, {59, "59秒", "59 s"}, {60, "1分", "1 min"}, {61, "1分1秒", "1 min 1 s"},
        {3600, "1時間", "1 h"}, {3601, "1時間0分1秒", "1 h 0 min 1 s"}, {3660, "1時間1分", "1 h 1 min"},
        {5400, "1時間30分", "1 h 30 min"}, {90000, "25時間", "25 h"}, {kMax, "596523時間14分7秒", "596523 h 14 min 7 s"}};
    for (const auto& row : table) {
        EXPECT_EQ(durationLabel(row.seconds, japaneseTexts()), row.ja);
        EXPECT_EQ(durationLabel(row.seconds, Texts()), row.en);
        EXPECT_EQ(parseDurationLabel(row.ja), row.seconds) << row.ja;
        EXPECT_EQ(parseDurationLabel(row.en), row.seconds) << row.en;
    }
    for (const Catalogue& catalogue : kCatalogues)
        for (int32_t s = 0; s <= 90000; ++s) ASSERT_EQ(parseDurationLabel(durationLabel(s, Texts(catalogue))), s);
    // The unit word the parser looks for, also where a translation numbers its placeholder.
    for (const auto& [form, unit] : {std::pair{"%d min", "min"}, {"%1$d 時間", "時間"}, {" %12$d ", ""}, {"%ds", "s"}})
        EXPECT_EQ(unitWord(form), unit) << form;
}

// The parser reads numbers as atoi does: leading white space, a sign, digits
// up to the first other character, saturating beyond 32 bits.
TEST(DurationLabel, ParserFollowsAtoi) {
    const std::pair<const char*, int32_t> table[] = {
        {"", 0}, {"abc", 0}, {"x5分", 0}, {" 1時間 30分", 5400}, {"1時間30", 3600}, {"5秒3分", 300},
        {"\t\r\n1時間\n\v\f30分 5秒", 5405}, {"1時間30分5秒後", 5405}, {"+7秒", 7}, {"-5分", -300},
        {"12abc分", 720}, {"1時30分", 60}, {"- 5秒", 0}, {"2147483648秒", kMax},
        {"-99999999999999999999秒", kMin}, {"596523時間14分8秒", kMin}, {"2 h5 s", 7205}, {" 3min", 180}};
    for (const auto& [text, seconds] : table) EXPECT_EQ(parseDurationLabel(text), seconds) << text;
}

}  // namespace
