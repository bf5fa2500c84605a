#include "qt/qt_modal_runner.h"

#include <QGuiApplication>
#include <QSessionManager>

#include "qt/timer_widget.h"
#include "qt/timer_window_events.h"

int QtModalRunner::runModal(TimerWindow& window) {
    TimerWindowEvents events(window);
    TimerWidget widget(events, system_);
    const auto connection = QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, &widget, [&events](QSessionManager& manager) {
            if (!events.queryEndSession()) manager.cancel();
        });
    const int result = widget.runModal();
    QObject::disconnect(connection);
    return result;
}
