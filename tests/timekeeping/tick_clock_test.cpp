#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_tick_source.h"
#include "timekeeping/tick_clock.h"

namespace {

// A step sets the tick counter, then starts ('S'), pauses ('P'), resets ('R')
// or only reads ('-') the clock; each step checks the elapsed time after it.
struct Step { uint32_t tick; char op; uint32_t elapsed; };

struct Timeline { const char* name; std::vector<Step> steps; };

TEST(TickClock, Timelines) {
    const Timeline table[] = {
        {"new clock reads zero", {{5000, '-', 0}, {5000, 'P', 0}, {6000, '-', 0}}},
        {"running counts from its start", {{1000, 'S', 0}, {3500, '-', 2500}}},
        {"pause excludes the paused span",
         {{1000, 'S', 0}, {4000, 'P', 3000}, {9000, '-', 3000}, {10000, 'S', 3000}, {12000, '-', 5000}}},
        {"a second start keeps the first", {{1000, 'S', 0}, {2000, 'S', 1000}, {3000, '-', 2000}}},
        {"a second pause keeps the first",
         {{1000, 'S', 0}, {1500, 'P', 500}, {2500, 'P', 500}, {3000, 'S', 500}, {3100, '-', 600}}},
        {"reset from paused, then a fresh start",
         {{1000, 'S', 0}, {4000, 'P', 3000}, {4500, 'R', 0}, {5000, 'S', 0}, {6000, 'R', 0}, {7000, 'S', 0},
          {7250, '-', 250}}},
        {"running across the counter wrap", {{4294967000u, 'S', 0}, {704, '-', 1000}}},
        {"pause and resume across the wrap",
         {{4294966000u, 'S', 0}, {4294967000u, 'P', 1000}, {500, 'S', 1000}, {2500, '-', 3000}, {3000, 'P', 3500}}},
        {"just below one full wrap", {{10, 'S', 0}, {9, '-', 4294967295u}}},
    };
    for (const Timeline& row : table) {
        FakeTickSource ticks;
        TickClock clock{ticks};
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            const Step& step = row.steps[i];
            ticks.now = step.tick;
            if (step.op == 'S') clock.start();
            if (step.op == 'P') clock.pause();
            if (step.op == 'R') clock.reset();
            EXPECT_EQ(clock.elapsedMs(), step.elapsed) << row.name << ", step " << i;
            EXPECT_EQ(clock.isRunning(), clock.state() == ClockState::Running);
        }
    }
}

}  // namespace
