#include "fake/fake_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "window/timer_window.h"

namespace {
std::string pointText(int64_t x, int64_t y) { return std::to_string(x) + "," + std::to_string(y); }
}  // namespace

std::optional<uint32_t> FakeWindow::period(uint32_t id) const {
    const auto it = timers_.find(id);
    return it == timers_.end() ? std::nullopt : std::optional(it->second.periodMs);
}

void FakeWindow::advance(uint32_t ms) {
    const uint64_t target = t_ + ms;
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due > target) continue;
            if (next == timers_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.sequence < next->second.sequence))
                next = it;
        }
        if (next == timers_.end()) break;
        // An overdue timer (after skip) fires now, once, and counts on from now.
        t_ = std::max(t_, next->second.due);
        next->second.due = t_ + std::max<uint32_t>(next->second.periodMs, 10);
        ++fired;
        if (window_) window_->onTimer(next->first);
    }
    t_ = target;
}

Size FakeTextMeasurer::measure(const LogFont& font, const std::string& utf8) const {
    heights.push_back(font.lfHeight);
    int64_t h = font.lfHeight == 0 ? 16 : std::abs(int64_t{font.lfHeight});
    if (fitLimit && h > *fitLimit) return {1 << 24, 1 << 24};
    if (growthCap && h > *growthCap) h = *growthCap;
    const auto length = static_cast<int64_t>(utf8.size());
    return {Rect::saturated(length * h / 2), Rect::saturated(h)};
}

// "notify title|body|key label,key label|click key"
void FakeOutput::post(const Notification& n, Answer a) {
    std::string actions;
    for (const NotificationAction& action : n.actions) actions += (actions.empty() ? "" : ",") + action.key + " " + action.label;
    said.push_back("notify " + n.title + "|" + n.body + "|" + actions + "|" + n.clickAction);
    answer = std::move(a);
}

std::string RecordingCanvas::rectText(const Rect& r) { return pointText(r.left, r.top) + "," + pointText(r.right, r.bottom); }

std::string RecordingCanvas::hex(ColorRef c) {
    char text[12];
    std::snprintf(text, sizeof text, "%06X", c);
    return text;
}

LogFont fakeTemplateFont() {
    LogFont font;
    font.lfHeight = -12;
    font.lfCharSet = 1;
    setFaceNameUtf8(font, "ＭＳ Ｐゴシック");
    return font;
}

void FakeWindow::attach(TimerWindow& window) {
    window_ = &window;
    window.attach(*this);
}

LogFont FakeWindow::dialogFont() const { return fakeTemplateFont(); }

void FakeWindow::moveTo(int32_t x, int32_t y) {
    log.push_back("moveTo " + pointText(x, y));
    rect = {x, y, Rect::saturated(int64_t{x} + rect.width()), Rect::saturated(int64_t{y} + rect.height())};
}

void FakeWindow::resizeTo(int32_t width, int32_t height) {
    log.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
    changeSize({rect.left, rect.top, Rect::saturated(int64_t{rect.left} + width),
                Rect::saturated(int64_t{rect.top} + height)});
}

void FakeWindow::place(const Rect& outer) {
    log.push_back("place " + RecordingCanvas::rectText(outer));
    changeSize(outer);
}

void FakeWindow::changeSize(const Rect& next) {
    const bool sized = next.width() != rect.width() || next.height() != rect.height();
    rect = next;
    if (sized && window_) window_->onSize(clientSize().cx, clientSize().cy);
}

void FakeWindow::redrawNow() {
    log.push_back("redraw");
    ++redraws;
    canvas = RecordingCanvas{};
    if (window_) window_->onPaint(canvas);
    for (const std::string& op : canvas.ops)
        if (op.starts_with("text ")) texts.push_back(op.substr(op.rfind(' ') + 1));
}

int FakeModalRunner::runModal(TimerWindow& timer) {
    window.attach(timer);
    timer.onSize(window.clientSize().cx, window.clientSize().cy);
    window.log.push_back("init");
    timer.onInitDialog();
    if (session) session(timer, window);
    window.detach();  // the native window is gone with the run
    return window.endResult.value_or(0);
}
