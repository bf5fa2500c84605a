// Starts the countdown window on the fake platform with arbitrary bytes as its
// settings file and exits at once. Whatever the file held, the window ends up
// on a monitor with a size the platform accepts, and Exit writes a well-formed
// file (116 + 4N bytes, at most five times) that loads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "countdown/countdown_window.h"
#include "countdown/timer_app.h"
#include "fake/fake_platform.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FakePlatform platform;
    const std::string path = platform.services.settingsPath;
    platform.files.files[path] = std::vector<uint8_t>(data, data + size);
    platform.runner.session = [&](TimerWindow& window, FakeWindow& host) {
        const Rect placed = host.windowRect();
        const Rect screen = platform.system.monitors.front();
        require(placed.width() >= 0 && placed.width() <= 32767 && placed.height() >= 0 && placed.height() <= 32767);
        require(placed.left < screen.right && screen.left < placed.right && placed.top < screen.bottom &&
                screen.top < placed.bottom);
        window.onCommand(kCmdExit);
    };
    TimerApp().run(platform.services, platform.runner);

    const std::vector<uint8_t>& saved = platform.files.files[path];
    require(saved.size() >= 116 && saved.size() <= 136 && saved.size() % 4 == 0);
    CountdownSettings again;
    require(again.load(saved));
    require(saved.size() == 116 + 4 * again.registeredTimes.size());
    return 0;
}
