// A countdown window started on the fake platform the way the modal run
// starts it (first size message under the guard, then initialisation), with
// gesture helpers. Virtual time starts at 1000 ms; double-click time 500 ms.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "countdown/countdown_window.h"
#include "fake/fake_platform.h"
#include "settings/countdown_settings.h"

struct CountdownSetup {
    FakePlatform platform;
    std::optional<CountdownWindow> window;
    std::unique_ptr<FakeWindow> host;

    // `stored` (when given) is written as the settings file first.
    void start(CountdownSettings* stored = nullptr) {
        if (stored) stored->save(platform.files, platform.services().settingsPath);
        window.emplace(platform.services());
        window->createStateObjects();
        host = platform.makeWindow();
        host->attach(*window);
        const Size client = host->clientSize();
        window->onSize(client.cx, client.cy);
        window->onInitDialog();
    }
    // First-run start with auto-start off and the given duration, idle.
    void startIdle(int32_t seconds) {
        start();
        window->countdownSettings().autoStart = 0;
        window->setCountdownDuration(seconds);
    }

    static constexpr Point kAt{10, 8};
    void press() { window->onLButtonDown(kAt); }
    void release() { window->onLButtonUp(kAt); }
    void click() { press(); release(); }
    void doubleClick() { click(); click(); }
    void advance(uint32_t ms) { platform.advance(ms); }

    std::string shown() const { return window->displayState().text; }
    bool tickRunning() const { return host->timerRunning(CountdownWindow::kTickTimerId); }
    bool flashRunning() const { return host->timerRunning(CountdownWindow::kFlashTimerId); }
    const std::vector<std::string>& sounds() const { return platform.sound.events; }
};
