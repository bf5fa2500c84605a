#include "countdown/timer_app.h"

#include "countdown/countdown_window.h"

bool TimerApp::run(Services& services, ModalRunner& runner, std::optional<StartTime> start) {
    {
        CountdownWindow window(services);
        // The state objects exist before the native window's first size message.
        window.createStateObjects();
        window.setStartTime(start);
        runner.runModal(window);
    }
    return false;
}
