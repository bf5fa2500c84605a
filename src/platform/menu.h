// A popup menu as data: the core builds it, a backend shows it as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"

struct MenuItem {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    uint32_t id = 0;         // command id; 0 for separators and submenus
    std::string caption;     // UTF-8
    bool checked = false;
    std::vector<MenuItem> children;  // submenu items
};

struct MenuModel {
    std::vector<MenuItem> items;
};

class MenuPresenter {
public:
    virtual ~MenuPresenter() = default;
    // Shows the menu with its top-left corner at the screen point and tracks
    // it; the chosen command id, or nullopt when dismissed. Timers and paints
    // go on meanwhile. Opened from the keyboard, its first item is selected.
    virtual std::optional<uint32_t> track(const MenuModel& menu, Point screen, bool firstSelected) = 0;
};
