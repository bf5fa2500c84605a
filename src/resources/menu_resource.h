// The context menu template (menu 131): the popup's items in template order,
// and the texts its commands show.
// Header-only so that every user gets the same table without a link step.
// Captions are UTF-8; nothing in the template is checked or greyed.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/menu.h"

inline constexpr int kContextMenuResourceId = 131;

struct MenuResourceRow {
    MenuItem::Kind kind;
    uint32_t id;              // 0 for separators and the submenu
    std::string_view caption;
    bool inSubmenu;           // belongs to the submenu opened by the row above it
};

inline constexpr std::string_view kRegisteredTimePlaceholder = "登録時間(動的メニュー)";
inline constexpr std::string_view kStartLabel = "スタート(左ダブルクリック)";
inline constexpr std::string_view kStopLabel = "ストップ(左ダブルクリック)";

// The help command's file, and the message when it is missing ("<file> が見つかりません。").
inline constexpr std::string_view kHelpFileName = "Readme.txt";
inline constexpr std::string_view kNotFoundSuffix = " が見つかりません。";

inline constexpr std::array<MenuResourceRow, 23> kContextMenuRows{{
    {MenuItem::Kind::Command, 32794, kRegisteredTimePlaceholder, false},
    {MenuItem::Kind::Command, 32795, kRegisteredTimePlaceholder, false},
    {MenuItem::Kind::Command, 32796, kRegisteredTimePlaceholder, false},
    {MenuItem::Kind::Command, 32799, kRegisteredTimePlaceholder, false},
    {MenuItem::Kind::Command, 32800, kRegisteredTimePlaceholder, false},
    {MenuItem::Kind::Command, 32793, "時間設定...", false},
    {MenuItem::Kind::Separator, 0, "", false},
    {MenuItem::Kind::Command, 32788, "スタート/ストップ(左ダブルクリック)", false},
    {MenuItem::Kind::Command, 32789, "リセット(左トリプルクリック)", false},
    {MenuItem::Kind::Separator, 0, "", false},
    {MenuItem::Kind::Command, 32779, "最前面に表示", false},
    {MenuItem::Kind::Command, 32797, "アラーム音を鳴らす", false},
    {MenuItem::Kind::Submenu, 0, "詳細設定", false},
    {MenuItem::Kind::Command, 32798, "よく使う時間を登録...", true},
    {MenuItem::Kind::Command, 32801, "時間設定時に自動スタート", true},
    {MenuItem::Kind::Separator, 0, "", true},
    {MenuItem::Kind::Command, 32780, "フォント...", true},
    {MenuItem::Kind::Command, 32781, "背景色...", true},
    {MenuItem::Kind::Command, 32792, "ウィンドウ/文字 サイズ自動調整", true},
    {MenuItem::Kind::Command, 32790, "計測中に下線を表示", true},
    {MenuItem::Kind::Command, 32791, "ヘルプ...", false},
    {MenuItem::Kind::Separator, 0, "", false},
    {MenuItem::Kind::Command, 32783, "終了", false},
}};

// A fresh menu model of the template, as loading the menu gives it.
inline MenuModel loadContextMenu() {
    MenuModel menu;
    for (const MenuResourceRow& row : kContextMenuRows) {
        MenuItem item;
        item.kind = row.kind;
        item.id = row.id;
        item.caption = std::string(row.caption);
        if (row.inSubmenu && !menu.items.empty() && menu.items.back().kind == MenuItem::Kind::Submenu)
            menu.items.back().children.push_back(std::move(item));
        else
            menu.items.push_back(std::move(item));
    }
    return menu;
}
