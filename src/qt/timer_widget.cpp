#include "qt/timer_widget.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <QWindow>

#include "qt/dialog_units.h"
#include "qt/font_mapping.h"
#include "qt/frame_band.h"
#include "qt/qt_canvas.h"
#include "qt/qt_geometry.h"
#include "qt/qt_timer_instances.h"
#include "qt/x11_hot_keys.h"
#include "resources/dialog_texts.h"

namespace {

// The window template: 44 x 12 dialog units of client area in the window's
// font, the dialogs' face at 12 points.
constexpr int kWindowFontPoints = 12;
constexpr int kTemplateWidthUnits = 44;
constexpr int kTemplateHeightUnits = 12;

}  // namespace

TimerWidget::TimerWidget(WindowEvents& events, const SystemValues& system)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), events_(events), system_(system) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);  // for the resize cursors over the band
    setWindowRole(QString::fromLatin1(kTimerWindowRole));  // how the other timers find this one
    setFocusPolicy(Qt::StrongFocus);  // the window's keys, and a focus screen readers follow
}

TimerWidget::~TimerWidget() = default;

int TimerWidget::frameThickness() const { return system_.sizingFrame().cx; }

void TimerWidget::initialise() {
    // The template's own size is replaced at once by the loaded place or the
    // size of the text, so it is not worth starting the font machinery for
    // before the window shows: the base units are those of the template font
    // (8 x 16 pixels at 96 dpi), scaled to the screen.
    const double scale = -dialogFont().lfHeight / 16.0;
    const DialogBaseUnits base{static_cast<int>(8 * scale + 0.5), static_cast<int>(16 * scale + 0.5)};
    const QRect client = dialogUnitsToPixels(base, 0, 0, kTemplateWidthUnits, kTemplateHeightUnits);
    resize(client.width() + 2 * frameThickness(), client.height() + 2 * frameThickness());
    events_.attach(*this);
    reportSize();
    events_.initDialog();
}

int TimerWidget::runModal() {
    initialise();
    if (modalResult_) return *modalResult_;
    show();
    QEventLoop loop;
    loop_ = &loop;
    const int result = modalResult_ ? *modalResult_ : loop.exec();
    loop_ = nullptr;
    hide();
    for (auto& [id, timer] : timers_) timer->stop();
    return result;
}

bool TimerWidget::timerActive(uint32_t id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

// Outside a press the window manager may have moved the window (or resized
// it from the left or top); within one only the program moves it, and no
// pointer move waits for the X server.
QPoint TimerWidget::topLeft() const {
    if (QGuiApplication::mouseButtons() == Qt::NoButton) geometry_.refresh(*this);
    return geometry_.topLeft();
}

Rect TimerWidget::windowRect() const { return toRect(QRect(topLeft(), size())); }

Size TimerWidget::clientSize() const {
    const QRect client = clientRectOf(size(), frameThickness());
    return Size{client.width(), client.height()};
}

Point TimerWidget::clientToScreen(Point client) const {
    const QPoint corner = topLeft();
    return Point{corner.x() + frameThickness() + client.x, corner.y() + frameThickness() + client.y};
}

bool TimerWidget::isMinimized() const { return QWidget::isMinimized(); }

// A Wayland client cannot place its window: a drag is handed to the
// compositor, which keeps the pointer until the button is up, so the press
// ends here for the timer.
void TimerWidget::moveTo(int32_t x, int32_t y) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && captured_) {
        if (windowHandle() && windowHandle()->startSystemMove()) events_.leftUp(lastClientPoint_);
        return;
    }
    geometry_.placed(QPoint(x, y));
    move(x, y);
}

// The place goes along with the size: Qt's own record of it may be stale,
// and a bare resize would send that back to the window manager.
void TimerWidget::resizeTo(int32_t width, int32_t height) {
    clearUserMinimum();
    setGeometry(QRect(topLeft(), QSize(width, height)));
    reportSize();  // a hidden widget gets its resize event only when shown
}

void TimerWidget::place(const Rect& outer) {
    clearUserMinimum();
    geometry_.placed(QPoint(outer.left, outer.top));
    setGeometry(toQRect(outer));
    reportSize();
    repaint();
}

void TimerWidget::setTopmost(bool on) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (flags != windowFlags()) {
        // Tell the window manager without recreating the window (which would
        // hide it and lose its place).
        overrideWindowFlags(flags);
        if (QWindow* window = windowHandle()) window->setFlags(flags);
    }
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

// Qt grabs the pointer for the widget while a button is held, which is what
// the capture is for; the flag only keeps the bookkeeping honest.
void TimerWidget::captureMouse() { captured_ = true; }
void TimerWidget::releaseMouse() { captured_ = false; }

void TimerWidget::setTimer(uint32_t id, uint32_t periodMs) {
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        // Qt's default coarse timers may fire 5 % of their interval early or
        // late; the countdown aims its wakes a few ms past each second's change.
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, this, [this, id] { events_.timer(id); });
    }
    timer->start(static_cast<int>(std::min<uint32_t>(periodMs, INT32_MAX)));
}

void TimerWidget::killTimer(uint32_t id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

void TimerWidget::redrawNow() { repaint(); }

LogFont TimerWidget::dialogFont() const { return templateLogFont(dialog_texts::kFontFace, kWindowFontPoints); }

void TimerWidget::setTitle(const std::string& text) {
    setWindowTitle(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TimerWidget::createTooltip(const std::string& text) {
    setToolTip(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace("\r\n", "\n"));
}

void TimerWidget::endModal(int result) {
    modalResult_ = result;
    if (loop_) loop_->exit(result);
}

void TimerWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect client = clientRectOf(size(), frameThickness());
    const QRegion band = QRegion(rect()).subtracted(QRegion(client));
    for (const QRect& part : band) painter.fillRect(part, toQColor(events_.bandColor()));
    painter.translate(client.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), client.size()));
    QtCanvas canvas(painter);
    events_.paint(canvas);
}

