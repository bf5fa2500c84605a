// The alarm's desktop notification as the countdown window uses it: posted
// with the alarm, its three actions, and the menu's option.
#include "countdown/countdown_window.h"

namespace {
constexpr int32_t kOneMinute = 60;
}  // namespace

void CountdownWindow::postNotice() {
    notice_.post(windowTitle(), countdown_.runLength(), [this](AlarmNotice::Action action) { answerNotice(action); });
}

// Each ends the alarm as a click does; the set duration stays as it is.
void CountdownWindow::answerNotice(AlarmNotice::Action action) {
    if (!alarmActive_) return;
    stopAlarm();
    switch (action) {
    case AlarmNotice::Action::Stop: return;
    case AlarmNotice::Action::OneMinuteMore: countdown_.startFor(kOneMinute); break;
    case AlarmNotice::Action::Restart: startCountdown(); break;
    }
    updateDisplay(true);
}

void CountdownWindow::toggleNotify() {
    if (notice_.toggle()) return;
    services().messages.show(services().texts.format(TextId::options_not_saved, {notice_.optionsPath()}), productName(),
                             kMbOk | kMbIconExclamation);
}
