// Runs the two time dialogs modally. The backend builds the real dialog,
// binds its controls and feeds the core dialog's handlers.
#pragma once

class SetTimeDialog;
class RegisteredTimesDialog;

enum DialogResult : int {
    kDialogOk = 1,
    kDialogCancel = 2,
};

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int runSetTime(SetTimeDialog& dialog) = 0;
    virtual int runRegisteredTimes(RegisteredTimesDialog& dialog) = 0;
};
