#include <gtest/gtest.h>

#include "fake/fake_controls.h"
#include "fake/fake_platform.h"
#include "resources/dialog_texts.h"

namespace {

constexpr const char* kDurationFormat = "HH時間mm分ss秒";
constexpr const char* kClockFormat = "HH時mm分";

struct SetTimeDialogTest : ::testing::Test {
    SetTimeDialogTest() { clock.time = {10, 15, 30}; }
    FakeMessageBoxes messages;
    FakeLocalClock clock;
    SetTimeDialog dialog{messages, clock};
};

// A duration the control cannot hold is shown as the nearest value it can;
// OK then takes what is shown, and zero is refused as always.
TEST_F(SetTimeDialogTest, OpensWithThePrefilledDurationAndOkKeepsIt) {
    struct Case { int32_t seconds; TimeOfDay shown; int32_t afterOk; };
    const Case cases[] = {{3661, {1, 1, 1}, 3661},        {59, {0, 0, 59}, 59},
                          {86399, {23, 59, 59}, 86399},   {86400, {23, 59, 59}, 86399},
                          {2147483647, {23, 59, 59}, 86399}, {0, {0, 0, 0}, 0}, {-5, {0, 0, 0}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        FakeMessageBoxes boxes;
        SetTimeDialog d{boxes, clock};
        d.setDuration(c.seconds);
        SetTimeSession s(d);
        EXPECT_TRUE(s.initResult);
        EXPECT_EQ(s.time.value, c.shown);
        EXPECT_EQ(s.time.refusedSets, 0);
        EXPECT_EQ(s.time.format, kDurationFormat);
        EXPECT_TRUE(s.checkBox.enabled);
        d.onOk();
        EXPECT_EQ(s.ender.calls, c.afterOk > 0 ? 1 : 0);
        EXPECT_EQ(boxes.shown.size(), c.afterOk > 0 ? 0u : 1u);
        if (c.afterOk > 0) {
            EXPECT_EQ(d.durationSeconds(), c.afterOk);
        }
        EXPECT_FALSE(d.isClockTime());
    }
}

TEST_F(SetTimeDialogTest, OkRefusesZeroAndAcceptsOneSecondOrMore) {
    struct Case { const char* name; bool clockMode; TimeOfDay entered; int32_t seconds; };  // seconds 0: refused
    const Case cases[] = {
        {"duration 00:00:00", false, {0, 0, 0}, 0},
        {"duration 00:00:01", false, {0, 0, 1}, 1},
        {"duration 00:01:00", false, {0, 1, 0}, 60},
        {"duration 23:59:59", false, {23, 59, 59}, 86399},
        {"clock 00:00", true, {0, 0, 0}, 0},
        {"clock 00:00 with seconds in the control", true, {0, 0, 42}, 0},
        {"clock 00:01", true, {0, 1, 0}, 60},
        {"clock 10:20:45 taken to the minute", true, {10, 20, 45}, 37200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMessageBoxes boxes;
        SetTimeDialog d{boxes, clock};
        SetTimeSession s(d);
        const int result = s.enter(c.entered, c.clockMode);
        if (c.seconds > 0) {
            EXPECT_EQ(result, kDialogOk);
            EXPECT_TRUE(boxes.shown.empty());
            EXPECT_EQ(d.durationSeconds(), c.seconds);
            EXPECT_EQ(d.isClockTime(), c.clockMode);
        } else {
            EXPECT_EQ(s.ender.calls, 0);
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, "1秒以上の値を指定してください。");
            EXPECT_EQ(boxes.shown[0].caption, std::nullopt);
            EXPECT_EQ(boxes.shown[0].style, uint32_t{kMbOk});
        }
    }
}

TEST_F(SetTimeDialogTest, RefusedZeroKeepsTheDialogOpenWithTheEntryIntact) {
    dialog.setDuration(180);
    SetTimeSession s(dialog);
    s.enter({0, 0, 0});
    dialog.onOk();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(s.ender.calls, 0);
    EXPECT_EQ(s.time.value, (TimeOfDay{0, 0, 0}));
    EXPECT_EQ(s.time.format, kDurationFormat);
    EXPECT_EQ(s.enter({0, 0, 1}), kDialogOk);
    EXPECT_EQ(dialog.durationSeconds(), 1);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(SetTimeDialogTest, CancelEndsQuietlyAndNothingActsAfterTheEnd) {
    SetTimeSession s(dialog);
    s.time.value = {0, 0, 0};
    dialog.onCancel();
    EXPECT_EQ(s.result(), kDialogCancel);
    dialog.onOk();
    dialog.onCancel();
    dialog.onClockTimeClicked();
    EXPECT_EQ(s.ender.calls, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SetTimeDialogTest, TickingShowsTheLocalTimeAndOkReadsTheBoxItself) {
    dialog.setDuration(180);
    SetTimeSession s(dialog);
    s.clickCheckBox();
    EXPECT_EQ(s.time.value, (TimeOfDay{10, 15, 30}));
    EXPECT_EQ(s.time.format, kClockFormat);
    EXPECT_EQ(s.enter({10, 15, 30}), kDialogOk);
    EXPECT_TRUE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 10 * 3600 + 15 * 60);

    // A box ticked without a click notification still counts at OK.
    SetTimeDialog other{messages, clock};
    SetTimeSession t(other);
    t.checkBox.checked = true;
    t.enter({10, 20, 45});
    EXPECT_TRUE(other.isClockTime());
    EXPECT_EQ(other.durationSeconds(), 37200);
}

TEST_F(SetTimeDialogTest, UntickingBringsBackTheDurationTypedBeforeTicking) {
    dialog.setDuration(180);
    SetTimeSession s(dialog);
    s.time.value = {2, 5, 7};
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        s.clickCheckBox();
        s.time.value = {12, 34, 0};
        s.clickCheckBox();
        EXPECT_EQ(s.time.value, (TimeOfDay{2, 5, 7}));
        EXPECT_EQ(s.time.format, kDurationFormat);
    }
    dialog.onOk();
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 7507);
}

TEST_F(SetTimeDialogTest, RefusedClockTimeDoesNotLoseTheRememberedDuration) {
    dialog.setDuration(300);
    SetTimeSession s(dialog);
    s.enter({0, 0, 15}, true);
    ASSERT_EQ(messages.shown.size(), 1u);
    s.clickCheckBox();
    EXPECT_EQ(s.time.value, (TimeOfDay{0, 5, 0}));
    dialog.onOk();
    EXPECT_EQ(s.result(), kDialogOk);
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 300);
}

// Also when a backend reports the greyed box as ticked.
TEST_F(SetTimeDialogTest, DisabledClockTimeGreysTheBoxAndStaysADuration) {
    dialog.disableClockTime();
    dialog.setDuration(600);
    SetTimeSession s(dialog);
    EXPECT_FALSE(s.checkBox.enabled);
    s.clickCheckBox();
    EXPECT_FALSE(s.checkBox.checked);
    s.checkBox.checked = true;
    dialog.onClockTimeClicked();
    EXPECT_EQ(s.time.format, kDurationFormat);
    EXPECT_EQ(s.time.value, (TimeOfDay{0, 10, 0}));
    dialog.onOk();
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 600);
}

}  // namespace
