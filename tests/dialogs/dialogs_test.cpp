// The set-time and registered-times dialogs over fake controls, as a user
// drives them. The local time is 10:15:30.
#include <gtest/gtest.h>

#include "fake/fake_controls.h"
#include "fake/fake_platform.h"

namespace {

const std::string kDuration = "HH時間mm分ss秒", kClock = "HH時mm分";
const std::string kRefusal = "box 1秒以上の値を指定してください。|-|0";

struct SetTimeTest : ::testing::Test {
    SetTimeTest() { clock.time = {10, 15, 30}; }
    FakeOutput boxes;
    FakeLocalClock clock;
    SetTimeDialog dialog{boxes, clock};
};

// A duration the control cannot hold shows as the nearest value it can; OK
// takes what is shown.
TEST_F(SetTimeTest, OpensOnThePrefilledDuration) {
    const std::pair<int32_t, TimeOfDay> table[] = {{3661, {1, 1, 1}}, {86399, {23, 59, 59}}, {86400, {23, 59, 59}}, {2147483647, {23, 59, 59}}, {-5, {0, 0, 0}}};
    for (const auto& [seconds, time] : table) {
        SetTimeDialog d{boxes, clock};
        d.setDuration(seconds);
        SetTimeSession s(d);
        EXPECT_TRUE(s.initResult && s.checkBox.enabled);
        EXPECT_EQ(s.time.value, time) << seconds;
        EXPECT_EQ(s.time.format, kDuration);
        EXPECT_EQ(s.time.refusedSets, 0);
    }
}

// Zero is refused with a message and the dialog stays open; a clock time is
// taken to the minute.
TEST_F(SetTimeTest, OkRefusesZeroAndAcceptsOneSecondOrMore) {
    struct Row { bool clockMode; TimeOfDay entered; int32_t seconds; };  // 0: refused
    const Row table[] = {{false, {0, 0, 0}, 0}, {false, {0, 0, 1}, 1}, {false, {23, 59, 59}, 86399},
                         {true, {0, 0, 42}, 0}, {true, {0, 1, 0}, 60}, {true, {10, 20, 45}, 37200}};
    for (const Row& row : table) {
        FakeOutput said;
        SetTimeDialog d{said, clock};
        SetTimeSession s(d);
        const int result = s.enter(row.entered, row.clockMode);
        EXPECT_EQ(result, row.seconds > 0 ? kDialogOk : kDialogCancel);
        EXPECT_EQ(said.said, row.seconds > 0 ? std::vector<std::string>{} : std::vector<std::string>{kRefusal});
        if (row.seconds > 0) {
            EXPECT_EQ(d.durationSeconds(), row.seconds);
            EXPECT_EQ(d.isClockTime(), row.clockMode);
        }
    }
    SetTimeSession s(dialog);
    s.enter({0, 0, 0});
    EXPECT_EQ(s.time.value, (TimeOfDay{0, 0, 0}));  // the entry stays as typed
    EXPECT_EQ(s.enter({0, 0, 1}), kDialogOk);
}

TEST_F(SetTimeTest, CancelEndsQuietlyAndNothingActsAfterTheEnd) {
    SetTimeSession s(dialog);
    dialog.onCancel();
    dialog.onOk();
    dialog.onCancel();
    dialog.onClockTimeClicked();
    EXPECT_EQ(s.result(), kDialogCancel);
    EXPECT_EQ(s.ender.calls, 1);
    EXPECT_TRUE(boxes.said.empty());
}

// Ticking shows the local time; unticking brings back the duration typed
// before, also after a refused clock time; OK reads the box itself.
TEST_F(SetTimeTest, ClockTimeModeAndTheRememberedDuration) {
    dialog.setDuration(180);
    SetTimeSession s(dialog);
    s.time.value = {2, 5, 7};
    for (int round = 0; round < 2; ++round) {
        s.clickCheckBox();
        EXPECT_EQ(s.time.value, (TimeOfDay{10, 15, 30}));
        EXPECT_EQ(s.time.format, kClock);
        s.time.value = {0, 0, 15};
        dialog.onOk();  // refused: 0:00
        s.clickCheckBox();
        EXPECT_EQ(s.time.value, (TimeOfDay{2, 5, 7}));
        EXPECT_EQ(s.time.format, kDuration);
    }
    s.checkBox.checked = true;  // ticked without a click notification
    s.time.value = {9, 30, 0};
    dialog.onOk();
    EXPECT_TRUE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 9 * 3600 + 30 * 60);
}

// Also when a backend reports the greyed box as ticked.
TEST_F(SetTimeTest, DisabledClockTimeStaysADuration) {
    dialog.disableClockTime();
    dialog.setDuration(600);
    SetTimeSession s(dialog);
    EXPECT_FALSE(s.checkBox.enabled);
    s.checkBox.checked = true;
    dialog.onClockTimeClicked();
    EXPECT_EQ(s.time.format, kDuration);
    dialog.onOk();
    EXPECT_FALSE(dialog.isClockTime());
    EXPECT_EQ(dialog.durationSeconds(), 600);
}

