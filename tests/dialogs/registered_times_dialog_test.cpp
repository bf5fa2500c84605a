#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/registered_times_dialog.h"
#include "fake_dialog_services.h"

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

    // The next nested set-time dialog: the user types `entered` and presses OK.
    void nextSetTimeEnters(TimeOfDay entered) {
        runner.scripts.push_back([entered](SetTimeSession& s) {
            s.time.userEnters(entered);
            s.dialog.onOk();
        });
    }
    void nextSetTimeCancels() {
        runner.scripts.push_back([](SetTimeSession& s) {
            s.time.userEnters({1, 2, 3});
            s.dialog.onCancel();
        });
    }

    ScriptedDialogRunner runner;
    RecordingMessageBoxes messages;
    FixedLocalClock clock;
    std::unique_ptr<RegisteredTimesDialog> dialog;
    std::unique_ptr<RegisteredTimesSession> session;
};

// ---- Opening and button state ----

TEST_F(RegisteredTimesDialogTest, OpensTheDefaultListAsLabelsWithTheFirstSelected) {
    EXPECT_TRUE(open({180, 600, 3600}).initResult);
    EXPECT_EQ(items(), (Labels{"3分", "10分", "1時間"}));
    EXPECT_EQ(selection(), 0);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

struct OpenCase {
    const char* name;
    Seconds times;
    int32_t maxCount;
    int selection;
    Buttons buttons;
};

TEST_F(RegisteredTimesDialogTest, ButtonStateOnOpeningFollowsCountAndSelection) {
    const OpenCase cases[] = {
        {"no entries", {}, 5, -1, {true, false, false}},
        {"one entry", {60}, 5, 0, {true, true, true}},
        {"four entries", {1, 2, 3, 4}, 5, 0, {true, true, true}},
        {"five entries", {1, 2, 3, 4, 5}, 5, 0, {false, true, true}},
        {"seven entries from a hand-edited file", {1, 2, 3, 4, 5, 6, 7}, 5, 0, {false, true, true}},
        {"no maximum set", {60}, 0, 0, {false, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(open(c.times, c.maxCount).list.count(), static_cast<int>(c.times.size()));
        EXPECT_EQ(selection(), c.selection);
        EXPECT_EQ(buttons(), c.buttons);
    }
}

TEST_F(RegisteredTimesDialogTest, SelectionChangeUpdatesEditAndDelete) {
    auto& s = open({180, 600});
    s.select(-1);
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
    s.select(1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

// ---- Add ----

TEST_F(RegisteredTimesDialogTest, AddOpensADurationOnlySetTimeDialogPrefilledWithThreeMinutes) {
    auto& s = open({600});
    runner.scripts.push_back([](SetTimeSession& nested) {
        EXPECT_FALSE(nested.checkBox.enabled);
        EXPECT_EQ(nested.time.value, (TimeOfDay{0, 3, 0}));
        EXPECT_EQ(nested.time.format, "HH時間mm分ss秒");
        nested.time.userEnters({0, 1, 30});
        nested.dialog.onOk();
    });
    s.dialog.onAdd();
    EXPECT_EQ(runner.setTimeRuns, 1);
    EXPECT_EQ(items(), (Labels{"10分", "1分30秒"}));
    EXPECT_EQ(selection(), 1);
}

TEST_F(RegisteredTimesDialogTest, AddingTheFifthGreysAddAndDeletingOneEnablesItAgain) {
    auto& s = open({180, 600, 3600});
    nextSetTimeEnters({0, 0, 5});
    s.dialog.onAdd();
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    nextSetTimeEnters({1, 0, 1});
    s.dialog.onAdd();
    EXPECT_EQ(items(), (Labels{"3分", "10分", "1時間", "5秒", "1時間0分1秒"}));
    EXPECT_EQ(selection(), 4);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));

    s.dialog.onAdd();  // a stray Add at the maximum opens nothing
    EXPECT_EQ(runner.setTimeRuns, 2);
    EXPECT_EQ(s.list.count(), 5);

    s.dialog.onDelete();
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

TEST_F(RegisteredTimesDialogTest, NestedDialogRefusesZeroBeforeAddAppends) {
    auto& s = open({});
    runner.scripts.push_back([this](SetTimeSession& nested) {
        nested.time.userEnters({0, 0, 0});
        nested.dialog.onOk();
        EXPECT_EQ(messages.shown.size(), 1u);
        nested.time.userEnters({0, 0, 1});
        nested.dialog.onOk();
    });
    s.dialog.onAdd();
    EXPECT_EQ(items(), (Labels{"1秒"}));
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

// ---- Edit ----

TEST_F(RegisteredTimesDialogTest, EditReplacesTheEntryInPlace) {
    auto& s = open({180, 600, 3600});
    s.select(1);
    runner.scripts.push_back([](SetTimeSession& nested) {
        EXPECT_FALSE(nested.checkBox.enabled);
        EXPECT_EQ(nested.time.value, (TimeOfDay{0, 10, 0}));
        nested.time.userEnters({0, 1, 30});
        nested.dialog.onOk();
    });
    s.dialog.onEdit();
    EXPECT_EQ(items(), (Labels{"3分", "1分30秒", "1時間"}));
    EXPECT_EQ(selection(), 1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

TEST_F(RegisteredTimesDialogTest, CancelledAddOrEditChangesNothing) {
    auto& s = open({180, 600, 3600});
    s.select(2);
    nextSetTimeCancels();
    s.dialog.onAdd();
    nextSetTimeCancels();
    s.dialog.onEdit();
    EXPECT_EQ(runner.setTimeRuns, 2);
    EXPECT_EQ(items(), (Labels{"3分", "10分", "1時間"}));
    EXPECT_EQ(selection(), 2);
}

TEST_F(RegisteredTimesDialogTest, EditAndDeleteWithoutASelectionDoNothing) {
    auto& s = open({180, 600});
    s.select(-1);
    s.dialog.onEdit();
    s.dialog.onDelete();
    EXPECT_EQ(runner.setTimeRuns, 0);
    EXPECT_EQ(items(), (Labels{"3分", "10分"}));
}

// ---- Delete ----

struct DeleteCase {
    const char* name;
    Seconds times;
    int selected;
    Labels left;
    int selectionAfter;
    Buttons buttons;
};

TEST_F(RegisteredTimesDialogTest, DeleteSelectsTheSameIndexOrTheNewLast) {
    const DeleteCase cases[] = {
        {"first of three", {180, 600, 3600}, 0, {"10分", "1時間"}, 0, {true, true, true}},
        {"middle of three", {180, 600, 3600}, 1, {"3分", "1時間"}, 1, {true, true, true}},
        {"last of three", {180, 600, 3600}, 2, {"3分", "10分"}, 1, {true, true, true}},
        {"only entry", {180}, 0, {}, -1, {true, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& s = open(c.times);
        s.select(c.selected);
        s.dialog.onDelete();
        EXPECT_EQ(items(), c.left);
        EXPECT_EQ(selection(), c.selectionAfter);
        EXPECT_EQ(buttons(), c.buttons);
    }
}

// ---- OK and Cancel ----

TEST_F(RegisteredTimesDialogTest, OkGivesTheListInListBoxOrder) {
    auto& s = open({3600, 180, 600});
    nextSetTimeEnters({0, 0, 45});
    s.dialog.onAdd();
    s.select(0);
    nextSetTimeEnters({2, 0, 0});
    s.dialog.onEdit();
    s.select(1);
    s.dialog.onDelete();
    s.dialog.onOk();
    EXPECT_EQ(s.ender.result, kDialogOk);
    EXPECT_EQ(s.ender.calls, 1);
    EXPECT_EQ(s.dialog.times(), (Seconds{7200, 600, 45}));
}

TEST_F(RegisteredTimesDialogTest, OkWithAnEmptyListGivesAnEmptyList) {
    auto& s = open({180});
    s.dialog.onDelete();
    s.dialog.onOk();
    EXPECT_EQ(s.ender.result, kDialogOk);
    EXPECT_TRUE(s.dialog.times().empty());
}

TEST_F(RegisteredTimesDialogTest, CancelLeavesTheCallersListAsItWas) {
    auto& s = open({180, 600, 3600});
    nextSetTimeEnters({0, 0, 9});
    s.dialog.onAdd();
    s.dialog.onDelete();
    s.select(0);
    s.dialog.onDelete();
    s.dialog.onCancel();
    EXPECT_EQ(s.ender.result, kDialogCancel);
    EXPECT_EQ(s.dialog.times(), (Seconds{180, 600, 3600}));
}

TEST_F(RegisteredTimesDialogTest, LongerListIsShownWholeAndComesBackWhole) {
    const Seconds seven{1, 60, 3600, 3601, 86399, 90000, 5400};
    auto& s = open(seven);
    EXPECT_EQ(s.list.count(), 7);
    EXPECT_EQ(s.list.text(5), "25時間");
    EXPECT_FALSE(s.add.enabled);
    s.dialog.onOk();
    EXPECT_EQ(s.dialog.times(), seven);
}

// Every duration the set-time dialog can produce survives the list box.
TEST_F(RegisteredTimesDialogTest, EveryDurationOfADayComesBackFromItsLabel) {
    Seconds all;
    for (uint32_t seconds = 1; seconds < 86400; ++seconds) all.push_back(seconds);
    auto& s = open(all, static_cast<int32_t>(all.size()));
    s.dialog.onOk();
    EXPECT_EQ(s.dialog.times(), all);
}

// Above the signed range a label cannot spell the value; it is shown as the
// largest one instead of a negative label.
TEST_F(RegisteredTimesDialogTest, ValueAboveTheSignedRangeIsShownAsTheLargestLabel) {
    auto& s = open({4294967295u, 180});
    EXPECT_EQ(s.list.text(0), "596523時間14分7秒");
    s.dialog.onOk();
    EXPECT_EQ(s.dialog.times(), (Seconds{2147483647u, 180}));
}

TEST_F(RegisteredTimesDialogTest, HandlersAfterTheDialogEndedDoNothing) {
    auto& s = open({180});
    s.dialog.onOk();
    s.dialog.onDelete();
    s.dialog.onAdd();
    s.dialog.onCancel();
    EXPECT_EQ(s.ender.calls, 1);
    EXPECT_EQ(runner.setTimeRuns, 0);
    EXPECT_EQ(items(), (Labels{"3分"}));
}

}  // namespace
