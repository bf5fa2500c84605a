#include "dialogs/set_time_dialog.h"

#include <algorithm>
#include <optional>

#include "platform/dialog_runner.h"
#include "resources/dialog_texts.h"
#include "timekeeping/time_text.h"

static_assert(dialog_texts::kSetTimeDialog.templateId == SetTimeDialog::kTemplateId);
static_assert(dialog_texts::kSetTimeCheckBox.id == SetTimeDialog::kCheckBoxId);
static_assert(dialog_texts::kSetTimePicker.id == SetTimeDialog::kTimeControlId);

namespace {

// The time control holds a time of day, 00:00:00 to 23:59:59. A duration
// outside that range (a hand-edited settings file) is shown as the nearest
// value the control can hold, so the dialog still opens and the user sees
// the longest duration it can express rather than a value wrapped a day.
constexpr int32_t kLastSecondOfDay = 24 * 3600 - 1;

TimeOfDay shownTimeOf(int32_t hours, int32_t minutes, int32_t seconds) {
    const int64_t total = int64_t{hours} * 3600 + int64_t{minutes} * 60 + seconds;
    const auto clamped = static_cast<int32_t>(std::clamp<int64_t>(total, 0, kLastSecondOfDay));
    return {hoursOf(clamped), minutesOf(clamped), secondsOf(clamped)};
}

}  // namespace

SetTimeDialog::SetTimeDialog(MessageBoxes& messages, const LocalClock& clock, const Texts& texts)
    : messages_(messages), clock_(clock), texts_(texts) {}

void SetTimeDialog::setDuration(int32_t seconds) {
    hours_ = hoursOf(seconds);
    minutes_ = minutesOf(seconds);
    seconds_ = secondsOf(seconds);
}

void SetTimeDialog::disableClockTime() { clockTimeAllowed_ = false; }

int32_t SetTimeDialog::durationSeconds() const { return toSeconds(hours_, minutes_, seconds_); }

bool SetTimeDialog::onInitDialog(SetTimeControls& controls) {
    controls_ = &controls;
    applyMode();
    controls.clockTime.setEnabled(clockTimeAllowed_);
    return true;
}

void SetTimeDialog::onClockTimeClicked() {
    if (controls_ == nullptr) return;
    clockTimeMode_ = checkBoxTicked();
    if (clockTimeMode_) {
        // Remember the duration typed so far; unticking brings it back.
        const TimeOfDay typed = controls_->time.time();
        hours_ = typed.hour;
        minutes_ = typed.minute;
        seconds_ = typed.second;
    }
    applyMode();
}

void SetTimeDialog::onOk() {
    if (controls_ == nullptr) return;
    const bool clockTime = checkBoxTicked();
    TimeOfDay value = controls_->time.time();
    if (clockTime) value.second = 0;  // the target is taken to the minute
    if (value.hour == 0 && value.minute == 0 && value.second == 0) {
        // Refused: the members keep the remembered duration, so unticking the
        // box after a refused clock time still brings back what was typed.
        messages_.show(std::string(texts_[TextId::set_time_zero]), std::nullopt, kMbOk);
        return;
    }
    clockTimeMode_ = clockTime;
    hours_ = value.hour;
    minutes_ = value.minute;
    seconds_ = value.second;
    end(kDialogOk);
}

void SetTimeDialog::onCancel() {
    if (controls_ == nullptr) return;
    end(kDialogCancel);
}

bool SetTimeDialog::checkBoxTicked() const { return clockTimeAllowed_ && controls_->clockTime.isChecked(); }

void SetTimeDialog::applyMode() {
    if (clockTimeMode_) {
        controls_->time.setTime(clock_.now());
        controls_->time.setFormat(std::string(texts_[TextId::set_time_clock_format]));
    } else {
        controls_->time.setTime(shownTimeOf(hours_, minutes_, seconds_));
        controls_->time.setFormat(std::string(texts_[TextId::set_time_duration_format]));
    }
}

void SetTimeDialog::end(int result) {
    SetTimeControls* controls = controls_;
    controls_ = nullptr;  // the backend's controls go away with the dialog
    controls->ender.endDialog(result);
}
