// The context menu as it opens: items and ids, the registered times, check
// marks, the start/stop label, and what choosing or dismissing does.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "countdown_setup.h"

namespace {

using Kind = MenuItem::Kind;

struct Row {
    Kind kind;
    uint32_t id;
    std::string caption;
    bool checked = false;
    friend bool operator==(const Row&, const Row&) = default;
    friend void PrintTo(const Row& r, std::ostream* os) { *os << r.id << " \"" << r.caption << "\" " << r.checked; }
};

std::vector<Row> rowsOf(const std::vector<MenuItem>& items) {
    std::vector<Row> rows;
    for (const MenuItem& item : items) rows.push_back({item.kind, item.id, item.caption, item.checked});
    return rows;
}

const Row kSep{Kind::Separator, 0, ""};

// Everything below the registered times, with the first-run options.
const std::vector<Row> kDefaultTail = {
    {Kind::Command, 32793, "時間設定..."},
    kSep,
    {Kind::Command, 32788, "スタート(左ダブルクリック)"},
    {Kind::Command, 32789, "リセット(左トリプルクリック)"},
    kSep,
    {Kind::Command, 32779, "最前面に表示"},
    {Kind::Command, 32797, "アラーム音を鳴らす", true},
    {Kind::Submenu, 0, "詳細設定"},
    {Kind::Command, 32791, "ヘルプ..."},
    kSep,
    {Kind::Command, 32783, "終了"},
};

const std::vector<Row> kDefaultSubmenu = {
    {Kind::Command, 32798, "よく使う時間を登録..."},
    {Kind::Command, 32801, "時間設定時に自動スタート", true},
    kSep,
    {Kind::Command, 32780, "フォント..."},
    {Kind::Command, 32781, "背景色..."},
    {Kind::Command, 32792, "ウィンドウ/文字 サイズ自動調整", true},
    {Kind::Command, 32790, "計測中に下線を表示", true},
};

struct ContextMenuTest : ::testing::Test, CountdownSetup {
    void SetUp() override { start(); }

    // Opens the menu at a client point; the fake user answers `choice`.
    const MenuModel& open(std::optional<uint32_t> choice = std::nullopt) {
        platform.menus.choice = choice;
        window->showContextMenu(10, 20);
        return platform.menus.shown.back();
    }
};

TEST_F(ContextMenuTest, RegisteredTimesTakeTheFirstPlacesWithTheirIds) {
    const std::vector<Row> five = {{Kind::Command, 32794, "1分"}, {Kind::Command, 32795, "2分"},
                                   {Kind::Command, 32796, "3分"}, {Kind::Command, 32799, "4分"},
                                   {Kind::Command, 32800, "5分"}};
    const std::vector<std::pair<std::vector<uint32_t>, std::vector<Row>>> cases = {
        {{}, {}},
        {{180, 600, 3600},
         {{Kind::Command, 32794, "3分"}, {Kind::Command, 32795, "10分"}, {Kind::Command, 32796, "1時間"}}},
        {{90, 3661, 45}, {{Kind::Command, 32794, "1分30秒"}, {Kind::Command, 32795, "1時間1分1秒"},
                          {Kind::Command, 32796, "45秒"}}},
        {{60, 120, 180, 240, 300}, five},
        {{60, 120, 180, 240, 300, 360, 420}, five},  // an old settings file's longer list
    };
    for (const auto& [times, head] : cases) {
        window->countdownSettings().registeredTimes = times;
        std::vector<Row> expected = head;
        expected.insert(expected.end(), kDefaultTail.begin(), kDefaultTail.end());
        EXPECT_EQ(rowsOf(open().items), expected) << times.size() << " times";
    }
    EXPECT_EQ(rowsOf(platform.menus.shown.at(1).items.at(10).children), kDefaultSubmenu);  // the first-run times
}

TEST_F(ContextMenuTest, EachRegisteredTimeIdSetsItsEntryAndAutoStartsIt) {
    open(kCmdRegisteredTime2);  // "10分", auto-start on
    advance(1500);
    EXPECT_EQ(shown(), "0:09:59");
    window->countdownSettings().autoStart = 0;
    window->countdownSettings().registeredTimes = {11, 22, 33, 44, 55};
    const std::pair<uint32_t, int32_t> cases[] = {{32794, 11}, {32795, 22}, {32796, 33}, {32799, 44}, {32800, 55}};
    for (const auto& [id, seconds] : cases) {
        open(id);
        EXPECT_EQ(window->countdown().duration(), seconds) << id;
        EXPECT_FALSE(window->countdown().isRunning()) << id;
    }
}

TEST_F(ContextMenuTest, CheckMarksFollowTheOptionsAtEachOpening) {
    auto& options = window->countdownSettings();
    auto setAll = [&](int32_t v) {
        options.topmost = options.underline = options.autoFit = options.alarmSound = options.autoStart = v;
    };
    auto checkedIds = [](const MenuModel& menu) {
        std::vector<uint32_t> ids;
        for (const MenuItem& item : menu.items) {
            if (item.checked) ids.push_back(item.id);
            for (const MenuItem& inner : item.children)
                if (inner.checked) ids.push_back(inner.id);
        }
        return ids;
    };
    setAll(7);  // any non-zero value is on
    EXPECT_EQ(checkedIds(open()), (std::vector<uint32_t>{32779, 32797, 32801, 32792, 32790}));
    setAll(0);
    EXPECT_EQ(checkedIds(open()), std::vector<uint32_t>{});
    options.autoFit = 1;
    EXPECT_EQ(checkedIds(open()), std::vector<uint32_t>{32792});
}

TEST_F(ContextMenuTest, StartStopLabelFollowsTheRunningStateAndActsAsADoubleClick) {
    auto label = [&] { return open().items.at(5).caption; };
    EXPECT_EQ(label(), "スタート(左ダブルクリック)");
    open(kCmdStartStop);
    EXPECT_EQ(label(), "ストップ(左ダブルクリック)");
    advance(2500);
    open(kCmdStartStop);
    EXPECT_FALSE(window->countdown().isRunning());
    EXPECT_EQ(shown(), "0:02:58");
    EXPECT_EQ(label(), "スタート(左ダブルクリック)");
}

// The menu opens at the release point on the screen (sizing frame 4).
TEST_F(ContextMenuTest, OpensAtTheReleasePointAndDismissingChangesNothing) {
    open(kCmdStartStop);
    advance(1500);
    host->rect = {300, 200, 500, 280};
    host->clearLog();
    open(std::nullopt);
    EXPECT_EQ(platform.menus.points.back(), (Point{314, 224}));
    EXPECT_TRUE(window->countdown().isRunning());
    EXPECT_EQ(window->countdown().duration(), 180);
    EXPECT_TRUE(host->log.empty());
    EXPECT_EQ(platform.files.writes, 0);
    EXPECT_EQ(platform.dialogs.setTimeRuns + platform.dialogs.registeredTimesRuns, 0);
    EXPECT_TRUE(platform.messages.shown.empty());
}

}  // namespace
