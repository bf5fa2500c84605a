// The commands that open the time dialogs: a duration or a target clock
// time, and the registered times.
#include <gtest/gtest.h>

#include <vector>

#include "countdown_setup.h"
#include "fake/fake_controls.h"

namespace {

struct DialogCommandsTest : ::testing::Test, CountdownSetup {
    void SetUp() override { start(); }  // first run: 180 s, auto-start on
};

// The clock is read when OK is pressed, not when the dialog opens.
TEST_F(DialogCommandsTest, ClockTimeBecomesTheSecondsUntilTheClockShowsIt) {
    struct Case { TimeOfDay now, target; int32_t seconds; };
    const Case cases[] = {
        {{10, 15, 30}, {10, 20, 0}, 270},
        {{10, 15, 30}, {10, 15, 0}, 86370},  // the same time tomorrow
        {{10, 15, 0}, {10, 15, 0}, 0},
        {{23, 59, 59}, {0, 1, 0}, 61},
    };
    for (const Case& c : cases) {
        platform.clock.time = {6, 0, 0};
        platform.dialogs.onSetTime = [&](SetTimeDialog& d) {
            platform.clock.time = c.now;
            return SetTimeSession(d).enter(c.target, true);
        };
        window->onCommand(kCmdSetTime);
        EXPECT_EQ(window->countdown().duration(), c.seconds) << c.now.hour << ":" << c.now.minute;
        EXPECT_TRUE(window->countdown().isRunning());
    }
    platform.dialogs.onSetTime = [](SetTimeDialog& d) { return SetTimeSession(d).enter({1, 2, 3}); };
    window->onCommand(kCmdSetTime);
    EXPECT_EQ(window->countdown().duration(), 3723);
}

TEST_F(DialogCommandsTest, OpensWithTheFullDurationWhileHalfRunAndCancelKeepsItRunning) {
    window->toggleStartStop();
    advance(90'500);
    TimeOfDay prefill;
    platform.dialogs.onSetTime = [&](SetTimeDialog& d) {
        SetTimeSession s(d);
        prefill = s.time.value;
        d.onCancel();
        return s.result();
    };
    window->onCommand(kCmdSetTime);
    EXPECT_EQ(prefill, (TimeOfDay{0, 3, 0}));
    EXPECT_TRUE(window->countdown().isRunning());
    EXPECT_EQ(shown(), "0:01:30");
}

TEST_F(DialogCommandsTest, RegisterTimesReplacesTheListOnOkOnly) {
    auto deleteFirst = [](bool confirm) {
        return [confirm](RegisteredTimesDialog& d) {
            RegisteredTimesSession s(d);
            s.select(0);
            d.onDelete();
            confirm ? d.onOk() : d.onCancel();
            return s.result();
        };
    };
    const std::vector<uint32_t> defaults{180, 600, 3600};
    platform.dialogs.onRegisteredTimes = deleteFirst(false);
    window->onCommand(kCmdRegisterTimes);
    EXPECT_EQ(window->countdownSettings().registeredTimes, defaults);
    // Whatever the dialog holds when cancelled is dropped.
    platform.dialogs.onRegisteredTimes = [](RegisteredTimesDialog& d) {
        d.setTimes({42});
        return kDialogCancel;
    };
    window->onCommand(kCmdRegisterTimes);
    EXPECT_EQ(window->countdownSettings().registeredTimes, defaults);

    host->clearLog();
    platform.dialogs.onRegisteredTimes = deleteFirst(true);
    window->onCommand(kCmdRegisterTimes);
    EXPECT_EQ(window->countdownSettings().registeredTimes, (std::vector<uint32_t>{600, 3600}));
    EXPECT_TRUE(host->log.empty());       // no repaint
    EXPECT_EQ(platform.files.writes, 0);  // saved only at exit
}

TEST_F(DialogCommandsTest, RegisterTimesDialogHoldsAtMostFive) {
    window->countdownSettings().registeredTimes = {1, 2, 3, 4, 5};
    bool addEnabled = true;
    platform.dialogs.onRegisteredTimes = [&](RegisteredTimesDialog& d) {
        addEnabled = RegisteredTimesSession(d).add.enabled;
        return kDialogCancel;
    };
    window->onCommand(kCmdRegisterTimes);
    EXPECT_FALSE(addEnabled);
}

}  // namespace
