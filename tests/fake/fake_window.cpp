#include <algorithm>
#include <string>

#include "fake/fake_platform.h"
#include "window/timer_window.h"

namespace {
std::string pointText(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }
}

FakeWindow::FakeWindow(FakeTime& time, const FakeSystemValues& system)
    : templateFont(fakeTemplateFont()), time_(time), system_(system) {}

FakeWindow::~FakeWindow() { time_.killAll(this); }

void FakeWindow::attach(TimerWindow& window) {
    window_ = &window;
    window.attach(*this);
}

void FakeWindow::detach() {
    time_.killAll(this);
    window_ = nullptr;
}

Size FakeWindow::clientSize() const {
    const Size frame = system_.sizingFrame();
    return {rect.width() - 2 * frame.cx, rect.height() - 2 * frame.cy};
}

Point FakeWindow::clientToScreen(Point client) const {
    const Size frame = system_.sizingFrame();
    return {rect.left + frame.cx + client.x, rect.top + frame.cy + client.y};
}

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
    log.push_back("place " + pointText(outer.left, outer.top) + "," + pointText(outer.right, outer.bottom));
    changeSize(outer);
}

void FakeWindow::changeSize(const Rect& next) {
    const bool sized = next.width() != rect.width() || next.height() != rect.height();
    rect = next;
    if (sized && window_) window_->onSize(clientSize().cx, clientSize().cy);
}

void FakeWindow::setTimer(uint32_t id, uint32_t periodMs) {
    log.push_back("setTimer " + std::to_string(id) + " " + std::to_string(periodMs));
    time_.setTimer(this, id, periodMs, [this](uint32_t firing) {
        if (window_) window_->onTimer(firing);
    });
}

void FakeWindow::killTimer(uint32_t id) {
    log.push_back("killTimer " + std::to_string(id));
    time_.killTimer(this, id);
}

void FakeWindow::redrawNow() {
    log.push_back("redraw");
    ++redraws;
    lastCanvas = RecordingCanvas{};
    if (window_) window_->onPaint(lastCanvas);
    if (auto text = lastCanvas.text()) paintedTexts.push_back(text->text);
}

bool FakeWindow::logContains(const std::string& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

int FakeModalRunner::runModal(TimerWindow& window) {
    ++runs;
    this->window = makeWindow_();
    FakeWindow& host = *this->window;
    host.attach(window);
    // Creation sends the first size message, before initialisation.
    window.onSize(host.clientSize().cx, host.clientSize().cy);
    host.log.push_back("init");
    window.onInitDialog();
    if (session) session(window, host);
    host.detach();
    return host.endResult.value_or(0);
}
