// The core's dialog controls bound to real controls of a dialog.
#pragma once

#include <windows.h>

#include "platform/dialog_controls.h"

// A SysDateTimePick32 in time format. Its value is a time of day on a fixed
// date; only hours, minutes and seconds matter.
class Win32TimeControl final : public TimeControl {
public:
    explicit Win32TimeControl(HWND control) : control_(control) {}
    void setFormat(const std::string& format) override;
    void setTime(const TimeOfDay& time) override;
    TimeOfDay time() const override;

private:
    HWND control_;
};

class Win32CheckBox final : public CheckBox {
public:
    explicit Win32CheckBox(HWND control) : control_(control) {}
    bool isChecked() const override;
    void setEnabled(bool enabled) override;

private:
    HWND control_;
};

class Win32PushButton final : public PushButton {
public:
    explicit Win32PushButton(HWND control) : control_(control) {}
    void setEnabled(bool enabled) override;

private:
    HWND control_;
};

class Win32ListBox final : public ListBox {
public:
    explicit Win32ListBox(HWND control) : control_(control) {}
    int count() const override;
    void addString(const std::string& text, uint32_t data) override;
    void insertString(int index, const std::string& text, uint32_t data) override;
    void deleteString(int index) override;
    std::string text(int index) const override;
    uint32_t data(int index) const override;
    int currentSelection() const override;
    void setCurrentSelection(int index) override;

private:
    HWND control_;
};

class Win32DialogEnder final : public DialogEnder {
public:
    explicit Win32DialogEnder(HWND dialog) : dialog_(dialog) {}
    void endDialog(int result) override { EndDialog(dialog_, result); }

private:
    HWND dialog_;
};