void TimerWidget::resizeEvent(QResizeEvent*) { reportSize(); }

void TimerWidget::reportSize() {
    const QSize client = clientRectOf(size(), frameThickness()).size();
    if (client == reportedClientSize_) return;
    reportedClientSize_ = client;
    events_.size(client.width(), client.height());
}

Point TimerWidget::clientPoint(const QMouseEvent* event) {
    lastClientPoint_ = geometry_.clientPoint(event->globalPosition(), frameThickness());
    return lastClientPoint_;
}

// The sizes the program sets and loads are not bound by a user's minimum.
void TimerWidget::clearUserMinimum() {
    if (minimumSize() != QSize(0, 0)) setMinimumSize(0, 0);
}

void TimerWidget::pressBand(const QMouseEvent* event, Qt::Edges edges) {
    pressInBand_ = true;
    if (event->button() == Qt::LeftButton)
        bandPress_ = BandPress{edges, QRect(geometry_.topLeft(), size()), event->globalPosition().toPoint()};
}

// The drag begins with the first move of the held button, not at the press:
// a window manager asked to resize after a quick click was already released
// would keep the pointer until the next click. The window first follows that
// move itself; the window manager goes on from where the pointer is now.
void TimerWidget::beginBandDrag(QPoint pointer) {
    bandPress_->begun = true;
    setMinimumSize(WindowGeometry::userMinimum(size(), frameThickness()));
    // Qt tells the window manager where the pointer is through its own
    // record of the window's place; it must be the real one.
    if (const std::optional<QPoint> real = geometry_.correctionOf(pos())) move(*real);
    followBandDrag(pointer);
    bandPress_->own = !(windowHandle() && windowHandle()->startSystemResize(bandPress_->edges));
}

void TimerWidget::followBandDrag(QPoint pointer) {
    const QRect outer = WindowGeometry::resized(bandPress_->start, bandPress_->edges, pointer - bandPress_->pointer,
                                                minimumSize());
    geometry_.placed(outer.topLeft());
    setGeometry(outer);
}

void TimerWidget::mousePressEvent(QMouseEvent* event) {
    lastPressTime_ = event->timestamp();
    lastPressButton_ = event->button();
    geometry_.refresh(*this);
    const Qt::Edges edges = bandEdgesAt(event->position().toPoint(), size(), frameThickness());
    if (edges) {
        pressBand(event, edges);
        return;
    }
    pressInBand_ = false;
    if (event->button() == Qt::LeftButton) events_.leftDown(clientPoint(event));
    if (event->button() == Qt::RightButton) events_.rightDown(clientPoint(event));
}

void TimerWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click may come as a press followed by a
    // double-click event for the same press; it counts once.
    if (event->timestamp() == lastPressTime_ && event->button() == lastPressButton_) return;
    mousePressEvent(event);
}

void TimerWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (pressInBand_) {
        if (event->buttons() == Qt::NoButton) {
            pressInBand_ = false;
            bandPress_.reset();
        }
        return;
    }
    if (event->button() == Qt::LeftButton) events_.leftUp(clientPoint(event));
    if (event->button() == Qt::RightButton) events_.rightUp(clientPoint(event));
}

void TimerWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) {
        setCursor(cursorForEdges(bandEdgesAt(event->position().toPoint(), size(), frameThickness())));
    }
    if (bandPress_ && (event->buttons() & Qt::LeftButton)) {
        if (!bandPress_->begun)
            beginBandDrag(event->globalPosition().toPoint());
        else if (bandPress_->own)
            followBandDrag(event->globalPosition().toPoint());
    }
    if (!pressInBand_) events_.mouseMove(clientPoint(event));
}

namespace {

Key coreKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return letterKey(static_cast<char>('A' + (key - Qt::Key_A)));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return letterKey(static_cast<char>('0' + (key - Qt::Key_0)));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return functionKey(1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Menu: return Key::Menu;
    default: return Key::None;
    }
}

}  // namespace

void TimerWidget::keyPressEvent(QKeyEvent* event) {
    const Key key = coreKey(event->key());
    if (key == Key::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Taken here: Qt would make a context-menu event of the Menu key, and
    // the arrows would move the focus.
    const Qt::KeyboardModifiers mods = event->modifiers();
    events_.key({key, mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::ControlModifier),
                 mods.testFlag(Qt::AltModifier), event->isAutoRepeat()});
    event->accept();
}

void TimerWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) events_.keyboardFocus(isActiveWindow());
    QWidget::changeEvent(event);
}

void TimerWidget::bringForward() {
    raise();
    activateWindow();
    activateOnX11(*this);
}

void TimerWidget::accessibleChanged(AccessibleChange change) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent value(this, events_.accessibleSeconds());
    QAccessible::updateAccessibility(&value);
    if (change == AccessibleChange::TimeUp) {
        QAccessibleEvent name(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}

void TimerWidget::closeEvent(QCloseEvent* event) {
    // The window manager's close (Alt+F4) is the cancel action, which the
    // timer ignores; only its Exit command ends the run.
    event->ignore();
    events_.cancelKey();
}
