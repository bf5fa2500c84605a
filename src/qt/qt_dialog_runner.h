// Runs the set-time and registered-times dialogs as QDialogs driven by the
// core dialog classes.
#pragma once

#include "platform/dialog_runner.h"

class QtDialogRunner final : public DialogRunner {
public:
    int runSetTime(SetTimeDialog& dialog) override;
    int runRegisteredTimes(RegisteredTimesDialog& dialog) override;
};
