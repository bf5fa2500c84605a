// The controls of the two time dialogs as the core dialog classes drive them.
// A backend binds them to real controls; tests bind them to fakes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/local_clock.h"

// Date-time picker in time mode: shows hours, minutes, seconds of its value in
// the given display format ("HH' h 'mm' min 'ss' s'", "HH:mm").
class TimeControl {
public:
    virtual ~TimeControl() = default;
    virtual void setFormat(const std::string& format) = 0;
    virtual void setTime(const TimeOfDay& time) = 0;
    virtual TimeOfDay time() const = 0;
};

class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual bool isChecked() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

class PushButton {
public:
    virtual ~PushButton() = default;
    virtual void setEnabled(bool enabled) = 0;
};

// Unsorted single-selection list box of UTF-8 strings, each with a number
// kept beside it (its item data), so nothing depends on reading text back.
class ListBox {
public:
    virtual ~ListBox() = default;
    virtual int count() const = 0;
    virtual void addString(const std::string& text, uint32_t data) = 0;
    virtual void insertString(int index, const std::string& text, uint32_t data) = 0;
    virtual void deleteString(int index) = 0;
    virtual std::string text(int index) const = 0;
    virtual uint32_t data(int index) const = 0;
    virtual int currentSelection() const = 0;  // -1: none
    virtual void setCurrentSelection(int index) = 0;
};

class DialogEnder {
public:
    virtual ~DialogEnder() = default;
    virtual void endDialog(int result) = 0;
};
