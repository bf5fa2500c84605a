#include "fake/fake_controls.h"

void FakeListBox::insertString(int index, const std::string& text) {
    if (index < 0 || index > count()) index = count();
    items.insert(items.begin() + index, text);
}

void FakeListBox::deleteString(int index) {
    if (index < 0 || index >= count()) return;
    items.erase(items.begin() + index);
    if (selection >= count()) selection = -1;
}

std::string FakeListBox::text(int index) const {
    if (index < 0 || index >= count()) return {};
    return items[static_cast<std::size_t>(index)];
}

void FakeListBox::setCurrentSelection(int index) {
    selection = (index >= 0 && index < count()) ? index : -1;
}
