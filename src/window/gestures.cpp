// Left drag, double- and triple-click counted on the click timer, right click.
// Each press and release restarts the click timer; the sequence ends when it
// expires. Every even release toggles at once; exactly three resets at the end.
#include <cstdlib>

#include "window/timer_window.h"

void TimerWindow::beginPress(Point client) {
    if (clickCount_ == -1) clickCount_ = 0;
    host().setTimer(kClickTimerId, services_.system.doubleClickTimeMs());
    dragged_ = false;
    mouseCaptured_ = true;
    host().captureMouse();
    dragOrigin_ = client;
}

void TimerWindow::onMouseMove(Point client) {
    if (!mouseCaptured_) return;
    // The origin stays put: the window follows the pointer, so the pointer
    // keeps its client position and each move carries the window by the offset.
    const int32_t dx = client.x - dragOrigin_.x;
    const int32_t dy = client.y - dragOrigin_.y;
    const Size threshold = services_.system.dragThreshold();
    if (dragged_ || std::abs(dx) > threshold.cx || std::abs(dy) > threshold.cy) {
        // Set first: where the window system carries out the move itself, the
        // press may end inside the move.
        dragged_ = true;
        const Rect rect = host().windowRect();
        moveWindowTo(host(), rect.left + dx, rect.top + dy);
    }
}

void TimerWindow::onLButtonUp(Point) {
    if (mouseCaptured_) {
        mouseCaptured_ = false;
        host().releaseMouse();
    }
    if (clickCount_ == -1) return;
    if (dragged_) {
        // The pending click timer is left to expire with nothing to do.
        clickCount_ = -1;
        return;
    }
    host().killTimer(kClickTimerId);
    host().setTimer(kClickTimerId, services_.system.doubleClickTimeMs());
    ++clickCount_;
    if (clickCount_ % 2 == 0) toggleStartStop();
}

// Another window took the capture under the held button (a menu opened by
// the right one): its release will not come here. The press ends without a
// click and drops the sequence, as a drag does.
void TimerWindow::onCaptureLost() {
    if (!mouseCaptured_) return;
    mouseCaptured_ = false;
    clickCount_ = -1;
}

void TimerWindow::endClickSequence() {
    host().killTimer(kClickTimerId);
    if (clickCount_ == 3 && !dragged_) {
        reset();
        updateDisplay(true);
    }
    clickCount_ = -1;
}

// The menu takes the mouse: a left press still held ends here, not as a click,
// and the button's later moves and release belong to no drag.
void TimerWindow::onRButtonUp(Point client) {
    if (mouseCaptured_) host().releaseMouse();
    onCaptureLost();
    showContextMenu(client.x, client.y);
}
