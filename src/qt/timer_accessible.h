// The timer window as screen readers see it: a label named after the window
// (the product, or the timer's name) whose text is the time in words with the
// countdown's state, asked of the core each time. The value interface holds
// the shown seconds, so that the bridges pass its change events on.
#pragma once

#include <QAccessibleWidget>

class TimerWidget;

class TimerAccessible final : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleValueInterface {
public:
    explicit TimerAccessible(TimerWidget& widget);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface: the time in words, read only.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override;

    // QAccessibleValueInterface: the seconds shown, read only.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TimerWidget& timer() const;
};

// Makes the timer widget's interface for Qt's accessibility.
void installTimerAccessible();
