// The command table of the context menu and the commands that belong to the
// countdown: the set-time and register-times dialogs, the option toggles and
// the help file.
#include <optional>

#include "countdown/countdown_window.h"
#include "countdown/forwarded_time.h"
#include "dialogs/registered_times_dialog.h"
#include "dialogs/set_time_dialog.h"
#include "timekeeping/time_text.h"

namespace {

int32_t flipped(int32_t option) { return option == 0 ? 1 : 0; }

// Seconds from the time of day `now` until the clock next shows `target`
// (seconds since midnight); 0 when it shows it now.
int32_t secondsUntil(int32_t target, const TimeOfDay& now) {
    int32_t seconds = target - toSeconds(now.hour, now.minute, now.second);
    if (seconds < 0) seconds += toSeconds(24, 0, 0);
    return seconds;
}

}  // namespace

void CountdownWindow::onCommand(uint32_t id) {
    switch (id) {
    case kCmdTopmost: toggleTopmost(); break;
    case kCmdFont: chooseFont(); break;
    case kCmdBackColor: chooseBackgroundColor(); break;
    case kCmdUnderline: toggleUnderline(); break;
    case kCmdAutoFit: toggleAutoFit(); break;
    case kCmdExit:
        saveSettings();
        host().endModal(kDialogOk);
        break;
    case kCmdStartStop: toggleStartStop(); break;
    case kCmdReset:
        reset();
        updateDisplay(true);
        break;
    case kCmdHelp: runHelpCommand(); break;
    case kCmdSetTime: runSetTimeCommand(); break;
    case kCmdRegisteredTime1: selectRegisteredTime(0); break;
    case kCmdRegisteredTime2: selectRegisteredTime(1); break;
    case kCmdRegisteredTime3: selectRegisteredTime(2); break;
    case kCmdRegisteredTime4: selectRegisteredTime(3); break;
    case kCmdRegisteredTime5: selectRegisteredTime(4); break;
    case kCmdAlarmSound:
        countdownSettings().alarmSound = flipped(countdownSettings().alarmSound);
        break;
    case kCmdAutoStart:
        countdownSettings().autoStart = flipped(countdownSettings().autoStart);
        break;
    case kCmdRegisterTimes: runRegisterTimesCommand(); break;
    case kCmdNotify: toggleNotify(); break;
    default: break;
    }
}

void CountdownWindow::runSetTimeCommand() {
    SetTimeDialog dialog(services().messages, services().clock, services().texts);
    // The full duration, not what is left of it.
    dialog.setDuration(countdown().duration());
    if (services().dialogs.runSetTime(dialog) != kDialogOk) return;

    applyTime(StartTime{dialog.durationSeconds(), dialog.isClockTime()});
}

void CountdownWindow::applyTime(StartTime time) {
    // Read the clock only now: the user may have taken a while in the dialog.
    setCountdownDuration(time.clockTime ? secondsUntil(time.seconds, services().clock.now()) : time.seconds);
}

void CountdownWindow::applyStartTime() {
    if (startTime_) applyTime(*startTime_);
    startTime_.reset();
}

void CountdownWindow::runRegisterTimesCommand() {
    RegisteredTimesDialog dialog(services().dialogs, services().messages, services().clock, services().texts);
    dialog.setMaxCount(static_cast<int32_t>(CountdownSettings::kMaxRegisteredTimes));
    dialog.setTimes(countdownSettings().registeredTimes);
    if (services().dialogs.runRegisteredTimes(dialog) != kDialogOk) return;
    // The new list shows in the next menu and is saved at exit.
    countdownSettings().registeredTimes = dialog.times();
}

void CountdownWindow::runHelpCommand() {
    // The Readme in the user's language.
    const std::string file(services().texts[TextId::help_file]);
    const std::string path = shippedFile(file);
    if (services().files.exists(path)) {
        services().shell.open(path);
        return;
    }
    services().messages.show(services().texts.format(TextId::help_not_found, {file}), productName(),
                             kMbOk | kMbIconExclamation);
}

void CountdownWindow::toggleTopmost() {
    settings().topmost = flipped(settings().topmost);
    setTopmost(host(), settings().topmost != 0);
}

std::string CountdownWindow::shippedFile(const std::string& name) const {
    Services& platform = services();
    if (platform.files.exists(name)) return name;
    if (!platform.executableDir.empty()) {
        const std::string beside = platform.executableDir + "/" + name;
        if (platform.files.exists(beside)) return beside;
    }
    return name;
}

void CountdownWindow::receiveMessage(const std::string& message) {
    const std::optional<ForwardedTime> forwarded = decodeForwardedTime(message);
    if (!forwarded) return;
    setTopmost(host(), alarmActive_ || settings().topmost != 0);
    if (forwarded->time) applyTime(*forwarded->time);
}
