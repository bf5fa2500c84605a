// A real countdown window in a real TimerWidget on the offscreen platform,
// with its settings file in a temporary folder, plus helpers that drive the
// popups and dialogs that open in nested event loops.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "countdown/countdown_window.h"
#include "qt/qt_services.h"
#include "qt/timer_widget.h"
#include "qt/timer_window_events.h"

struct TimerFixture {
    explicit TimerFixture(const QString& settingsPath)
        : platform("", "/nonexistent-config", QUILLASTOR_QT_SHIPPED_DIR, {QUILLASTOR_QT_SHIPPED_DIR}),
          window(platform.services),
          events(window),
          widget(events, platform.system) {
        platform.services.settingsPath = settingsPath.toStdString();
        window.createStateObjects();
    }

    // Initialises and shows the window as the program does.
    bool start() {
        widget.initialise();
        widget.show();
        return QTest::qWaitForWindowExposed(&widget);
    }

    QPoint at(int clientX, int clientY) const {
        return QPoint(clientX + widget.frameThickness(), clientY + widget.frameThickness());
    }
    QPoint clientCentre() const {
        const Size c = widget.clientSize();
        return at(c.cx / 2, c.cy / 2);
    }
    void click(QPoint pos) {
        QTest::mousePress(&widget, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(&widget, Qt::LeftButton, {}, pos, 10);
    }
    void clicks(int count) {
        for (int i = 0; i < count; ++i) {
            click(clientCentre());
            QTest::qWait(40);
        }
    }
    std::string shownText() const { return window.displayState().text; }

    QtPlatform platform;
    CountdownWindow window;
    TimerWindowEvents events;
    TimerWidget widget;
};

// Runs `action` on the first widget `find` returns, polling from inside
// whatever nested event loop is running by then.
inline void whenShown(std::function<QWidget*()> find, std::function<void(QWidget&)> action) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, find, action] {
        QWidget* widget = find();
        if (!widget || !widget->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        action(*widget);
    });
    timer->start();
}

inline void whenMenu(std::function<void(QMenu&)> action) {
    whenShown([] { return QApplication::activePopupWidget(); },
              [action](QWidget& w) { action(static_cast<QMenu&>(w)); });
}

inline void whenDialog(std::function<void(QDialog&)> action) {
    whenShown([] { return QApplication::activeModalWidget(); },
              [action](QWidget& w) { action(static_cast<QDialog&>(w)); });
}

// The modal widget of type T, once it is up.
template <typename T>
void whenModal(std::function<void(T&)> action) {
    whenShown([] { return qobject_cast<T*>(QApplication::activeModalWidget()); },
              [action](QWidget& w) { action(static_cast<T&>(w)); });
}

inline QAction* findAction(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text) return action;
    return nullptr;
}

// Clicks an item of an open menu as a user would.
inline void clickMenuItem(QMenu& menu, QAction* action) {
    QTest::mouseMove(&menu, menu.actionGeometry(action).center());
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
}

// Opens the context menu with a right click on the window; `inMenu` runs
// while it is open.
inline void rightClick(TimerFixture& f, std::function<void(QMenu&)> inMenu) {
    whenMenu(std::move(inMenu));
    const QPoint pos = f.clientCentre();
    QTest::mousePress(&f.widget, Qt::RightButton, {}, pos);
    QTest::mouseRelease(&f.widget, Qt::RightButton, {}, pos, 10);
}
