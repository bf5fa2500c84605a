#include "window/window_keys.h"

#include "window/timer_window.h"

#include <algorithm>

namespace {

bool contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

Point centreOf(const Rect& r) {
    return {static_cast<int32_t>((int64_t{r.left} + r.right) / 2), static_cast<int32_t>((int64_t{r.top} + r.bottom) / 2)};
}

Point arrowStep(Key key, int32_t by) {
    switch (key) {
    case Key::Left: return {-by, 0};
    case Key::Right: return {by, 0};
    case Key::Up: return {0, -by};
    case Key::Down: return {0, by};
    default: return {};
    }
}

}  // namespace

KeyCommand keyCommand(const KeyEvent& key, bool alarm, uint32_t heldMs) {
    if (key.ctrl || key.alt) return {};
    if (alarm) {
        const bool ends = key.key == Key::Space || key.key == Key::Enter || key.key == Key::Escape;
        if (ends && !key.autoRepeat && heldMs >= kAlarmKeyDelayMs) return {KeyAction::EndAlarm};
        return {};
    }
    const Point step = arrowStep(key.key, key.shift ? 10 : 1);
    if (step.x != 0 || step.y != 0) return {KeyAction::Move, step};
    if (key.autoRepeat) return {};  // a held key acts once
    if (key.key == Key::Space) return {KeyAction::StartStop};
    if (key.key == letterKey('R')) return {KeyAction::Reset};
    if (key.key == Key::Menu || (key.key == functionKey(10) && key.shift)) return {KeyAction::OpenMenu};
    return {};
}

Point keyMoveTarget(const Rect& window, Point step, const std::vector<Rect>& monitors) {
    const Point corner{window.left + step.x, window.top + step.y};
    const Point centre = centreOf(window);
    const Point moved{centre.x + step.x, centre.y + step.y};
    const auto holds = [](Point p) { return [p](const Rect& m) { return contains(m, p); }; };
    if (std::any_of(monitors.begin(), monitors.end(), holds(moved))) return corner;
    const auto home = std::find_if(monitors.begin(), monitors.end(), holds(centre));
    if (home == monitors.end()) return corner;  // already off every monitor: no edge to stop at
    const int32_t x = std::clamp(moved.x, home->left, home->right - 1);
    const int32_t y = std::clamp(moved.y, home->top, home->bottom - 1);
    return {window.left + (x - centre.x), window.top + (y - centre.y)};
}

void TimerWindow::onKeyboardFocus(bool has) {
    if (!has)
        keyboardSince_.reset();
    else if (!keyboardSince_)
        keyboardSince_ = services_.ticks.nowMs();
}

uint32_t TimerWindow::keyboardHeldMs() const { return keyboardSince_ ? services_.ticks.nowMs() - *keyboardSince_ : 0; }

void TimerWindow::moveByKey(Point step) {
    const Point corner = keyMoveTarget(host().windowRect(), step, services_.system.monitorRects());
    moveWindowTo(host(), corner.x, corner.y);
}
