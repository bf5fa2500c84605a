// The countdown's keys, its global hot keys and what a screen reader reads.
#include <optional>
#include <utility>

#include "countdown/countdown_window.h"
#include "window/window_keys.h"

void CountdownWindow::onKeyDown(const KeyEvent& key) {
    const KeyCommand command = keyCommand(key, alarmActive_, keyboardHeldMs());
    switch (command.action) {
    case KeyAction::StartStop: toggleStartStop(); break;
    case KeyAction::Reset:
        reset();
        updateDisplay(true);
        break;
    case KeyAction::OpenMenu: openMenuByKey(); break;
    case KeyAction::Move: moveByKey(command.step); break;
    case KeyAction::EndAlarm: stopAlarm(); break;
    case KeyAction::None: break;
    }
}

// At the window's top-left corner, with its first item selected, as the
// keyboard opens a context menu.
void CountdownWindow::openMenuByKey() {
    const std::optional<uint32_t> chosen = services().menus.track(buildContextMenu(), host().clientToScreen({0, 0}), true);
    if (chosen) onCommand(*chosen);
}

void CountdownWindow::onHotKey(HotKeyAction action) {
    if (action == HotKeyAction::Show) {
        host().bringForward();
        return;
    }
    // Not typing that strayed: a hot key ends the alarm as a click does.
    if (alarmActive_)
        stopAlarm();
    else
        toggleStartStop();
}

SpokenMoment CountdownWindow::spokenMoment(uint32_t now) const {
    SpokenState state = SpokenState::Idle;
    if (alarmActive_)
        state = SpokenState::Alarm;
    else if (countdown_.isRunning())
        state = SpokenState::Running;
    else if (countdown_.elapsedMs() != 0)
        state = SpokenState::Paused;
    return {state, countdown_.duration(), countdown_.shownAt(now) / 1000};
}

int32_t CountdownWindow::accessibleSeconds() const { return countdown_.shownAt(countdown_.clock().now()) / 1000; }

std::string CountdownWindow::accessibleValue() const {
    return spokenTime(spokenMoment(countdown_.clock().now()), services().texts);
}
