// What a key does in the timer window, the keyboard's side of the gestures.
// Space starts or stops, R resets, Shift+F10 and the Menu key open the menu,
// the arrows move the window. During the alarm only Space, Enter or Escape
// end it, and only a key that went down after the window had had the
// keyboard for a second: the alarm takes the keyboard from whoever was
// typing. Enter and Escape never close the window.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "platform/key_event.h"

enum class KeyAction { None, StartStop, Reset, OpenMenu, Move, EndAlarm };

struct KeyCommand {
    KeyAction action = KeyAction::None;
    Point step{};  // for Move
};

inline constexpr uint32_t kAlarmKeyDelayMs = 1000;

// `heldMs`: how long the window had had the keyboard when the key went down.
KeyCommand keyCommand(const KeyEvent& key, bool alarm, uint32_t heldMs);

// Where a move by `step` leaves the window's corner: as a drag, which the
// pointer keeps on the screens, it keeps the window's centre on a monitor.
// Without monitors to go by the step is taken whole.
Point keyMoveTarget(const Rect& window, Point step, const std::vector<Rect>& monitors);
