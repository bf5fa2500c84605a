#include <gtest/gtest.h>

#include "dialogs/set_time_dialog.h"
#include "fake_dialog_services.h"
#include "resources/dialog_texts.h"

namespace {

constexpr const char* kDurationFormat = "HH時間mm分ss秒";
constexpr const char* kClockFormat = "HH時mm分";
constexpr const char* kZeroMessage = "1秒以上の値を指定してください。";

class SetTimeDialogTest : public ::testing::Test {
protected:
    RecordingMessageBoxes messages;
    FixedLocalClock clock;
    SetTimeDialog dialog{messages, clock};
};

// ---- Opening ----

struct PrefillCase {
    int32_t seconds;
    TimeOfDay shown;
};

TEST_F(SetTimeDialogTest, OpensShowingThePrefilledDurationInTheDurationFormat) {
    const PrefillCase cases[] = {
        {3661, {1, 1, 1}}, {180, {0, 3, 0}}, {0, {0, 0, 0}}, {59, {0, 0, 59}}, {86399, {23, 59, 59}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        SetTimeDialog d{messages, clock};
        d.setDuration(c.seconds);
        SetTimeSession s(d);
        EXPECT_TRUE(s.initResult);
        EXPECT_EQ(s.time.value, c.shown);
        EXPECT_EQ(s.time.format, kDurationFormat);
        EXPECT_TRUE(s.checkBox.enabled);
        EXPECT_FALSE(s.ender.result.has_value());
    }
}

// A duration the control cannot hold is shown as the nearest value it can:
// 23:59:59 above a day, 00:00:00 below zero. The dialog still opens.
struct ClampCase {
    int32_t seconds;
    TimeOfDay shown;
    int32_t afterOk;
};

TEST_F(SetTimeDialogTest, PrefillOutsideADayIsClampedToTheControlsRange) {
    const ClampCase cases[] = {
        {86400, {23, 59, 59}, 86399},
        {90000, {23, 59, 59}, 86399},
        {2147483647, {23, 59, 59}, 86399},
        {-5, {0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        SetTimeDialog d{messages, clock};
        d.setDuration(c.seconds);
        SetTimeSession s(d);
        EXPECT_EQ(s.time.refusedSets, 0);
        EXPECT_EQ(s.time.value, c.shown);
        d.onOk();  // the user keeps what is shown; zero is refused as always
        EXPECT_EQ(s.ender.calls, c.afterOk > 0 ? 1 : 0);
        if (c.afterOk > 0) {
            EXPECT_EQ(d.durationSeconds(), c.afterOk);
        }
    }
}

TEST_F(SetTimeDialogTest, PrefilledDurationComesBackUnchangedOnOk) {
    dialog.setDuration(3661);
    SetTimeSession s(dialog);
    dialog.onOk();
    EXPECT_EQ(s.ender.result, kDialogOk);
    EXPECT_EQ(s.ender.calls, 1);
    EXPECT_EQ(dialog.durationSeconds(), 3661);
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_TRUE(messages.shown.empty());
}

// ---- OK: zero refused, anything else accepted ----

struct OkCase {
    const char* name;
    bool clockMode;
    TimeOfDay entered;
    bool accepted;
    int32_t seconds;  // durationSeconds once accepted
};

TEST_F(SetTimeDialogTest, OkRefusesZeroAndAcceptsOneSecondOrMore) {
    const OkCase cases[] = {
        {"duration 00:00:00", false, {0, 0, 0}, false, 0},
        {"duration 00:00:01", false, {0, 0, 1}, true, 1},
        {"duration 00:01:00", false, {0, 1, 0}, true, 60},
        {"duration 23:59:59", false, {23, 59, 59}, true, 86399},
        {"clock 00:00", true, {0, 0, 0}, false, 0},
        {"clock 00:00 with seconds in the control", true, {0, 0, 42}, false, 0},
        {"clock 00:01", true, {0, 1, 0}, true, 60},
        {"clock 10:20:45 taken to the minute", true, {10, 20, 45}, true, 37200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMessageBoxes boxes;
        SetTimeDialog d{boxes, clock};
        SetTimeSession s(d);
        if (c.clockMode) s.clickCheckBox();
        s.time.userEnters(c.entered);
        d.onOk();
        if (c.accepted) {
            EXPECT_EQ(s.ender.result, kDialogOk);
            EXPECT_TRUE(boxes.shown.empty());
            EXPECT_EQ(d.durationSeconds(), c.seconds);
            EXPECT_EQ(d.isClockTime(), c.clockMode);
        } else {
            EXPECT_EQ(s.ender.calls, 0);
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, kZeroMessage);
            EXPECT_EQ(boxes.shown[0].caption, std::nullopt);
            EXPECT_EQ(boxes.shown[0].style, uint32_t{kMbOk});
        }
    }
}

TEST_F(SetTimeDialogTest, RefusedZeroKeepsTheDialogOpenWithTheEntryIntact) {
    dialog.setDuration(180);
    SetTimeSession s(dialog);
    s.time.userEnters({0, 0, 0});
    dialog.onOk();
    dialog.onOk();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(s.ender.calls, 0);
    EXPECT_EQ(s.time.value, (TimeOfDay{0, 0, 0}));
    EXPECT_EQ(s.time.format, kDurationFormat);

    s.time.userEnters({0, 0, 1});
    dialog.onOk();
    EXPECT_EQ(s.ender.result, kDialogOk);
    EXPECT_EQ(dialog.durationSeconds(), 1);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(SetTimeDialogTest, CancelEndsWithCancelAndShowsNoMessage) {
    SetTimeSession s(dialog);
    s.time.userEnters({0, 0, 0});
    dialog.onCancel();
    EXPECT_EQ(s.ender.result, kDialogCancel);
    EXPECT_EQ(s.ender.calls, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SetTimeDialogTest, HandlersAfterTheDialogEndedDoNothing) {
    SetTimeSession s(dialog);
    s.time.userEnters({0, 5, 0});
    dialog.onOk();
    s.time.userEnters({0, 0, 0});
    dialog.onOk();
    dialog.onCancel();
    dialog.onClockTimeClicked();
    EXPECT_EQ(s.ender.calls, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.durationSeconds(), 300);
}

// ---- Clock-time mode ----

TEST_F(SetTimeDialogTest, TickingShowsTheCurrentLocalTimeInTheClockFormat) {
    clock.value = {10, 15, 30};
    dialog.setDuration(180);
    SetTimeSession s(dialog);
    s.clickCheckBox();
    EXPECT_EQ(s.time.value, (TimeOfDay{10, 15, 30}));
    EXPECT_EQ(s.time.format, kClockFormat);

    dialog.onOk();
    EXPECT_EQ(s.ender.result, kDialogOk);
    EXPECT_TRUE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 10 * 3600 + 15 * 60);
}

TEST_F(SetTimeDialogTest, UntickingBringsBackTheDurationTypedBeforeTicking) {
    dialog.setDuration(180);
    SetTimeSession s(dialog);
    s.time.userEnters({2, 5, 7});
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        s.clickCheckBox();
        s.time.userEnters({12, 34, 0});
        s.clickCheckBox();
        EXPECT_EQ(s.time.value, (TimeOfDay{2, 5, 7}));
        EXPECT_EQ(s.time.format, kDurationFormat);
    }
    dialog.onOk();
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 7507);
}

// OK reads the box itself rather than trusting the last click notification.
TEST_F(SetTimeDialogTest, OkTakesTheModeFromTheCheckBox) {
    SetTimeSession s(dialog);
    s.time.userEnters({10, 20, 45});
    s.checkBox.checked = true;
    dialog.onOk();
    EXPECT_TRUE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 37200);
}

TEST_F(SetTimeDialogTest, RefusedClockTimeDoesNotLoseTheRememberedDuration) {
    dialog.setDuration(300);
    SetTimeSession s(dialog);
    s.clickCheckBox();
    s.time.userEnters({0, 0, 15});
    dialog.onOk();
    ASSERT_EQ(messages.shown.size(), 1u);
    s.clickCheckBox();
    EXPECT_EQ(s.time.value, (TimeOfDay{0, 5, 0}));
    dialog.onOk();
    EXPECT_EQ(s.ender.result, kDialogOk);
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 300);
}

TEST_F(SetTimeDialogTest, DisabledClockTimeGreysTheCheckBoxAndStaysADuration) {
    dialog.disableClockTime();
    dialog.setDuration(600);
    SetTimeSession s(dialog);
    EXPECT_FALSE(s.checkBox.enabled);
    s.clickCheckBox();
    EXPECT_FALSE(s.checkBox.checked);
    EXPECT_EQ(s.time.format, kDurationFormat);
    dialog.onOk();
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 600);
}

// A backend that reports the greyed box as ticked still gets a duration.
TEST_F(SetTimeDialogTest, DisabledClockTimeIgnoresATickedBox) {
    dialog.disableClockTime();
    dialog.setDuration(600);
    SetTimeSession s(dialog);
    s.checkBox.checked = true;
    dialog.onClockTimeClicked();
    EXPECT_EQ(s.time.format, kDurationFormat);
    EXPECT_EQ(s.time.value, (TimeOfDay{0, 10, 0}));
    dialog.onOk();
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 600);
}

}  // namespace
