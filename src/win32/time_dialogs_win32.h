// Runs the set-time (137) and registered-times (136) dialogs from their
// templates, binding the controls and calling the core dialog's handlers.
#pragma once

#include "platform/dialog_runner.h"
#include "win32/owner_window.h"

class Win32DialogRunner final : public DialogRunner {
public:
    explicit Win32DialogRunner(OwnerWindows& owners) : owners_(owners) {}
    int runSetTime(SetTimeDialog& dialog) override;
    int runRegisteredTimes(RegisteredTimesDialog& dialog) override;

private:
    OwnerWindows& owners_;
};
