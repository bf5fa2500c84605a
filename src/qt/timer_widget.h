// The native timer window: a frameless tool window whose border band resizes
// it and whose client area belongs to the core. Raw presses, moves and
// releases go to the core, which counts clicks itself; Qt's double-click
// events are taken as plain presses.
#pragma once

#include <QSize>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>

#include "qt/window_events.h"
#include "qt/window_geometry.h"
#include "platform/system_values.h"
#include "platform/window_host.h"

class QEventLoop;
class QTimer;

class TimerWidget final : public QWidget, public WindowHost {
public:
    TimerWidget(WindowEvents& events, const SystemValues& system);
    ~TimerWidget() override;

    // Creates the window at the template's size, initialises the core, shows
    // the window and runs until endModal.
    int runModal();
    // The steps of runModal before its loop, for tests that drive the widget.
    void initialise();
    int frameThickness() const;
    bool timerActive(uint32_t id) const;

    // WindowHost
    Rect windowRect() const override;
    Size clientSize() const override;
    Point clientToScreen(Point client) const override;
    bool isMinimized() const override;
    void moveTo(int32_t x, int32_t y) override;
    void resizeTo(int32_t width, int32_t height) override;
    void place(const Rect& outer) override;
    void setTopmost(bool on) override;
    void captureMouse() override;
    void releaseMouse() override;
    void setTimer(uint32_t id, uint32_t periodMs) override;
    void killTimer(uint32_t id) override;
    void redrawNow() override;
    LogFont dialogFont() const override;
    void createTooltip(const std::string& text) override;
    void setTitle(const std::string& text) override;
    void bringForward() override;
    void accessibleChanged(AccessibleChange change) override;
    void endModal(int result) override;
    WindowEvents& events() const { return events_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The window shows no focus, so a change of it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    Point clientPoint(const QMouseEvent* event);
    QPoint topLeft() const;
    void pressBand(const QMouseEvent* event, Qt::Edges edges);
    void beginBandDrag(QPoint pointer);
    void followBandDrag(QPoint pointer);
    void clearUserMinimum();
    void reportSize();

    // A left press on the border; its drag is the window manager's, or the
    // program's own where no window manager takes it.
    struct BandPress {
        Qt::Edges edges;
        QRect start;
        QPoint pointer;
        bool begun = false;
        bool own = false;
    };

    WindowEvents& events_;
    const SystemValues& system_;
    std::map<uint32_t, std::unique_ptr<QTimer>> timers_;
    QSize reportedClientSize_{-1, -1};
    bool pressInBand_ = false;
    quint64 lastPressTime_ = 0;
    Qt::MouseButton lastPressButton_ = Qt::NoButton;
    bool captured_ = false;
    std::optional<BandPress> bandPress_;
    mutable WindowGeometry geometry_;
    Point lastClientPoint_{};
    std::optional<int> modalResult_;
    QEventLoop* loop_ = nullptr;
};
