// The popup menu: an HMENU built from the core's menu model and tracked with
// TPM_RETURNCMD, so the chosen id goes back to the core (which dispatches it
// as the command) instead of arriving as WM_COMMAND.
#pragma once

#include "platform/menu.h"
#include "win32/gdi_handles.h"
#include "win32/owner_window.h"

MenuHandle buildPopupMenu(const MenuModel& model);

class Win32MenuPresenter final : public MenuPresenter {
public:
    explicit Win32MenuPresenter(const OwnerWindows& owners) : owners_(owners) {}
    std::optional<uint32_t> track(const MenuModel& menu, Point screen, bool firstSelected) override;

private:
    const OwnerWindows& owners_;
};
