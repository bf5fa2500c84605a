// The window shell: state objects, initialisation, tooltip, ending the session.
#include "window/timer_window.h"

#include "resources/texts.h"

TimerWindow::TimerWindow(int templateId, Services& services)
    : services_(services),
      templateId_(templateId),
      settingsFile_(services.files, services.settingsPath) {}

TimerWindow::~TimerWindow() {
    // The settings record goes first, then the snapshot.
    settings_.reset();
    displayState_.reset();
}

void TimerWindow::createStateObjects() {
    // Before the native window exists: its first size message reads the settings.
    settings_ = createSettings();
    displayState_ = createDisplayState();
}

bool TimerWindow::onInitDialog() {
    if (readSettings())
        applyLoadedSettings();
    else
        applyDefaultSettings();
    if (!ownSettings_) placeBesideOtherTimers();
    setTopmost(host(), settings_->topmost != 0);
    updateDisplay(false);
    setupTooltip(productName(), versionString());
    if (timerName_) host().setTitle(windowTitle());
    sizingGuard_ = false;
    tellIfSettingsUnreadable();
    return true;
}

bool TimerWindow::onQueryEndSession(bool defaultAnswer) {
    if (!defaultAnswer) return false;
    endingSession_ = true;
    saveSettings();
    endingSession_ = false;  // another program may still cancel the log-off
    return true;
}

void TimerWindow::setupTooltip(const std::string& name, const std::string& version) {
    const Texts& texts = services_.texts;
    std::string text = timerName_ ? texts.format(TextId::product_version_line_named, {name, version, *timerName_})
                                  : texts.format(TextId::product_version_line, {name, version});
    for (const TextId line : {TextId::tooltip_start_stop, TextId::tooltip_reset, TextId::tooltip_move}) {
        text += kTooltipLineBreak;
        text += texts[line];
    }
    host().createTooltip(text);
}

std::string TimerWindow::windowTitle() const {
    return timerName_ ? services_.texts.format(TextId::window_title_named, {*timerName_, productName()}) : productName();
}

LogFont TimerWindow::boldDialogFont() {
    LogFont font = host().dialogFont();
    font.lfWeight = 700;
    return font;
}
