// The context menu: a fresh copy of menu 131 each time it opens, adapted to
// the options, the running state and the registered times of that moment.
#include <algorithm>
#include <optional>

#include "countdown/countdown_window.h"
#include "resources/menu_resource.h"
#include "timekeeping/time_text.h"

namespace {

// Finds a command anywhere in the menu, submenus included.
MenuItem* findCommand(std::vector<MenuItem>& items, uint32_t id) {
    for (MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Command && item.id == id) return &item;
        if (MenuItem* inner = findCommand(item.children, id)) return inner;
    }
    return nullptr;
}

void checkCommand(MenuModel& menu, uint32_t id, int32_t option) {
    if (option == 0) return;
    if (MenuItem* item = findCommand(menu.items, id)) item->checked = true;
}

void removeCommand(std::vector<MenuItem>& items, uint32_t id) {
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (it->kind == MenuItem::Kind::Command && it->id == id) {
            items.erase(it);
            return;
        }
        removeCommand(it->children, id);
    }
}

}  // namespace

MenuModel CountdownWindow::buildContextMenu() const {
    const auto& options = static_cast<const CountdownSettings&>(*settings_);
    const Texts& texts = services().texts;
    MenuModel menu = loadContextMenu(texts);

    checkCommand(menu, kCmdTopmost, options.topmost);
    checkCommand(menu, kCmdUnderline, options.underline);
    checkCommand(menu, kCmdAutoFit, options.autoFit);
    checkCommand(menu, kCmdAlarmSound, options.alarmSound);
    checkCommand(menu, kCmdAutoStart, options.autoStart);
    checkCommand(menu, kCmdNotify, notice_.enabled() ? 1 : 0);

    if (MenuItem* startStop = findCommand(menu.items, kCmdStartStop))
        startStop->caption = std::string(texts[displayState().running ? TextId::menu_stop : TextId::menu_start]);

    for (uint32_t id : menuIds_) removeCommand(menu.items, id);
    if (!services().notifications) removeCommand(menu.items, kCmdNotify);  // a platform that shows none

    // Only as many times as there are ids: a longer list from an old
    // settings file shows its first five.
    const std::size_t shown = std::min(options.registeredTimes.size(), menuIds_.size());
    for (std::size_t i = 0; i < shown; ++i) {
        MenuItem item;
        item.id = menuIds_[i];
        item.caption = durationLabel(registeredDuration(options.registeredTimes[i]), texts);
        menu.items.insert(menu.items.begin() + static_cast<std::ptrdiff_t>(i), std::move(item));
    }
    return menu;
}

void CountdownWindow::showContextMenu(int32_t x, int32_t y) {
    const MenuModel menu = buildContextMenu();
    const Point screen = host().clientToScreen(Point{x, y});
    // The countdown goes on while the menu is open; the command acts on it
    // as it is when the menu closes.
    const std::optional<uint32_t> chosen = services().menus.track(menu, screen, false);
    if (chosen) onCommand(*chosen);
}

void CountdownWindow::selectRegisteredTime(std::size_t index) {
    const auto& times = countdownSettings().registeredTimes;
    if (index >= times.size()) return;
    setCountdownDuration(registeredDuration(times[index]));
}
