#include "dialogs/registered_times_dialog.h"

#include <algorithm>

#include "dialogs/set_time_dialog.h"
#include "resources/dialog_texts.h"
#include "timekeeping/time_text.h"

static_assert(dialog_texts::kRegisteredTimesDialog.templateId == RegisteredTimesDialog::kTemplateId);
static_assert(dialog_texts::kRegisteredTimesList.id == RegisteredTimesDialog::kListId);
static_assert(dialog_texts::kRegisteredTimesAdd.id == RegisteredTimesDialog::kAddId);
static_assert(dialog_texts::kRegisteredTimesEdit.id == RegisteredTimesDialog::kEditId);
static_assert(dialog_texts::kRegisteredTimesDelete.id == RegisteredTimesDialog::kDeleteId);

namespace {

constexpr int32_t kAddPrefillSeconds = 180;

std::string labelOf(uint32_t seconds) { return durationLabel(registeredDuration(seconds)); }

uint32_t secondsOfLabel(const std::string& label) { return static_cast<uint32_t>(parseDurationLabel(label)); }

}  // namespace

RegisteredTimesDialog::RegisteredTimesDialog(DialogRunner& runner, MessageBoxes& messages, const LocalClock& clock)
    : runner_(runner), messages_(messages), clock_(clock) {}

void RegisteredTimesDialog::setTimes(const std::vector<uint32_t>& times) {
    times_.insert(times_.end(), times.begin(), times.end());
}

bool RegisteredTimesDialog::onInitDialog(RegisteredTimesControls& controls) {
    controls_ = &controls;
    for (uint32_t seconds : times_) controls.list.addString(labelOf(seconds));
    if (controls.list.count() > 0) controls.list.setCurrentSelection(0);
    updateButtons();
    return true;
}

void RegisteredTimesDialog::onAdd() {
    if (controls_ == nullptr || controls_->list.count() >= maxCount_) return;
    const std::optional<int32_t> added = askDuration(kAddPrefillSeconds);
    if (!added) return;
    ListBox& list = controls_->list;
    list.addString(durationLabel(*added));
    list.setCurrentSelection(list.count() - 1);
    updateButtons();
}

void RegisteredTimesDialog::onEdit() {
    const std::optional<int> index = selection();
    if (!index) return;
    ListBox& list = controls_->list;
    const std::optional<int32_t> edited = askDuration(parseDurationLabel(list.text(*index)));
    if (!edited) return;
    list.deleteString(*index);
    list.insertString(*index, durationLabel(*edited));
    list.setCurrentSelection(*index);
    updateButtons();
}

void RegisteredTimesDialog::onDelete() {
    const std::optional<int> index = selection();
    if (!index) return;
    ListBox& list = controls_->list;
    list.deleteString(*index);
    const int remaining = list.count();
    if (remaining > 0) list.setCurrentSelection(std::min(*index, remaining - 1));
    updateButtons();
}

void RegisteredTimesDialog::onSelectionChange() {
    if (controls_ != nullptr) updateButtons();
}

void RegisteredTimesDialog::onOk() {
    if (controls_ == nullptr) return;
    const ListBox& list = controls_->list;
    std::vector<std::string> labels;
    for (int i = 0; i < list.count(); ++i) labels.push_back(list.text(i));
    // An untouched list keeps its values as they were, so a time above the
    // label range (a hand-edited file) keeps its bytes until it is edited.
    std::vector<std::string> given;
    for (uint32_t seconds : times_) given.push_back(labelOf(seconds));
    if (labels != given) {
        times_.clear();
        for (const std::string& label : labels) times_.push_back(secondsOfLabel(label));
    }
    end(kDialogOk);
}

void RegisteredTimesDialog::onCancel() {
    if (controls_ != nullptr) end(kDialogCancel);
}

std::optional<int> RegisteredTimesDialog::selection() const {
    if (controls_ == nullptr) return std::nullopt;
    const int index = controls_->list.currentSelection();
    if (index < 0 || index >= controls_->list.count()) return std::nullopt;
    return index;
}

void RegisteredTimesDialog::updateButtons() {
    const bool selected = selection().has_value();
    controls_->edit.setEnabled(selected);
    controls_->remove.setEnabled(selected);
    controls_->add.setEnabled(controls_->list.count() < maxCount_);
}

std::optional<int32_t> RegisteredTimesDialog::askDuration(int32_t prefill) {
    SetTimeDialog dialog(messages_, clock_);
    dialog.disableClockTime();
    dialog.setDuration(prefill);
    if (runner_.runSetTime(dialog) != kDialogOk) return std::nullopt;
    return dialog.durationSeconds();
}

void RegisteredTimesDialog::end(int result) {
    RegisteredTimesControls* controls = controls_;
    controls_ = nullptr;  // the backend's controls go away with the dialog
    controls->ender.endDialog(result);
}
