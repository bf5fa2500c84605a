#include "countdown/timer_app.h"

#include "countdown/countdown_window.h"

bool TimerApp::run(Services& services, ModalRunner& runner, const TimerStart& start) {
    {
        CountdownWindow window(services);
        // The state objects exist before the native window's first size message.
        window.createStateObjects();
        window.setStartTime(start.time);
        window.setTimerName(start.name);
        window.useOptions(start.options);
        if (start.hold) start.hold->setReceiver([&window](const std::string& message) { window.receiveMessage(message); });
        if (start.hotKeys) start.hotKeys->setReceiver([&window](HotKeyAction action) { window.onHotKey(action); });
        runner.runModal(window);
        if (start.hotKeys) start.hotKeys->setReceiver(nullptr);
        if (start.hold) start.hold->setReceiver(nullptr);
    }
    return false;
}
