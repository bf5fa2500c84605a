// The countdown window's shell: its records, first-run set-up, loaded
// settings, saving and identity.
#include "countdown/countdown_window.h"

#include "resources/texts.h"
#include "timekeeping/time_text.h"

namespace {

bool intersects(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A window that touches no monitor (its monitor was unplugged) has no
// taskbar button to bring it back; such a window is centred instead.
bool reachable(const Rect& window, const std::vector<Rect>& monitors) {
    if (monitors.empty()) return true;  // the platform cannot tell
    for (const Rect& monitor : monitors)
        if (intersects(window, monitor)) return true;
    return false;
}

// The corner stays as stored; the size is one the platform accepts.
Rect placeable(const Rect& stored) {
    const int32_t width = windowSide(stored.width());
    const int32_t height = windowSide(stored.height());
    return {stored.left, stored.top, Rect::saturated(int64_t{stored.left} + width),
            Rect::saturated(int64_t{stored.top} + height)};
}

}  // namespace

CountdownWindow::CountdownWindow(Services& services)
    : TimerWindow(kTemplateId, services), countdown_(services.ticks), notice_(services.notifications, services.texts) {}

CountdownWindow::~CountdownWindow() = default;

CountdownSettings& CountdownWindow::countdownSettings() { return static_cast<CountdownSettings&>(settings()); }

std::unique_ptr<WindowSettings> CountdownWindow::createSettings() { return std::make_unique<CountdownSettings>(); }

std::unique_ptr<DisplayState> CountdownWindow::createDisplayState() { return std::make_unique<DisplayState>(); }

int32_t CountdownWindow::timeFormatMode() const { return kClockFormatMode; }

std::string CountdownWindow::productName() const { return std::string(services().texts[TextId::product_name]); }

std::string CountdownWindow::versionString() const { return std::string(kVersionString); }

void CountdownWindow::applyDefaultSettings() {
    CountdownSettings& options = countdownSettings();
    options.topmost = 0;
    options.reserved = 32;
    // The font first, then the size from it, then the centre from that size.
    options.setFont(boldDialogFont());
    if (options.autoFit != 0) fitWindowToText();
    centerWindow(host(), services().system);
    options.textColor = 0x00FFFFFF;
    options.backColor = 0x00FF8080;
    options.autoStart = 1;
    countdown_.setDuration(180);
    for (uint32_t seconds : {180u, 600u, 3600u}) options.registeredTimes.push_back(seconds);
    // A damaged file may have supplied entries before the defaults were added.
    options.limitRegisteredTimes();
    applyStartTime();
}

void CountdownWindow::applyLoadedSettings() {
    const Rect rect = placeable(settings().windowRect);
    host().place(rect);
    // An empty rectangle would leave nothing to see or grab.
    if (rect.width() == 0 || rect.height() == 0) fitWindowToText();
    if (!reachable(host().windowRect(), services().system.monitorRects())) centerWindow(host(), services().system);
    countdown_.setDuration(countdownSettings().countdownSeconds);
    countdownSettings().limitRegisteredTimes();
    applyStartTime();
}

// Saved as the program or the session ends, which the notification does not outlive.
void CountdownWindow::saveSettings() {
    notice_.withdraw();
    CountdownSettings& options = countdownSettings();
    options.countdownSeconds = countdown_.duration();
    Rect rect = host().windowRect();
    if (alarmActive_) {
        // The alarm centred the window; keep the user's place with today's size.
        rect = Rect{preAlarmLeft_, preAlarmTop_, Rect::saturated(int64_t{preAlarmLeft_} + rect.width()),
                    Rect::saturated(int64_t{preAlarmTop_} + rect.height())};
    }
    options.windowRect = rect;
    writeSettings();
}
