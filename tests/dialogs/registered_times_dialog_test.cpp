#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake/fake_controls.h"
#include "fake/fake_platform.h"

namespace {

using Labels = std::vector<std::string>;
using Seconds = std::vector<uint32_t>;

struct Buttons {
    bool add, edit, remove;
    friend bool operator==(const Buttons&, const Buttons&) = default;
};

class RegisteredTimesDialogTest : public ::testing::Test {
protected:
    // Opens a fresh dialog as the menu command does: at most five entries.
    RegisteredTimesSession& open(const Seconds& times, int32_t maxCount = 5) {
        session.reset();
        dialog = std::make_unique<RegisteredTimesDialog>(runner, messages, clock);
        dialog->setMaxCount(maxCount);
        dialog->setTimes(times);
        session = std::make_unique<RegisteredTimesSession>(*dialog);
        return *session;
    }
    Labels items() const { return session->list.items; }
    int selection() const { return session->list.selection; }
    Buttons buttons() const { return {session->add.enabled, session->edit.enabled, session->remove.enabled}; }

    // What the user does in the next nested set-time dialog.
    void nextSetTime(std::function<void(SetTimeSession&)> script) {
        runner.onSetTime = [script](SetTimeDialog& d) {
            SetTimeSession s(d);
            script(s);
            return s.result();
        };
    }
    // ... types `entered` and presses OK (or Cancel).
    void nextSetTime(TimeOfDay entered, bool ok = true) {
        nextSetTime([entered, ok](SetTimeSession& s) {
            s.time.value = entered;
            ok ? s.dialog.onOk() : s.dialog.onCancel();
        });
    }

