// Real presses reach the core whichever message Windows makes of them: the
// timer window's class has CS_DBLCLKS, so a quick second press arrives as a
// double-click message.
#include <gtest/gtest.h>

#include "timer_run.h"

namespace {

struct Button {
    const char* name;
    DWORD down, up;
};

// The window's thread has taken every input sent so far.
bool inputTaken(TimerRun& run) {
    bool idle = false;
    run.onUi([&](CountdownWindow&) { idle = GetQueueStatus(QS_INPUT) == 0; });
    return idle;
}

}  // namespace

TEST(RealInput, APressRightAfterAClickStopsTheAlarm) {
    for (const Button& button : {Button{"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                 Button{"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}}) {
        SCOPED_TRACE(button.name);
        ScratchFolder folder;
        TimerRun run(folder.path(L"timer.dat"));
        run.run([&](TimerRun& r) {
            // The first-run window is already where the alarm puts it.
            const POINT p = centreOf(r.window());
            mouseAt(p, button.down);
            mouseAt(p, button.up);
            ASSERT_TRUE(waitFor([&] { return inputTaken(r); }));
            r.onUi([](CountdownWindow& t) {
                EndMenu();  // the right release opened the context menu
                t.startAlarm();
            });
            mouseAt(p, button.down);
            bool alarm = true;
            EXPECT_TRUE(waitFor([&] {
                r.onUi([&](CountdownWindow& t) { alarm = t.alarmActive(); });
                return !alarm;
            }, 2000)) << "a press within the double-click time left the alarm on";
            mouseAt(p, button.up);
            ASSERT_TRUE(waitFor([&] { return inputTaken(r); }));
            r.onUi([](CountdownWindow&) { EndMenu(); });
        });
    }
}
