// Message boxes, local clock and dialog runner for the dialog tests, and a
// set-time session that opens a SetTimeDialog over fake controls.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "fake_dialog_controls.h"
#include "platform/dialog_runner.h"
#include "platform/local_clock.h"
#include "platform/message_box.h"

class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        std::optional<std::string> caption;
        uint32_t style;
    };
    void show(const std::string& text, const std::optional<std::string>& caption, uint32_t style) override {
        shown.push_back({text, caption, style});
    }
    std::vector<Shown> shown;
};

class FixedLocalClock : public LocalClock {
public:
    TimeOfDay now() const override { return value; }
    TimeOfDay value{10, 15, 30};
};

// The set-time dialog as a user sees it: its fake controls, opened.
struct SetTimeSession {
    explicit SetTimeSession(SetTimeDialog& d) : dialog(d) { initResult = dialog.onInitDialog(controls); }

    void clickCheckBox() {
        if (checkBox.userClicks()) dialog.onClockTimeClicked();
    }
    int resultOrCancel() const { return ender.result.value_or(kDialogCancel); }

    SetTimeDialog& dialog;
    FakeTimeControl time;
    FakeCheckBox checkBox;
    FakeDialogEnder ender;
    SetTimeControls controls{time, checkBox, ender};
    bool initResult = false;
};

// The registered-times dialog as a user sees it: its fake controls, opened.
struct RegisteredTimesSession {
    explicit RegisteredTimesSession(RegisteredTimesDialog& d) : dialog(d) { initResult = dialog.onInitDialog(controls); }

    void select(int index) {
        list.setCurrentSelection(index);
        dialog.onSelectionChange();
    }

    RegisteredTimesDialog& dialog;
    FakeListBox list;
    FakePushButton add, edit, remove;
    FakeDialogEnder ender;
    RegisteredTimesControls controls{list, add, edit, remove, ender};
    bool initResult = false;
};

// Plays one script per nested set-time dialog, in order. A script drives the
// open session; the run's result is what the dialog ended with.
class ScriptedDialogRunner : public DialogRunner {
public:
    using Script = std::function<void(SetTimeSession&)>;

    int runSetTime(SetTimeDialog& dialog) override {
        ++setTimeRuns;
        if (scripts.empty()) {
            ADD_FAILURE() << "unexpected set-time dialog";
            return kDialogCancel;
        }
        const Script script = scripts.front();
        scripts.pop_front();
        SetTimeSession session(dialog);
        script(session);
        return session.resultOrCancel();
    }
    int runRegisteredTimes(RegisteredTimesDialog&) override {
        ADD_FAILURE() << "unexpected registered-times dialog";
        return kDialogCancel;
    }

    std::deque<Script> scripts;
    int setTimeRuns = 0;
};
