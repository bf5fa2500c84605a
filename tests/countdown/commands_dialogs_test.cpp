// The commands that open the time dialogs: setting a duration or a target
// clock time, and editing the registered times.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "countdown/countdown_window.h"
#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "fake/fake_controls.h"
#include "fake/fake_platform.h"

namespace {

class DialogCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.createStateObjects();
        host->attach(window);
        window.onInitDialog();  // first run: 180 s, auto-start on, 3分/10分/1時間
    }

    // The user enters `value` in the set-time dialog, ticking the clock-time
    // box first when asked, and presses OK.
    static int enter(SetTimeDialog& dialog, TimeOfDay value, bool clockTime) {
        FakeTimeControl time;
        FakeCheckBox box;
        FakeDialogEnder ender;
        SetTimeControls controls{time, box, ender};
        dialog.onInitDialog(controls);
        if (clockTime) {
            box.checked = true;
            dialog.onClockTimeClicked();
        }
        time.value = value;
        dialog.onOk();
        return ender.result.value_or(kDialogCancel);
    }

    FakePlatform platform;
    std::unique_ptr<FakeWindow> host = platform.makeWindow();
    CountdownWindow window{platform.services()};
};

TEST_F(DialogCommandsTest, ClockTimeBecomesTheSecondsUntilTheClockShowsIt) {
    struct Case {
        TimeOfDay now;
        TimeOfDay target;
        int32_t seconds;
    };
    const Case cases[] = {
        {{10, 15, 30}, {10, 20, 0}, 270},
        {{10, 15, 30}, {10, 15, 0}, 86370},  // the same time tomorrow
        {{10, 15, 0}, {10, 15, 0}, 0},
        {{23, 59, 59}, {0, 1, 0}, 61},
        {{0, 0, 0}, {23, 59, 0}, 86340},
    };
    window.countdownSettings().autoStart = 0;
    for (const Case& c : cases) {
        // The clock is read when OK is pressed, not when the dialog opened.
        platform.clock.time = {6, 0, 0};
        platform.dialogs.onSetTime = [&](SetTimeDialog& d) {
            platform.clock.time = c.now;
            return enter(d, c.target, true);
        };
        window.onCommand(kCmdSetTime);
        EXPECT_EQ(window.countdown().duration(), c.seconds) << c.target.hour << ":" << c.target.minute;
    }
}

TEST_F(DialogCommandsTest, TargetReachedNowAlarmsAtTheFirstTick) {
    platform.clock.time = {10, 15, 0};
    platform.dialogs.onSetTime = [&](SetTimeDialog& d) { return enter(d, {10, 15, 0}, true); };
    window.onCommand(kCmdSetTime);
    EXPECT_EQ(window.countdown().duration(), 0);
    EXPECT_FALSE(window.alarmActive());
    platform.advance(100);
    EXPECT_TRUE(window.alarmActive());
}

TEST_F(DialogCommandsTest, DurationIsSetAndAutoStarted) {
    platform.dialogs.onSetTime = [&](SetTimeDialog& d) { return enter(d, {1, 2, 3}, false); };
    window.onCommand(kCmdSetTime);
    EXPECT_EQ(window.countdown().duration(), 3723);
    EXPECT_TRUE(window.countdown().isRunning());
    EXPECT_EQ(window.displayState().text, "1:02:03");
}

TEST_F(DialogCommandsTest, OpensWithTheFullDurationWhileHalfRunAndCancelKeepsItRunning) {
    window.toggleStartStop();
    platform.advance(90'500);
    std::optional<TimeOfDay> shown;
    platform.dialogs.onSetTime = [&](SetTimeDialog& d) {
        FakeTimeControl time;
        FakeCheckBox box;
        FakeDialogEnder ender;
        SetTimeControls controls{time, box, ender};
        d.onInitDialog(controls);
        shown = time.value;
        d.onCancel();
        return ender.result.value_or(kDialogOk);
    };
    window.onCommand(kCmdSetTime);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, (TimeOfDay{0, 3, 0}));
    EXPECT_EQ(window.countdown().duration(), 180);
    EXPECT_TRUE(window.countdown().isRunning());
    EXPECT_EQ(window.displayState().text, "0:01:30");
}

TEST_F(DialogCommandsTest, RegisterTimesReplacesTheListOnOkOnly) {
    auto deleteFirst = [&](bool confirm) {
        return [confirm](RegisteredTimesDialog& d) {
            FakeListBox list;
            FakePushButton add, edit, remove;
            FakeDialogEnder ender;
            RegisteredTimesControls controls{list, add, edit, remove, ender};
            d.onInitDialog(controls);
            list.selection = 0;
            d.onSelectionChange();
            d.onDelete();
            if (confirm)
                d.onOk();
            else
                d.onCancel();
            return ender.result.value_or(0);
        };
    };
    platform.dialogs.onRegisteredTimes = deleteFirst(false);
    window.onCommand(kCmdRegisterTimes);
    EXPECT_EQ(window.countdownSettings().registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));
    // Whatever the dialog holds when cancelled is dropped.
    platform.dialogs.onRegisteredTimes = [](RegisteredTimesDialog& d) {
        d.setTimes({42});
        return kDialogCancel;
    };
    window.onCommand(kCmdRegisterTimes);
    EXPECT_EQ(window.countdownSettings().registeredTimes, (std::vector<uint32_t>{180, 600, 3600}));

    host->clearLog();
    platform.dialogs.onRegisteredTimes = deleteFirst(true);
    window.onCommand(kCmdRegisterTimes);
    EXPECT_EQ(window.countdownSettings().registeredTimes, (std::vector<uint32_t>{600, 3600}));
    EXPECT_TRUE(host->log.empty());  // no repaint
    EXPECT_EQ(platform.files.writes, 0);  // saved only at exit
}

TEST_F(DialogCommandsTest, RegisterTimesDialogHoldsAtMostFive) {
    window.countdownSettings().registeredTimes = {1, 2, 3, 4, 5};
    bool addEnabled = true;
    platform.dialogs.onRegisteredTimes = [&](RegisteredTimesDialog& d) {
        FakeListBox list;
        FakePushButton add, edit, remove;
        FakeDialogEnder ender;
        RegisteredTimesControls controls{list, add, edit, remove, ender};
        d.onInitDialog(controls);
        addEnabled = add.enabled;
        EXPECT_EQ(d.times(), (std::vector<uint32_t>{1, 2, 3, 4, 5}));
        return kDialogCancel;
    };
    window.onCommand(kCmdRegisterTimes);
    EXPECT_FALSE(addEnabled);
}

}  // namespace
