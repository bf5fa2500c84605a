// The window's settings file: read at start, written at Exit and log-off,
// and what the user is told about it: an unreadable file at start, a failed
// save at Exit, never while the session ends (nobody would be there to
// answer). A file that could not be read is not written, so that is once.
#include <utility>

#include "window/timer_window.h"

bool TimerWindow::readSettings() {
    auto bytes = settingsFile_.read();
    ownSettings_ = bytes.has_value();
    if (!bytes && !settingsFile_.unreadable() && !services_.startingSettingsPath.empty())
        bytes = services_.files.readAll(services_.startingSettingsPath);
    return bytes && settings_->load(std::move(*bytes));
}

void TimerWindow::tellIfSettingsUnreadable() {
    if (settingsFile_.unreadable()) tellAboutSettings(TextId::settings_unreadable);
}

void TimerWindow::writeSettings() {
    const auto saved = settingsFile_.write(settings_->storedBytes());
    if (saved == SettingsLocation::Saved::Failed && !endingSession_) tellAboutSettings(TextId::settings_not_saved);
}

void TimerWindow::tellAboutSettings(TextId message) {
    services_.messages.show(services_.texts.format(message, {settingsFile_.path()}), productName(),
                            kMbOk | kMbIconExclamation);
}
