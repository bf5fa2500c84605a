// Fake dialog controls, and the two time dialogs opened over them. They behave
// like the Win32 controls where the dialogs depend on it: the time control
// refuses a time of day out of range, a disabled check box cannot be ticked,
// and the list box moves or drops its selection on insert and delete.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"

struct FakeTimeControl : TimeControl {
    void setFormat(const std::string& f) override { format = f; }
    void setTime(const TimeOfDay& t) override {
        if (t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60) value = t;
    }
    TimeOfDay time() const override { return value; }
    std::string format;
    TimeOfDay value{};
};

struct FakeButton : CheckBox, PushButton {
    bool isChecked() const override { return checked; }
    void setEnabled(bool e) override { enabled = e; }
    bool checked = false;
    bool enabled = true;
};

// The item data lives in a list parallel to the texts.
struct FakeListBox : ListBox {
    int count() const override { return static_cast<int>(items.size()); }
    void addString(const std::string& text, uint32_t d) override { items.push_back(text), data_.push_back(d); }
    void insertString(int index, const std::string& text, uint32_t d) override {
        items.insert(items.begin() + index, text);
        data_.insert(data_.begin() + index, d);
        if (selection >= index) ++selection;
    }
    void deleteString(int index) override {
        items.erase(items.begin() + index);
        data_.erase(data_.begin() + index);
        selection = selection == index ? -1 : selection - (selection > index);
    }
    std::string text(int index) const override { return items.at(static_cast<std::size_t>(index)); }
    uint32_t data(int index) const override { return data_.at(static_cast<std::size_t>(index)); }
    int currentSelection() const override { return selection; }
    void setCurrentSelection(int index) override { selection = index >= 0 && index < count() ? index : -1; }
    std::vector<std::string> items;
    std::vector<uint32_t> data_;
    int selection = -1;
};

struct FakeEnder : DialogEnder {
    void endDialog(int r) override { ++calls, result = r; }
    std::optional<int> result;
    int calls = 0;
};

// The set-time dialog as a user sees it: its controls, opened.
struct SetTimeSession {
    explicit SetTimeSession(SetTimeDialog& d) : dialog(d) { initResult = dialog.onInitDialog(controls); }
    void clickCheckBox() {  // a click reaches the dialog only when the box is enabled
        if (!checkBox.enabled) return;
        checkBox.checked = !checkBox.checked;
        dialog.onClockTimeClicked();
    }
    // The user types `t` (clock time ticked first when asked) and presses OK.
    int enter(TimeOfDay t, bool clockTime = false) {
        if (clockTime) clickCheckBox();
        time.value = t;
        dialog.onOk();
        return result();
    }
    int result() const { return ender.result.value_or(kDialogCancel); }
    SetTimeDialog& dialog;
    FakeTimeControl time;
    FakeButton checkBox;
    FakeEnder ender;
    SetTimeControls controls{time, checkBox, ender};
    bool initResult = false;
};

// The registered-times dialog as a user sees it: its controls, opened.
struct RegisteredTimesSession {
    explicit RegisteredTimesSession(RegisteredTimesDialog& d) : dialog(d) { initResult = dialog.onInitDialog(controls); }
    void select(int index) {
        list.setCurrentSelection(index);
        dialog.onSelectionChange();
    }
    int result() const { return ender.result.value_or(kDialogCancel); }
    RegisteredTimesDialog& dialog;
    bool initResult = false;  // true: the platform gives the first control the keyboard
    FakeListBox list;
    FakeButton add, edit, remove;
    FakeEnder ender;
    RegisteredTimesControls controls{list, add, edit, remove, ender};
};
