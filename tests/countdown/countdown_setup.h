// A countdown window started on the fake platform the way the modal run
// starts it (first size message under the guard, then initialisation), with
// gesture helpers. Virtual time starts at 1000 ms; double-click time 500 ms.
#pragma once

#include <optional>
#include <string>

#include "countdown/countdown_window.h"
#include "fake/fake_platform.h"
#include "fake/fake_controls.h"

struct CountdownSetup {
    FakePlatform platform;
    std::optional<CountdownWindow> window;
    FakeWindow& host = platform.window;

    // `stored` (when given) is written as the settings file first.
    void start(CountdownSettings* stored = nullptr, std::optional<StartTime> startTime = std::nullopt) {
        if (stored) platform.files.files[platform.services.settingsPath] = stored->storedBytes();
        window.emplace(platform.services);
        window->createStateObjects();
        window->setStartTime(startTime);
        host.attach(*window);
        window->onSize(host.clientSize().cx, host.clientSize().cy);
        window->onInitDialog();
    }
    // A loaded start at (100, 100), 200 x 80, idle, with the given duration.
    void startLoaded(int32_t seconds, int32_t topmost = 0, int32_t sound = 1) {
        CountdownSettings stored;
        stored.windowRect = {100, 100, 300, 180};
        stored.countdownSeconds = seconds;
        stored.topmost = topmost;
        stored.alarmSound = sound;
        stored.textColor = 0xFFFFFF;
        stored.backColor = 0xFF8080;
        start(&stored);
    }

    static constexpr Point kAt{10, 8};
    void press() { window->onLButtonDown(kAt); }
    void release() { window->onLButtonUp(kAt); }
    void click() { press(); release(); }
    void doubleClick() { click(); click(); }
    void advance(uint32_t ms) { host.advance(ms); }
    void command(uint32_t id) { window->onCommand(id); }

    std::string shown() const { return window->displayState().text; }
    bool running() const { return window->countdown().isRunning(); }
    std::optional<uint32_t> wakeDelay() const { return host.period(CountdownWindow::kWakeTimerId); }
    const std::vector<std::string>& said() const { return platform.output.said; }
    CountdownSettings& options() { return window->countdownSettings(); }
};
