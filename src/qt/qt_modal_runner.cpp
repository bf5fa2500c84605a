#include "qt/qt_modal_runner.h"

#include "qt/session_end.h"
#include "qt/timer_widget.h"
#include "qt/timer_window_events.h"

int QtModalRunner::runModal(TimerWindow& window) {
    TimerWindowEvents events(window);
    TimerWidget widget(events, system_);
    const SessionEnd sessionEnd([&events] { return events.queryEndSession(); }, [&widget] { widget.endModal(0); });
    return widget.runModal();
}
