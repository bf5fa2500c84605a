// The context menu template (menu 131): the popup's items in template order,
// their captions from the catalogue. Nothing in the template is checked or
// greyed. The five registered-time placeholders and the start/stop item are
// replaced before the menu shows, so they have no caption of their own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/menu.h"
#include "resources/catalogue.h"

inline constexpr int kContextMenuResourceId = 131;

struct MenuResourceRow {
    MenuItem::Kind kind;
    uint32_t id;              // 0 for separators and the submenu
    std::optional<TextId> caption;
    bool inSubmenu;           // belongs to the submenu opened by the row above it
};

inline constexpr std::array<MenuResourceRow, 24> kContextMenuRows{{
    {MenuItem::Kind::Command, 32794, std::nullopt, false},
    {MenuItem::Kind::Command, 32795, std::nullopt, false},
    {MenuItem::Kind::Command, 32796, std::nullopt, false},
    {MenuItem::Kind::Command, 32799, std::nullopt, false},
    {MenuItem::Kind::Command, 32800, std::nullopt, false},
    {MenuItem::Kind::Command, 32793, TextId::menu_set_time, false},
    {MenuItem::Kind::Separator, 0, std::nullopt, false},
    {MenuItem::Kind::Command, 32788, std::nullopt, false},
    {MenuItem::Kind::Command, 32789, TextId::menu_reset, false},
    {MenuItem::Kind::Separator, 0, std::nullopt, false},
    {MenuItem::Kind::Command, 32779, TextId::menu_topmost, false},
    {MenuItem::Kind::Command, 32797, TextId::menu_alarm_sound, false},
    {MenuItem::Kind::Command, 32802, TextId::menu_notify, false},
    {MenuItem::Kind::Submenu, 0, TextId::menu_advanced, false},
    {MenuItem::Kind::Command, 32798, TextId::menu_register_times, true},
    {MenuItem::Kind::Command, 32801, TextId::menu_auto_start, true},
    {MenuItem::Kind::Separator, 0, std::nullopt, true},
    {MenuItem::Kind::Command, 32780, TextId::menu_font, true},
    {MenuItem::Kind::Command, 32781, TextId::menu_back_color, true},
    {MenuItem::Kind::Command, 32792, TextId::menu_auto_fit, true},
    {MenuItem::Kind::Command, 32790, TextId::menu_underline, true},
    {MenuItem::Kind::Command, 32791, TextId::menu_help, false},
    {MenuItem::Kind::Separator, 0, std::nullopt, false},
    {MenuItem::Kind::Command, 32783, TextId::menu_exit, false},
}};

// A fresh menu model of the template, as loading the menu gives it.
inline MenuModel loadContextMenu(const Texts& texts) {
    MenuModel menu;
    for (const MenuResourceRow& row : kContextMenuRows) {
        MenuItem item;
        item.kind = row.kind;
        item.id = row.id;
        if (row.caption) item.caption = std::string(texts[*row.caption]);
        if (row.inSubmenu && !menu.items.empty() && menu.items.back().kind == MenuItem::Kind::Submenu)
            menu.items.back().children.push_back(std::move(item));
        else
            menu.items.push_back(std::move(item));
    }
    return menu;
}
