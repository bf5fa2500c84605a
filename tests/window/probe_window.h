// A minimal concrete timer window that records the operations the generic
// window calls, so gestures, painting and fitting are checked on their own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "timekeeping/time_text.h"
#include "window/timer_window.h"

class ProbeWindow : public TimerWindow {
public:
    explicit ProbeWindow(Services& services) : TimerWindow(7, services) {}

    void onLButtonDown(Point client) override { beginPress(client); }
    void onRButtonDown(Point) override { calls.push_back("rdown"); }
    void onTimer(uint32_t id) override {
        if (id == kClickTimerId) endClickSequence();
    }
    void onCommand(uint32_t) override {}

    void saveSettings() override { note("save"); }
    int32_t timeFormatMode() const override { return kClockFormatMode; }
    void showContextMenu(int32_t x, int32_t y) override {
        calls.push_back("menu " + std::to_string(x) + "," + std::to_string(y));
    }
    void reset() override { note("reset"); }
    void toggleStartStop() override { note("toggle"); }
    void applyDefaultSettings() override { note("defaults"); }
    void applyLoadedSettings() override { note("loaded"); }
    void updateDisplay(bool redraw) override {
        note(redraw ? "update 1" : "update 0");
        displayState_->assign(shown);
    }
    std::string productName() const override { return "Probe"; }
    std::string versionString() const override { return "9.9"; }
    std::unique_ptr<DisplayState> createDisplayState() override { return std::make_unique<DisplayState>(); }
    std::unique_ptr<WindowSettings> createSettings() override { return std::make_unique<WindowSettings>(); }

    using TimerWindow::chooseBackgroundColor;
    using TimerWindow::chooseFont;
    using TimerWindow::fitWindowToText;
    using TimerWindow::toggleAutoFit;
    using TimerWindow::toggleUnderline;

    void setInverted(bool on) { inverted_ = on; }
    void setSizingGuard(bool on) { sizingGuard_ = on; }

    // Calls go to `calls` and, for ordering against the window's own
    // calls, into the fake window's log.
    void note(const std::string& call) {
        calls.push_back(call);
        if (auto* fake = dynamic_cast<FakeWindow*>(&host())) fake->log.push_back(call);
    }

    DisplayState shown;  // what updateDisplay puts into the snapshot
    std::vector<std::string> calls;
};

// A probe window after start-up on the fake platform (no settings file, so
// the defaults branch runs), with its log cleared.
struct ProbeSetup {
    FakePlatform platform;
    ProbeWindow window{platform.services()};
    std::unique_ptr<FakeWindow> host = platform.makeWindow();

    ProbeSetup() {
        window.createStateObjects();
        host->attach(window);
        window.onInitDialog();
        window.calls.clear();
        host->clearLog();
    }
    int count(const std::string& call) const {
        int n = 0;
        for (const auto& c : window.calls) n += c == call;
        return n;
    }
};
