// The context menu: built fresh from the menu table each time it opens.
#include "countdown/countdown_window.h"

MenuModel CountdownWindow::buildContextMenu() const {
    return MenuModel{};
}

void CountdownWindow::showContextMenu(int32_t x, int32_t y) {
    const std::optional<uint32_t> chosen = services().menus.track(buildContextMenu(), host().clientToScreen(Point{x, y}));
    if (chosen) onCommand(*chosen);
}

void CountdownWindow::selectRegisteredTime(std::size_t index) {
    const auto& times = countdownSettings().registeredTimes;
    if (index < times.size()) setCountdownDuration(static_cast<int32_t>(times[index]));
}
