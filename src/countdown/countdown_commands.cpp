// The command table of the context menu and the commands that open dialogs.
#include "countdown/countdown_window.h"

void CountdownWindow::onCommand(uint32_t id) {
    (void)id;
}

void CountdownWindow::runSetTimeCommand() {}

void CountdownWindow::runRegisterTimesCommand() {}

void CountdownWindow::runHelpCommand() {}

void CountdownWindow::toggleTopmost() {
    settings().topmost = settings().topmost ? 0 : 1;
    setTopmost(host(), settings().topmost != 0);
}

std::string CountdownWindow::shippedFile(const std::string& name) const {
    return name;
}
