// The core's menu model shown as a QMenu at a screen point.
#pragma once

#include <QMenu>

#include "platform/menu.h"

class QtMenuPresenter final : public MenuPresenter {
public:
    std::optional<uint32_t> track(const MenuModel& menu, Point screen, bool firstSelected) override;
};

// Fills `menu` from the model; each command action carries its id as data.
void fillMenu(QMenu& menu, const std::vector<MenuItem>& items);
