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

}  // namespace

RegisteredTimesDialog::RegisteredTimesDialog(DialogRunner& runner, MessageBoxes& messages, const LocalClock& clock,
                                             const Texts& texts)
    : runner_(runner), messages_(messages), clock_(clock), texts_(texts) {}

void RegisteredTimesDialog::setTimes(const std::vector<uint32_t>& times) {
    times_.insert(times_.end(), times.begin(), times.end());
}

bool RegisteredTimesDialog::onInitDialog(RegisteredTimesControls& controls) {
    controls_ = &controls;
    for (uint32_t seconds : times_) controls.list.addString(durationLabel(registeredDuration(seconds), texts_), seconds);
    if (controls.list.count() > 0) controls.list.setCurrentSelection(0);
    updateButtons();
    return true;
}

void RegisteredTimesDialog::onAdd() {
    if (controls_ == nullptr || controls_->list.count() >= maxCount_) return;
    const std::optional<int32_t> added = askDuration(kAddPrefillSeconds);
    if (!added) return;
    ListBox& list = controls_->list;
    list.addString(durationLabel(*added, texts_), static_cast<uint32_t>(*added));
    list.setCurrentSelection(list.count() - 1);
    updateButtons();
}

void RegisteredTimesDialog::onEdit() {
    const std::optional<int> index = selection();
    if (!index) return;
    ListBox& list = controls_->list;
    const std::optional<int32_t> edited = askDuration(registeredDuration(list.data(*index)));
    if (!edited) return;
    list.deleteString(*index);
    list.insertString(*index, durationLabel(*edited, texts_), static_cast<uint32_t>(*edited));
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
    // Each entry keeps its seconds, so a time above the label range (a
    // hand-edited file) keeps its bytes until it is edited.
    const ListBox& list = controls_->list;
    times_.clear();
    for (int i = 0; i < list.count(); ++i) times_.push_back(list.data(i));
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
    SetTimeDialog dialog(messages_, clock_, texts_);
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
