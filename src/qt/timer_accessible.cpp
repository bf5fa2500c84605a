#include "qt/timer_accessible.h"

#include "qt/timer_widget.h"

namespace {

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QAccessibleInterface* timerFactory(const QString&, QObject* object) {
    auto* widget = dynamic_cast<TimerWidget*>(object);
    return widget ? new TimerAccessible(*widget) : nullptr;
}

}  // namespace

TimerAccessible::TimerAccessible(TimerWidget& widget) : QAccessibleWidget(&widget, QAccessible::StaticText) {}

TimerWidget& TimerAccessible::timer() const { return static_cast<TimerWidget&>(*widget()); }

QString TimerAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: return fromUtf8(timer().events().accessibleName());
    case QAccessible::Value: return fromUtf8(timer().events().accessibleValue());
    default: return QAccessibleWidget::text(t);
    }
}

void* TimerAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TimerAccessible::text(int start, int end) const {
    const QString value = text(QAccessible::Value);
    return end < 0 ? value.mid(start) : value.mid(start, end - start);
}

int TimerAccessible::characterCount() const { return static_cast<int>(text(QAccessible::Value).size()); }

QString TimerAccessible::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

QVariant TimerAccessible::currentValue() const { return timer().events().accessibleSeconds(); }

QVariant TimerAccessible::maximumValue() const { return std::numeric_limits<int>::max(); }

void installTimerAccessible() { QAccessible::installFactory(timerFactory); }
