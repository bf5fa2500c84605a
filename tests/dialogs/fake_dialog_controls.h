// Fake controls for the two time dialogs. They behave like the Win32 controls
// in the ways the dialogs depend on: the time control refuses a time of day
// out of range and keeps its old value, a disabled check box cannot be
// ticked, and the list box moves or drops its selection as entries are
// inserted and deleted.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_controls.h"

class FakeTimeControl : public TimeControl {
public:
    void setFormat(const std::string& f) override { format = f; }
    void setTime(const TimeOfDay& t) override {
        if (inRange(t)) value = t;
        else ++refusedSets;
    }
    TimeOfDay time() const override { return value; }

    // What the user types into the control.
    void userEnters(const TimeOfDay& t) { value = t; }

    std::string format;
    TimeOfDay value{};
    int refusedSets = 0;

private:
    static bool inRange(const TimeOfDay& t) {
        return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60;
    }
};

class FakeCheckBox : public CheckBox {
public:
    bool isChecked() const override { return checked; }
    void setEnabled(bool e) override { enabled = e; }

    // A click toggles the box only when it is enabled; returns whether the
    // dialog gets a click notification.
    bool userClicks() {
        if (!enabled) return false;
        checked = !checked;
        return true;
    }

    bool checked = false;
    bool enabled = true;
};

class FakePushButton : public PushButton {
public:
    void setEnabled(bool e) override { enabled = e; }
    bool enabled = true;
};

class FakeListBox : public ListBox {
public:
    int count() const override { return static_cast<int>(items.size()); }
    void addString(const std::string& text) override { items.push_back(text); }
    void insertString(int index, const std::string& text) override {
        if (index < 0 || index > count()) index = count();
        items.insert(items.begin() + index, text);
        if (selection >= index) ++selection;
    }
    void deleteString(int index) override {
        if (index < 0 || index >= count()) return;
        items.erase(items.begin() + index);
        if (selection == index) selection = -1;
        else if (selection > index) --selection;
    }
    std::string text(int index) const override { return index >= 0 && index < count() ? items[index] : ""; }
    int currentSelection() const override { return selection; }
    void setCurrentSelection(int index) override { selection = index >= 0 && index < count() ? index : -1; }

    std::vector<std::string> items;
    int selection = -1;
};

class FakeDialogEnder : public DialogEnder {
public:
    void endDialog(int r) override {
        ++calls;
        result = r;
    }
    std::optional<int> result;
    int calls = 0;
};