    FakeDialogRunner runner;
    FakeMessageBoxes messages;
    FakeLocalClock clock;
    std::unique_ptr<RegisteredTimesDialog> dialog;
    std::unique_ptr<RegisteredTimesSession> session;
};

// Every list also comes back whole from OK, however long.
TEST_F(RegisteredTimesDialogTest, ButtonStateOnOpeningFollowsCountAndSelection) {
    struct Case { const char* name; Seconds times; int32_t maxCount; int selection; Buttons buttons; };
    const Case cases[] = {
        {"no entries", {}, 5, -1, {true, false, false}},
        {"one entry", {60}, 5, 0, {true, true, true}},
        {"four entries", {1, 2, 3, 4}, 5, 0, {true, true, true}},
        {"five entries", {1, 2, 3, 4, 5}, 5, 0, {false, true, true}},
        {"seven entries from a hand-edited file", {1, 60, 3600, 3601, 86399, 90000, 5400}, 5, 0, {false, true, true}},
        {"no maximum set", {60}, 0, 0, {false, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& s = open(c.times, c.maxCount);
        EXPECT_TRUE(s.initResult);
        EXPECT_EQ(s.list.count(), static_cast<int>(c.times.size()));
        EXPECT_EQ(selection(), c.selection);
        EXPECT_EQ(buttons(), c.buttons);
        s.dialog.onOk();
        EXPECT_EQ(s.dialog.times(), c.times);
    }
    EXPECT_EQ(open({180, 600, 3600}).list.items, (Labels{"3分", "10分", "1時間"}));
    open({180, 600}).select(-1);
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
    session->select(1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

// The nested dialog is a duration only, pre-filled with 3 minutes for Add and
// with the entry for Edit.
TEST_F(RegisteredTimesDialogTest, AddAppendsAndEditReplacesInPlace) {
    auto& s = open({180, 600});
    auto expectPrefill = [this](TimeOfDay prefill, TimeOfDay entered) {
        nextSetTime([=](SetTimeSession& nested) {
            EXPECT_FALSE(nested.checkBox.enabled);
            EXPECT_EQ(nested.time.value, prefill);
            EXPECT_EQ(nested.time.format, "HH時間mm分ss秒");
            nested.enter(entered);
        });
    };
    expectPrefill({0, 3, 0}, {0, 1, 30});
    s.dialog.onAdd();
    EXPECT_EQ(items(), (Labels{"3分", "10分", "1分30秒"}));
    EXPECT_EQ(selection(), 2);
    s.select(1);
    expectPrefill({0, 10, 0}, {2, 0, 1});
    s.dialog.onEdit();
    EXPECT_EQ(items(), (Labels{"3分", "2時間0分1秒", "1分30秒"}));
    EXPECT_EQ(selection(), 1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    EXPECT_EQ(runner.setTimeRuns, 2);
}

TEST_F(RegisteredTimesDialogTest, AddingTheFifthGreysAddAndDeletingOneEnablesItAgain) {
    auto& s = open({180, 600, 3600});
    nextSetTime({0, 0, 5});
    s.dialog.onAdd();
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    nextSetTime({1, 0, 1});
    s.dialog.onAdd();
    EXPECT_EQ(items(), (Labels{"3分", "10分", "1時間", "5秒", "1時間0分1秒"}));
    EXPECT_EQ(selection(), 4);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));
    s.dialog.onAdd();  // a stray Add at the maximum opens nothing
    EXPECT_EQ(runner.setTimeRuns, 2);
    s.dialog.onDelete();
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

TEST_F(RegisteredTimesDialogTest, CancelledAddOrEditAndNoSelectionChangeNothing) {
    auto& s = open({180, 600, 3600});
    s.select(2);
    nextSetTime({1, 2, 3}, false);
    s.dialog.onAdd();
    nextSetTime({1, 2, 3}, false);
    s.dialog.onEdit();
    EXPECT_EQ(selection(), 2);
    s.select(-1);
    s.dialog.onEdit();
    s.dialog.onDelete();
    EXPECT_EQ(runner.setTimeRuns, 2);
    EXPECT_EQ(items(), (Labels{"3分", "10分", "1時間"}));
}

TEST_F(RegisteredTimesDialogTest, DeleteSelectsTheSameIndexOrTheNewLast) {
    struct Case { const char* name; Seconds times; int selected; Seconds left; int selectionAfter; Buttons buttons; };
    const Case cases[] = {
        {"first of three", {180, 600, 3600}, 0, {600, 3600}, 0, {true, true, true}},
        {"middle of three", {180, 600, 3600}, 1, {180, 3600}, 1, {true, true, true}},
        {"last of three", {180, 600, 3600}, 2, {180, 600}, 1, {true, true, true}},
        {"only entry", {180}, 0, {}, -1, {true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& s = open(c.times);
        s.select(c.selected);
        s.dialog.onDelete();
        EXPECT_EQ(selection(), c.selectionAfter);
        EXPECT_EQ(buttons(), c.buttons);
        s.dialog.onOk();
        EXPECT_EQ(s.result(), kDialogOk);
        EXPECT_EQ(s.dialog.times(), c.left);
    }
}

TEST_F(RegisteredTimesDialogTest, OkGivesTheListInListBoxOrderAndCancelTheCallersList) {
    for (bool ok : {true, false}) {
        auto& s = open({3600, 180, 600});
        nextSetTime({0, 0, 45});
        s.dialog.onAdd();
        s.select(0);
        nextSetTime({2, 0, 0});
        s.dialog.onEdit();
        s.select(1);
        s.dialog.onDelete();
        ok ? s.dialog.onOk() : s.dialog.onCancel();
        s.dialog.onDelete();  // nothing acts after the end
        s.dialog.onAdd();
        s.dialog.onOk();
        EXPECT_EQ(s.result(), ok ? kDialogOk : kDialogCancel);
        EXPECT_EQ(s.ender.calls, 1);
        EXPECT_EQ(runner.setTimeRuns, ok ? 2 : 4);
        EXPECT_EQ(s.list.count(), 3);
        EXPECT_EQ(s.dialog.times(), ok ? (Seconds{7200, 600, 45}) : (Seconds{3600, 180, 600}));
    }
}

// Above the signed range a label cannot spell the value: the largest one is shown.
TEST_F(RegisteredTimesDialogTest, ValueAboveTheSignedRangeIsShownAsTheLargestLabel) {
    auto& s = open({4294967295u, 180});
    EXPECT_EQ(s.list.text(0), "596523時間14分7秒");
    s.dialog.onOk();
    EXPECT_EQ(s.dialog.times(), (Seconds{4294967295u, 180}));  // untouched: kept as stored
}

}  // namespace
