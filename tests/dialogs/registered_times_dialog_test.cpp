#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/registered_times_dialog.h"
#include "fake_dialog_services.h"

namespace {

using Labels = std::vector<std::string>;
using Seconds = std::vector<uint32_t>;

class RegisteredTimesDialogTest : public ::testing::Test {
protected:
    // Opens the dialog as the menu command does: at most five entries.
    void open(const Seconds& times, int32_t maxCount = 5) {
        dialog.setMaxCount(maxCount);
        dialog.setTimes(times);
        initResult = dialog.onInitDialog(controls);
    }

    // The user selects an entry in the list box.
    void select(int index) {
        list.setCurrentSelection(index);
        dialog.onSelectionChange();
    }

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

    struct Buttons {
        bool add, edit, remove;
        friend bool operator==(const Buttons&, const Buttons&) = default;
    };
    Buttons buttons() const { return {add.enabled, edit.enabled, remove.enabled}; }

    ScriptedDialogRunner runner;
    RecordingMessageBoxes messages;
    FixedLocalClock clock;
    RegisteredTimesDialog dialog{runner, messages, clock};

    FakeListBox list;
    FakePushButton add, edit, remove;
    FakeDialogEnder ender;
    RegisteredTimesControls controls{list, add, edit, remove, ender};
    bool initResult = false;
};

// ---- Opening and button state ----

TEST_F(RegisteredTimesDialogTest, OpensTheDefaultListAsLabelsWithTheFirstSelected) {
    open({180, 600, 3600});
    EXPECT_TRUE(initResult);
    EXPECT_EQ(list.items, (Labels{"3分", "10分", "1時間"}));
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

struct OpenCase {
    const char* name;
    Seconds times;
    int32_t maxCount;
    int selection;
    bool addEnabled;
    bool editDeleteEnabled;
};

TEST_F(RegisteredTimesDialogTest, ButtonStateOnOpeningFollowsCountAndSelection) {
    const OpenCase cases[] = {
        {"no entries", {}, 5, -1, true, false},
        {"one entry", {60}, 5, 0, true, true},
        {"four entries", {1, 2, 3, 4}, 5, 0, true, true},
        {"five entries", {1, 2, 3, 4, 5}, 5, 0, false, true},
        {"seven entries from a hand-edited file", {1, 2, 3, 4, 5, 6, 7}, 5, 0, false, true},
        {"no maximum set", {60}, 0, 0, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeListBox l;
        FakePushButton a, e, r;
        FakeDialogEnder end;
        RegisteredTimesControls ctl{l, a, e, r, end};
        RegisteredTimesDialog d{runner, messages, clock};
        if (c.maxCount > 0) d.setMaxCount(c.maxCount);
        d.setTimes(c.times);
        d.onInitDialog(ctl);
        EXPECT_EQ(l.count(), static_cast<int>(c.times.size()));
        EXPECT_EQ(l.selection, c.selection);
        EXPECT_EQ(a.enabled, c.addEnabled);
        EXPECT_EQ(e.enabled, c.editDeleteEnabled);
        EXPECT_EQ(r.enabled, c.editDeleteEnabled);
    }
}

TEST_F(RegisteredTimesDialogTest, SetTimesAppendsToWhatIsThere) {
    dialog.setTimes({60});
    open({120, 180});
    EXPECT_EQ(list.items, (Labels{"1分", "2分", "3分"}));
}

TEST_F(RegisteredTimesDialogTest, SelectionChangeUpdatesEditAndDelete) {
    open({180, 600});
    select(-1);
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
    select(1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

// ---- Add ----

TEST_F(RegisteredTimesDialogTest, AddOpensADurationOnlySetTimeDialogPrefilledWithThreeMinutes) {
    open({600});
    runner.scripts.push_back([](SetTimeSession& s) {
        EXPECT_FALSE(s.checkBox.enabled);
        EXPECT_EQ(s.time.value, (TimeOfDay{0, 3, 0}));
        EXPECT_EQ(s.time.format, "HH時間mm分ss秒");
        s.time.userEnters({0, 1, 30});
        s.dialog.onOk();
    });
    dialog.onAdd();
    EXPECT_EQ(runner.setTimeRuns, 1);
    EXPECT_EQ(list.items, (Labels{"10分", "1分30秒"}));
    EXPECT_EQ(list.selection, 1);
}

TEST_F(RegisteredTimesDialogTest, AddingTheFifthGreysAddAndDeletingOneEnablesItAgain) {
    open({180, 600, 3600});
    nextSetTimeEnters({0, 0, 5});
    dialog.onAdd();
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    nextSetTimeEnters({1, 0, 1});
    dialog.onAdd();
    EXPECT_EQ(list.items, (Labels{"3分", "10分", "1時間", "5秒", "1時間0分1秒"}));
    EXPECT_EQ(list.selection, 4);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));

    dialog.onAdd();  // a stray Add at the maximum opens nothing
    EXPECT_EQ(runner.setTimeRuns, 2);
    EXPECT_EQ(list.count(), 5);

    dialog.onDelete();
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

TEST_F(RegisteredTimesDialogTest, CancelledAddChangesNothing) {
    open({180, 600});
    select(1);
    nextSetTimeCancels();
    dialog.onAdd();
    EXPECT_EQ(runner.setTimeRuns, 1);
    EXPECT_EQ(list.items, (Labels{"3分", "10分"}));
    EXPECT_EQ(list.selection, 1);
}

TEST_F(RegisteredTimesDialogTest, NestedDialogRefusesZeroBeforeAddAppends) {
    open({});
    runner.scripts.push_back([this](SetTimeSession& s) {
        s.time.userEnters({0, 0, 0});
        s.dialog.onOk();
        EXPECT_EQ(messages.shown.size(), 1u);
        s.time.userEnters({0, 0, 1});
        s.dialog.onOk();
    });
    dialog.onAdd();
    EXPECT_EQ(list.items, (Labels{"1秒"}));
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

// ---- Edit ----

TEST_F(RegisteredTimesDialogTest, EditReplacesTheEntryInPlace) {
    open({180, 600, 3600});
    select(1);
    runner.scripts.push_back([](SetTimeSession& s) {
        EXPECT_FALSE(s.checkBox.enabled);
        EXPECT_EQ(s.time.value, (TimeOfDay{0, 10, 0}));
        s.time.userEnters({0, 1, 30});
        s.dialog.onOk();
    });
    dialog.onEdit();
    EXPECT_EQ(list.items, (Labels{"3分", "1分30秒", "1時間"}));
    EXPECT_EQ(list.selection, 1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
}

TEST_F(RegisteredTimesDialogTest, EditPrefillsFromTheLabelOfTheSelectedEntry) {
    open({180, 3661, 5400});
    select(1);
    runner.scripts.push_back([](SetTimeSession& s) {
        EXPECT_EQ(s.time.value, (TimeOfDay{1, 1, 1}));
        s.dialog.onOk();
    });
    dialog.onEdit();
    EXPECT_EQ(list.items, (Labels{"3分", "1時間1分1秒", "1時間30分"}));
}

TEST_F(RegisteredTimesDialogTest, CancelledEditChangesNothing) {
    open({180, 600, 3600});
    select(2);
    nextSetTimeCancels();
    dialog.onEdit();
    EXPECT_EQ(list.items, (Labels{"3分", "10分", "1時間"}));
    EXPECT_EQ(list.selection, 2);
}

TEST_F(RegisteredTimesDialogTest, EditAndDeleteWithoutASelectionDoNothing) {
    open({180, 600});
    select(-1);
    dialog.onEdit();
    dialog.onDelete();
    EXPECT_EQ(runner.setTimeRuns, 0);
    EXPECT_EQ(list.items, (Labels{"3分", "10分"}));
}

// ---- Delete ----

struct DeleteCase {
    const char* name;
    Seconds times;
    int selected;
    Labels left;
    int selectionAfter;
    bool editDeleteEnabled;
};

TEST_F(RegisteredTimesDialogTest, DeleteSelectsTheSameIndexOrTheNewLast) {
    const DeleteCase cases[] = {
        {"first of three", {180, 600, 3600}, 0, {"10分", "1時間"}, 0, true},
        {"middle of three", {180, 600, 3600}, 1, {"3分", "1時間"}, 1, true},
        {"last of three", {180, 600, 3600}, 2, {"3分", "10分"}, 1, true},
        {"only entry", {180}, 0, {}, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeListBox l;
        FakePushButton a, e, r;
        FakeDialogEnder end;
        RegisteredTimesControls ctl{l, a, e, r, end};
        RegisteredTimesDialog d{runner, messages, clock};
        d.setMaxCount(5);
        d.setTimes(c.times);
        d.onInitDialog(ctl);
        l.setCurrentSelection(c.selected);
        d.onSelectionChange();
        d.onDelete();
        EXPECT_EQ(l.items, c.left);
        EXPECT_EQ(l.selection, c.selectionAfter);
        EXPECT_EQ(e.enabled, c.editDeleteEnabled);
        EXPECT_EQ(r.enabled, c.editDeleteEnabled);
        EXPECT_TRUE(a.enabled);
    }
}

// ---- OK and Cancel ----

TEST_F(RegisteredTimesDialogTest, OkGivesTheListInListBoxOrder) {
    open({3600, 180, 600});
    nextSetTimeEnters({0, 0, 45});
    dialog.onAdd();
    select(0);
    nextSetTimeEnters({2, 0, 0});
    dialog.onEdit();
    select(1);
    dialog.onDelete();
    dialog.onOk();
    EXPECT_EQ(ender.result, kDialogOk);
    EXPECT_EQ(ender.calls, 1);
    EXPECT_EQ(dialog.times(), (Seconds{7200, 600, 45}));
}

TEST_F(RegisteredTimesDialogTest, OkWithAnEmptyListGivesAnEmptyList) {
    open({180});
    dialog.onDelete();
    dialog.onOk();
    EXPECT_EQ(ender.result, kDialogOk);
    EXPECT_TRUE(dialog.times().empty());
}

TEST_F(RegisteredTimesDialogTest, CancelLeavesTheCallersListAsItWas) {
    open({180, 600, 3600});
    nextSetTimeEnters({0, 0, 9});
    dialog.onAdd();
    dialog.onDelete();
    select(0);
    dialog.onDelete();
    dialog.onCancel();
    EXPECT_EQ(ender.result, kDialogCancel);
    EXPECT_EQ(dialog.times(), (Seconds{180, 600, 3600}));
}

TEST_F(RegisteredTimesDialogTest, LongerListIsShownWholeAndComesBackWhole) {
    const Seconds seven{1, 60, 3600, 3601, 86399, 90000, 5400};
    open(seven);
    EXPECT_EQ(list.count(), 7);
    EXPECT_EQ(list.text(5), "25時間");
    EXPECT_FALSE(add.enabled);
    dialog.onOk();
    EXPECT_EQ(dialog.times(), seven);
}

// Every duration the set-time dialog can produce survives the list box.
TEST_F(RegisteredTimesDialogTest, EveryDurationOfADayComesBackFromItsLabel) {
    Seconds all;
    for (uint32_t s = 1; s < 86400; ++s) all.push_back(s);
    open(all, static_cast<int32_t>(all.size()));
    dialog.onOk();
    EXPECT_EQ(dialog.times(), all);
}

// Above the signed range a label cannot spell the value; it is shown as the
// largest one instead of a negative label.
TEST_F(RegisteredTimesDialogTest, ValueAboveTheSignedRangeIsShownAsTheLargestLabel) {
    open({4294967295u, 180});
    EXPECT_EQ(list.text(0), "596523時間14分7秒");
    dialog.onOk();
    EXPECT_EQ(dialog.times(), (Seconds{2147483647u, 180}));
}

TEST_F(RegisteredTimesDialogTest, HandlersAfterTheDialogEndedDoNothing) {
    open({180});
    dialog.onOk();
    dialog.onDelete();
    dialog.onAdd();
    dialog.onCancel();
    EXPECT_EQ(ender.calls, 1);
    EXPECT_EQ(runner.setTimeRuns, 0);
    EXPECT_EQ(list.items, (Labels{"3分"}));
}

}  // namespace
