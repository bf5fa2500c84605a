// The set-time dialog (template 137): a duration, or a target clock time when
// its check box is ticked. It only collects the value; the caller decides.
#pragma once

#include <cstdint>

#include "platform/dialog_controls.h"
#include "platform/local_clock.h"
#include "platform/message_box.h"
#include "resources/catalogue.h"

struct SetTimeControls {
    TimeControl& time;     // id 1007
    CheckBox& clockTime;   // id 1004
    DialogEnder& ender;
};

class SetTimeDialog {
public:
    static constexpr int kTemplateId = 137;
    static constexpr int kCheckBoxId = 1004;
    static constexpr int kTimeControlId = 1007;

    SetTimeDialog(MessageBoxes& messages, const LocalClock& clock, const Texts& texts);

    void setDuration(int32_t seconds);
    void disableClockTime();
    int32_t durationSeconds() const;
    bool isClockTime() const { return clockTimeMode_; }
    bool clockTimeAllowed() const { return clockTimeAllowed_; }

    // Handlers the backend calls while the dialog runs. onInitDialog comes
    // first; after the dialog has ended the others do nothing.
    bool onInitDialog(SetTimeControls& controls);
    void onClockTimeClicked();
    void onOk();
    void onCancel();

private:
    bool checkBoxTicked() const;
    void applyMode();
    void end(int result);

    MessageBoxes& messages_;
    const LocalClock& clock_;
    Texts texts_;
    SetTimeControls* controls_ = nullptr;
    int32_t hours_ = 0;
    int32_t minutes_ = 0;
    int32_t seconds_ = 0;
    bool clockTimeMode_ = false;
    bool clockTimeAllowed_ = true;
};
