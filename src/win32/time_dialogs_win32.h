// Runs the set-time (137) and registered-times (136) dialogs, built from their
// tables in the chosen language, binding the controls and calling the core
// dialog's handlers.
#pragma once

#include "platform/dialog_runner.h"
#include "resources/catalogue.h"
#include "win32/owner_window.h"

class Win32DialogRunner final : public DialogRunner {
public:
    Win32DialogRunner(OwnerWindows& owners, const Texts& texts) : owners_(owners), texts_(texts) {}
    int runSetTime(SetTimeDialog& dialog) override;
    int runRegisteredTimes(RegisteredTimesDialog& dialog) override;

private:
    OwnerWindows& owners_;
    Texts texts_;
};
