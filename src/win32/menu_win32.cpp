#include "win32/menu_win32.h"

#include "win32/wide_text.h"

namespace {

void appendItems(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        const std::wstring caption = wideFromNarrow(item.caption);
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            break;
        case MenuItem::Kind::Submenu: {
            MenuHandle sub(CreatePopupMenu());
            appendItems(sub.get(), item.children);
            if (AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub.get()), caption.c_str()))
                sub.release();
            break;
        }
        case MenuItem::Kind::Command:
            AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), item.id, caption.c_str());
            break;
        }
    }
}

}  // namespace

MenuHandle buildPopupMenu(const MenuModel& model) {
    MenuHandle menu(CreatePopupMenu());
    appendItems(menu.get(), model.items);
    return menu;
}

std::optional<uint32_t> Win32MenuPresenter::track(const MenuModel& model, Point screen, bool firstSelected) {
    const MenuHandle menu = buildPopupMenu(model);
    // The menu's loop takes the queued Down as its first key, as a menu
    // opened from the keyboard selects its first item.
    if (firstSelected) PostMessageW(owners_.current(), WM_KEYDOWN, VK_DOWN, 0);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                         screen.x, screen.y, 0, owners_.current(), nullptr));
    if (chosen == 0) return std::nullopt;
    return chosen;
}
