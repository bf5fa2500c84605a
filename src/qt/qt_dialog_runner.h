// Runs the set-time and registered-times dialogs as QDialogs driven by the
// core dialog classes.
#pragma once

#include "platform/dialog_runner.h"
#include "resources/catalogue.h"

class QtDialogRunner final : public DialogRunner {
public:
    explicit QtDialogRunner(const Texts& texts) : texts_(texts) {}
    int runSetTime(SetTimeDialog& dialog) override;
    int runRegisteredTimes(RegisteredTimesDialog& dialog) override;

private:
    Texts texts_;
};
