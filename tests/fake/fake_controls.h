// Fake dialog controls: plain state the test can read and set, for binding
// the core dialogs inside a FakeDialogRunner callback.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_controls.h"

class FakeTimeControl : public TimeControl {
public:
    void setFormat(const std::string& f) override { format = f; }
    void setTime(const TimeOfDay& t) override { value = t; }
    TimeOfDay time() const override { return value; }
    std::string format;
    TimeOfDay value;
};

class FakeCheckBox : public CheckBox {
public:
    bool isChecked() const override { return checked; }
    void setEnabled(bool on) override { enabled = on; }
    bool checked = false;
    bool enabled = true;
};

class FakePushButton : public PushButton {
public:
    void setEnabled(bool on) override { enabled = on; }
    bool enabled = true;
};

class FakeListBox : public ListBox {
public:
    int count() const override { return static_cast<int>(items.size()); }
    void addString(const std::string& text) override { items.push_back(text); }
    void insertString(int index, const std::string& text) override;
    void deleteString(int index) override;
    std::string text(int index) const override;
    int currentSelection() const override { return selection; }
    void setCurrentSelection(int index) override;
    std::vector<std::string> items;
    int selection = -1;
};

class FakeDialogEnder : public DialogEnder {
public:
    void endDialog(int r) override { result = r; }
    std::optional<int> result;
};
