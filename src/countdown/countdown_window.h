// The countdown timer window: the generic timer window plus the countdown,
// its alarm, the context menu and the commands.
//
// countdown_window.cpp: the shell (settings, start-up, saving);
// countdown_control.cpp: start, stop, reset, the wake-up timer and the alarm;
// context_menu.cpp and countdown_commands.cpp: the menu and its commands.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "countdown/alarm_notice.h"
#include "countdown/command_line.h"
#include "countdown/global_keys.h"
#include "countdown/spoken_time.h"
#include "platform/hot_keys.h"
#include "settings/countdown_settings.h"
#include "timekeeping/countdown_timer.h"
#include "window/timer_window.h"

// Command ids of the context menu.
enum CommandId : uint32_t {
    kCmdTopmost = 32779,
    kCmdFont = 32780,
    kCmdBackColor = 32781,
    kCmdExit = 32783,
    kCmdStartStop = 32788,
    kCmdReset = 32789,
    kCmdUnderline = 32790,
    kCmdHelp = 32791,
    kCmdAutoFit = 32792,
    kCmdSetTime = 32793,
    kCmdRegisteredTime1 = 32794,
    kCmdRegisteredTime2 = 32795,
    kCmdRegisteredTime3 = 32796,
    kCmdAlarmSound = 32797,
    kCmdRegisterTimes = 32798,
    kCmdRegisteredTime4 = 32799,
    kCmdRegisteredTime5 = 32800,
    kCmdAutoStart = 32801,
    kCmdNotify = 32802,
};

class CountdownWindow : public TimerWindow {
public:
    static constexpr int kTemplateId = 102;
    // One timer for the shown seconds and the alarm's flashes, armed afresh
    // at each wake for the next change on the screen.
    static constexpr uint32_t kWakeTimerId = 32;

    explicit CountdownWindow(Services& services);
    ~CountdownWindow() override;

    void onLButtonDown(Point client) override;
    void onRButtonDown(Point client) override;
    void onTimer(uint32_t id) override;
    void onCommand(uint32_t id) override;
    void onCancel() override {}
    void onKeyDown(const KeyEvent& key) override;
    // A global hot key, whichever window had the keyboard.
    void onHotKey(HotKeyAction action);
    std::string accessibleValue() const override;
    int32_t accessibleSeconds() const override;

    void saveSettings() override;
    int32_t timeFormatMode() const override;
    void showContextMenu(int32_t x, int32_t y) override;
    void reset() override;
    void toggleStartStop() override;
    void applyDefaultSettings() override;
    void applyLoadedSettings() override;
    void updateDisplay(bool redraw) override;
    std::string productName() const override;
    std::string versionString() const override;
    std::unique_ptr<DisplayState> createDisplayState() override;
    std::unique_ptr<WindowSettings> createSettings() override;

    // A time to set right after the settings are applied (the command line).
    void setStartTime(std::optional<StartTime> start) { startTime_ = start; }
    // The options file read at start, for the options the menu changes.
    void useOptions(ProgramOptions* options) { notice_.useOptions(options); }
    void startCountdown();
    void stopCountdown();
    void setCountdownDuration(int32_t seconds);
    void startAlarm();
    void stopAlarm();
    void selectRegisteredTime(std::size_t index);
    // An action on the alarm's desktop notification (countdown_notice.cpp).
    void answerNotice(AlarmNotice::Action action);
    // A second start of this named timer: to the front, and its time, if it
    // gave one, as the set-time dialog's OK would set it.
    void receiveMessage(const std::string& message);

    bool alarmActive() const { return alarmActive_; }
    const CountdownTimer& countdown() const { return countdown_; }
    CountdownSettings& countdownSettings();
    // The menu as it would open now (what showContextMenu shows).
    MenuModel buildContextMenu() const;

private:
    void wake();
    SpokenMoment spokenMoment(uint32_t now) const;
    void openMenuByKey();
    void armWake(uint32_t now);
    void restartFlashRhythm(uint32_t now);
    void playAlarmSound();
    void stopAlarmSound();
    // The set-time dialog's OK: a duration, or the next time the clock shows
    // a time of day.
    void applyTime(StartTime time);
    void applyStartTime();
    void runSetTimeCommand();
    void runRegisterTimesCommand();
    void runHelpCommand();
    void toggleTopmost();
    void postNotice();
    void toggleNotify();
    // A shipped file ("NotifySound.wav", "Readme.txt"): the bare name when it
    // is in the current directory, else the copy beside the executable.
    std::string shippedFile(const std::string& name) const;

    std::optional<StartTime> startTime_;
    CountdownTimer countdown_;
    bool alarmActive_ = false;
    uint32_t flashAt_ = 0;  // tick of the alarm's next flash
    bool soundPlaying_ = false;
    int32_t preAlarmLeft_ = 0;
    int32_t preAlarmTop_ = 0;
    std::vector<uint32_t> menuIds_{32794, 32795, 32796, 32799, 32800};
    DisplayState lastPainted_;
    SpeechPacer speech_;
    AlarmNotice notice_;
};
