#include "win32/time_dialogs_win32.h"

#include <optional>

#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "win32/dialog_controls_win32.h"
#include "win32/dialog_template_win32.h"

namespace {

namespace dt = dialog_texts;

struct SetTimeRun {
    SetTimeDialog& dialog;
    OwnerWindows& owners;
    const Texts& texts;
    std::optional<Win32TimeControl> time;
    std::optional<Win32CheckBox> clockTime;
    std::optional<Win32DialogEnder> ender;
    std::optional<SetTimeControls> controls;
};

struct RegisteredTimesRun {
    RegisteredTimesDialog& dialog;
    OwnerWindows& owners;
    const Texts& texts;
    std::optional<Win32ListBox> list;
    std::optional<Win32PushButton> add;
    std::optional<Win32PushButton> edit;
    std::optional<Win32PushButton> remove;
    std::optional<Win32DialogEnder> ender;
    std::optional<RegisteredTimesControls> controls;
};

// The run object travels in WM_INITDIALOG and then lives in DWLP_USER.
template <typename Run>
Run* runOf(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return reinterpret_cast<Run*>(lParam);
    }
    return reinterpret_cast<Run*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// Message boxes and nested dialogs opened meanwhile belong to this dialog.
void trackOwner(OwnerWindows& owners, HWND dialog, UINT message) {
    if (message == WM_INITDIALOG) owners.push(dialog);
    if (message == WM_DESTROY) owners.pop();
}

INT_PTR CALLBACK setTimeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    SetTimeRun* run = runOf<SetTimeRun>(dialog, message, lParam);
    if (!run) return FALSE;
    trackOwner(run->owners, dialog, message);
    if (message == WM_INITDIALOG) {
        fitToTexts(dialog, dt::kSetTimeDialog, dt::kSetTimeControls, run->texts);
        run->time.emplace(GetDlgItem(dialog, SetTimeDialog::kTimeControlId));
        run->clockTime.emplace(GetDlgItem(dialog, SetTimeDialog::kCheckBoxId));
        run->ender.emplace(dialog);
        run->controls.emplace(SetTimeControls{*run->time, *run->clockTime, *run->ender});
        return run->dialog.onInitDialog(*run->controls) ? TRUE : FALSE;
    }
    if (message != WM_COMMAND) return FALSE;
    const UINT id = LOWORD(wParam);
    if (id == IDOK) {
        run->dialog.onOk();
    } else if (id == IDCANCEL) {
        run->dialog.onCancel();
    } else if (id == SetTimeDialog::kCheckBoxId && HIWORD(wParam) == BN_CLICKED) {
        run->dialog.onClockTimeClicked();
    } else {
        return FALSE;
    }
    return TRUE;
}

INT_PTR CALLBACK registeredTimesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    RegisteredTimesRun* run = runOf<RegisteredTimesRun>(dialog, message, lParam);
    if (!run) return FALSE;
    trackOwner(run->owners, dialog, message);
    if (message == WM_INITDIALOG) {
        fitToTexts(dialog, dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls, run->texts);
        run->list.emplace(GetDlgItem(dialog, RegisteredTimesDialog::kListId));
        run->add.emplace(GetDlgItem(dialog, RegisteredTimesDialog::kAddId));
        run->edit.emplace(GetDlgItem(dialog, RegisteredTimesDialog::kEditId));
        run->remove.emplace(GetDlgItem(dialog, RegisteredTimesDialog::kDeleteId));
        run->ender.emplace(dialog);
        run->controls.emplace(RegisteredTimesControls{*run->list, *run->add, *run->edit, *run->remove, *run->ender});
        return run->dialog.onInitDialog(*run->controls) ? TRUE : FALSE;
    }
    if (message != WM_COMMAND) return FALSE;
    RegisteredTimesDialog& d = run->dialog;
    switch (LOWORD(wParam)) {
    case IDOK: d.onOk(); return TRUE;
    case IDCANCEL: d.onCancel(); return TRUE;
    case RegisteredTimesDialog::kAddId: d.onAdd(); return TRUE;
    case RegisteredTimesDialog::kEditId: d.onEdit(); return TRUE;
    case RegisteredTimesDialog::kDeleteId: d.onDelete(); return TRUE;
    case RegisteredTimesDialog::kListId:
        if (HIWORD(wParam) == LBN_SELCHANGE) d.onSelectionChange();
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

int Win32DialogRunner::runSetTime(SetTimeDialog& dialog) {
    SetTimeRun run{dialog, owners_, texts_, {}, {}, {}, {}};
    const std::vector<DWORD> form = dialogTemplate(dt::kSetTimeDialog, dt::kSetTimeControls, texts_);
    return static_cast<int>(DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(form.data()),
                                                    owners_.current(), setTimeProc, reinterpret_cast<LPARAM>(&run)));
}

int Win32DialogRunner::runRegisteredTimes(RegisteredTimesDialog& dialog) {
    RegisteredTimesRun run{dialog, owners_, texts_, {}, {}, {}, {}, {}, {}};
    const std::vector<DWORD> form = dialogTemplate(dt::kRegisteredTimesDialog, dt::kRegisteredTimesControls, texts_);
    return static_cast<int>(DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(form.data()),
                                                    owners_.current(), registeredTimesProc, reinterpret_cast<LPARAM>(&run)));
}
