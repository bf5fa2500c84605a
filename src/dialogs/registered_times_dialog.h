// The registered-times dialog (template 136): edits up to maxCount durations
// as labels in an unsorted list box, each entry's seconds kept beside it;
// Add and Edit open the set-time dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/dialog_controls.h"
#include "platform/dialog_runner.h"
#include "platform/local_clock.h"
#include "platform/message_box.h"
#include "resources/catalogue.h"

struct RegisteredTimesControls {
    ListBox& list;       // id 1011
    PushButton& add;     // id 1008
    PushButton& edit;    // id 1010
    PushButton& remove;  // id 1009
    DialogEnder& ender;
};

class RegisteredTimesDialog {
public:
    static constexpr int kTemplateId = 136;
    static constexpr int kListId = 1011;
    static constexpr int kAddId = 1008;
    static constexpr int kDeleteId = 1009;
    static constexpr int kEditId = 1010;

    RegisteredTimesDialog(DialogRunner& runner, MessageBoxes& messages, const LocalClock& clock, const Texts& texts);

    void setMaxCount(int32_t count) { maxCount_ = count; }
    void setTimes(const std::vector<uint32_t>& times);
    const std::vector<uint32_t>& times() const { return times_; }

    // Handlers the backend calls while the dialog runs. onInitDialog comes
    // first; after the dialog has ended the others do nothing.
    bool onInitDialog(RegisteredTimesControls& controls);
    void onAdd();
    void onEdit();
    void onDelete();
    void onSelectionChange();
    void onOk();
    void onCancel();

private:
    std::optional<int> selection() const;  // none, or an index inside the list
    void updateButtons();
    std::optional<int32_t> askDuration(int32_t prefill);  // nested set-time dialog
    void end(int result);

    DialogRunner& runner_;
    MessageBoxes& messages_;
    const LocalClock& clock_;
    Texts texts_;
    RegisteredTimesControls* controls_ = nullptr;
    int32_t maxCount_ = 0;
    std::vector<uint32_t> times_;
};
