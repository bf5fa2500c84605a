#include "qt/qt_dialog_controls.h"

#include <QSignalBlocker>

#include <algorithm>

#include "qt/time_format.h"

void QtTimeControl::setFormat(const std::string& format) {
    const QSignalBlocker block(edit_);
    edit_.setDisplayFormat(toQtTimeFormat(QString::fromStdString(format)));
}

void QtTimeControl::setTime(const TimeOfDay& time) {
    const QSignalBlocker block(edit_);
    // The control holds one day; a longer duration shows as its last second.
    const QTime value(time.hour, time.minute, time.second);
    edit_.setTime(value.isValid() ? value : QTime(23, 59, 59));
}

TimeOfDay QtTimeControl::time() const {
    const QTime t = edit_.time();
    return TimeOfDay{t.hour(), t.minute(), t.second()};
}

namespace {

QListWidgetItem* itemOf(const std::string& text, uint32_t data) {
    auto* item = new QListWidgetItem(QString::fromStdString(text));
    item->setData(Qt::UserRole, QVariant::fromValue(data));
    return item;
}

}  // namespace

void QtListBox::addString(const std::string& text, uint32_t data) {
    const QSignalBlocker block(list_);
    list_.addItem(itemOf(text, data));
}

void QtListBox::insertString(int index, const std::string& text, uint32_t data) {
    const QSignalBlocker block(list_);
    list_.insertItem(index < 0 ? list_.count() : std::min(index, list_.count()), itemOf(text, data));
}

void QtListBox::deleteString(int index) {
    if (index < 0 || index >= list_.count()) return;
    const bool wasSelected = currentSelection() == index;
    const QSignalBlocker block(list_);
    delete list_.takeItem(index);
    // A list box has no selection after its selected entry is deleted.
    if (wasSelected) setCurrentSelection(-1);
}

std::string QtListBox::text(int index) const {
    const QListWidgetItem* item = list_.item(index);
    return item ? item->text().toStdString() : std::string();
}

uint32_t QtListBox::data(int index) const {
    const QListWidgetItem* item = list_.item(index);
    return item ? item->data(Qt::UserRole).value<uint32_t>() : 0;
}

int QtListBox::currentSelection() const {
    const QList<QListWidgetItem*> selected = list_.selectedItems();
    return selected.isEmpty() ? -1 : list_.row(selected.first());
}

void QtListBox::setCurrentSelection(int index) {
    const QSignalBlocker block(list_);
    if (index < 0 || index >= list_.count()) {
        list_.setCurrentRow(-1);
        list_.clearSelection();
        return;
    }
    list_.setCurrentRow(index);
}
