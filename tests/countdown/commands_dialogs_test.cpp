// The commands that open the time dialogs: a duration or a target clock
// time, and the registered times.
#include <gtest/gtest.h>

#include <vector>

#include "countdown_setup.h"
#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "fake/fake_controls.h"

namespace {

// The set-time dialog's controls for one run.
struct SetTimeUser {
    FakeTimeControl time;
    FakeCheckBox box;
    FakeDialogEnder ender;
    SetTimeControls controls{time, box, ender};

    // Opens the dialog, ticks the clock-time box when asked, enters `value`, OK.
    int enter(SetTimeDialog& dialog, TimeOfDay value, bool clockTime) {
        dialog.onInitDialog(controls);
        if (clockTime) {
            box.checked = true;
            dialog.onClockTimeClicked();
        }
        time.value = value;
        dialog.onOk();
        return ender.result.value_or(kDialogCancel);
    }
};

struct RegisteredTimesUser {
    FakeListBox list;
    FakePushButton add, edit, remove;
    FakeDialogEnder ender;
    RegisteredTimesControls controls{list, add, edit, remove, ender};
};

struct DialogCommandsTest : ::testing::Test, CountdownSetup {
    void SetUp() override { start(); }  // first run: 180 s, auto-start on
};

TEST_F(DialogCommandsTest, ClockTimeBecomesTheSecondsUntilTheClockShowsIt) {
    struct Case {
        TimeOfDay now, target;
        int32_t seconds;
    };
    const Case cases[] = {
        {{10, 15, 30}, {10, 20, 0}, 270},
        {{10, 15, 30}, {10, 15, 0}, 86370},  // the same time tomorrow
        {{10, 15, 0}, {10, 15, 0}, 0},
        {{23, 59, 59}, {0, 1, 0}, 61},
    };
    for (const Case& c : cases) {
        platform.clock.time = {6, 0, 0};  // when the dialog opens
        platform.dialogs.onSetTime = [&](SetTimeDialog& d) {
            platform.clock.time = c.now;  // when OK is pressed
            return SetTimeUser{}.enter(d, c.target, true);
        };
        window->onCommand(kCmdSetTime);
        EXPECT_EQ(window->countdown().duration(), c.seconds) << c.now.hour << ":" << c.now.minute;
    }
}

TEST_F(DialogCommandsTest, TargetReachedNowAlarmsAtTheFirstTick) {
    platform.clock.time = {10, 15, 0};
    platform.dialogs.onSetTime = [](SetTimeDialog& d) { return SetTimeUser{}.enter(d, {10, 15, 0}, true); };
    window->onCommand(kCmdSetTime);
    EXPECT_FALSE(window->alarmActive());
    advance(100);
    EXPECT_TRUE(window->alarmActive());
}

TEST_F(DialogCommandsTest, DurationIsSetAndAutoStarted) {
    platform.dialogs.onSetTime = [](SetTimeDialog& d) { return SetTimeUser{}.enter(d, {1, 2, 3}, false); };
    window->onCommand(kCmdSetTime);
    EXPECT_EQ(window->countdown().duration(), 3723);
    EXPECT_TRUE(window->countdown().isRunning());
}

TEST_F(DialogCommandsTest, OpensWithTheFullDurationWhileHalfRunAndCancelKeepsItRunning) {
    window->toggleStartStop();
    advance(90'500);
    SetTimeUser user;
    platform.dialogs.onSetTime = [&](SetTimeDialog& d) {
        d.onInitDialog(user.controls);
        d.onCancel();
        return user.ender.result.value_or(kDialogOk);
    };
    window->onCommand(kCmdSetTime);
    EXPECT_EQ(user.time.value, (TimeOfDay{0, 3, 0}));
    EXPECT_TRUE(window->countdown().isRunning());
    EXPECT_EQ(shown(), "0:01:30");
}

TEST_F(DialogCommandsTest, RegisterTimesReplacesTheListOnOkOnly) {
    auto deleteFirst = [](bool confirm) {
        return [confirm](RegisteredTimesDialog& d) {
            RegisteredTimesUser user;
            d.onInitDialog(user.controls);
            user.list.selection = 0;
            d.onSelectionChange();
            d.onDelete();
            confirm ? d.onOk() : d.onCancel();
            return user.ender.result.value_or(0);
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
    RegisteredTimesUser user;
    platform.dialogs.onRegisteredTimes = [&](RegisteredTimesDialog& d) {
        d.onInitDialog(user.controls);
        return kDialogCancel;
    };
    window->onCommand(kCmdRegisterTimes);
    EXPECT_EQ(user.list.items, (std::vector<std::string>{"1秒", "2秒", "3秒", "4秒", "5秒"}));
    EXPECT_FALSE(user.add.enabled);
}

}  // namespace