struct RegisteredTimesTest : ::testing::Test {
    // Opens a fresh dialog as the menu command does: at most five entries.
    RegisteredTimesSession& open(const std::vector<uint32_t>& times, int32_t maxCount = 5) {
        session.reset();
        dialog = std::make_unique<RegisteredTimesDialog>(platform.dialogs, platform.output, platform.clock);
        dialog->setMaxCount(maxCount);
        dialog->setTimes(times);
        session = std::make_unique<RegisteredTimesSession>(*dialog);
        return *session;
    }
    // Add (-1 selection) or Edit: the nested set-time dialog opens on `prefill`
    // and the user enters `entered`, or cancels when it is 0:00:00.
    void nested(TimeOfDay prefill, TimeOfDay entered) {
        platform.dialogs.onSetTime = [=](SetTimeDialog& d) {
            SetTimeSession s(d);
            EXPECT_FALSE(s.checkBox.enabled);
            EXPECT_EQ(s.time.value, prefill);
            if (entered == TimeOfDay{}) d.onCancel();
            else s.enter(entered);
            return s.result();
        };
    }
    // "3分,10分|1 AER": the items, the selection and the enabled buttons.
    std::string state() const {
        std::string out;
        for (const auto& item : session->list.items) out += (out.empty() ? "" : ",") + item;
        out += "|" + std::to_string(session->list.selection) + " ";
        out += std::string(session->add.enabled ? "A" : "") + (session->edit.enabled ? "E" : "") + (session->remove.enabled ? "R" : "");
        return out;
    }
    FakePlatform platform;
    std::unique_ptr<RegisteredTimesDialog> dialog;
    std::unique_ptr<RegisteredTimesSession> session;
};

TEST_F(RegisteredTimesTest, ButtonsFollowTheCountAndTheSelection) {
    const std::tuple<std::vector<uint32_t>, int32_t, std::string> table[] = {
        {{}, 5, "|-1 A"}, {{60}, 5, "1分|0 AER"}, {{1, 2, 3, 4}, 5, "1秒,2秒,3秒,4秒|0 AER"},
        {{1, 2, 3, 4, 5, 6}, 5, "1秒,2秒,3秒,4秒,5秒,6秒|0 ER"}, {{60}, 0, "1分|0 ER"}};
    for (const auto& [times, maxCount, expected] : table) {
        open(times, maxCount);
        EXPECT_EQ(state(), expected);
        session->dialog.onOk();
        EXPECT_EQ(session->dialog.times(), times);  // every list comes back whole
    }
    open({180, 600}).select(-1);
    EXPECT_EQ(state(), "3分,10分|-1 A");
}

TEST_F(RegisteredTimesTest, AddEditAndDelete) {
    auto& s = open({180, 600, 3600});
    nested({0, 3, 0}, {0, 0, 5});
    s.dialog.onAdd();
    EXPECT_EQ(state(), "3分,10分,1時間,5秒|3 AER");
    nested({0, 3, 0}, {1, 0, 1});
    s.dialog.onAdd();
    EXPECT_EQ(state(), "3分,10分,1時間,5秒,1時間0分1秒|4 ER");
    s.dialog.onAdd();  // a stray Add at the maximum opens nothing
    s.select(1);
    nested({0, 10, 0}, {2, 0, 1});
    s.dialog.onEdit();
    EXPECT_EQ(state(), "3分,2時間0分1秒,1時間,5秒,1時間0分1秒|1 ER");
    nested({2, 0, 1}, {});
    s.dialog.onEdit();
    nested({0, 3, 0}, {});
    s.dialog.onDelete();
    s.dialog.onAdd();
    EXPECT_EQ(state(), "3分,1時間,5秒,1時間0分1秒|1 AER");
    s.select(-1);
    s.dialog.onEdit();
    s.dialog.onDelete();
    EXPECT_EQ(platform.dialogs.opened.size(), 5u);
    EXPECT_EQ(state(), "3分,1時間,5秒,1時間0分1秒|-1 A");
}

// The same index stays selected, or the new last one.
TEST_F(RegisteredTimesTest, DeleteSelectsTheSameIndexOrTheNewLast) {
    const std::tuple<std::vector<uint32_t>, int, std::string> table[] = {
        {{180, 600, 3600}, 0, "10分,1時間|0 AER"}, {{180, 600, 3600}, 2, "3分,10分|1 AER"}, {{180}, 0, "|-1 A"}};
    for (const auto& [times, selected, expected] : table) {
        open(times).select(selected);
        session->dialog.onDelete();
        EXPECT_EQ(state(), expected);
    }
}

// OK gives the list in list-box order, Cancel the caller's list; an untouched
// list keeps a time above the signed range as stored.
TEST_F(RegisteredTimesTest, OkAndCancel) {
    for (bool ok : {true, false}) {
        auto& s = open({3600, 4294967295u, 600});
        EXPECT_EQ(s.list.text(1), "596523時間14分7秒");
        s.select(0);
        nested({1, 0, 0}, {2, 0, 0});
        s.dialog.onEdit();
        ok ? s.dialog.onOk() : s.dialog.onCancel();
        s.dialog.onDelete();  // nothing acts after the end
        s.dialog.onOk();
        EXPECT_EQ(s.ender.calls, 1);
        EXPECT_EQ(s.result(), ok ? kDialogOk : kDialogCancel);
        EXPECT_EQ(s.dialog.times(), ok ? (std::vector<uint32_t>{7200, 2147483647, 600}) : (std::vector<uint32_t>{3600, 4294967295u, 600}));
    }
    open({4294967295u, 180}).dialog.onOk();
    EXPECT_EQ(session->dialog.times(), (std::vector<uint32_t>{4294967295u, 180}));
}

}  // namespace
