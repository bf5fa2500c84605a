// The context menu as it opens: its items and ids, the registered times, the
// check marks, the start/stop label, and what choosing or dismissing does.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "countdown/countdown_window.h"
#include "fake/fake_platform.h"

namespace {

using Kind = MenuItem::Kind;

struct Row {
    Kind kind;
    uint32_t id;
    std::string caption;
    bool checked = false;
};

std::vector<Row> rowsOf(const std::vector<MenuItem>& items) {
    std::vector<Row> rows;
    for (const MenuItem& item : items) rows.push_back({item.kind, item.id, item.caption, item.checked});
    return rows;
}

bool operator==(const Row& a, const Row& b) {
    return a.kind == b.kind && a.id == b.id && a.caption == b.caption && a.checked == b.checked;
}

void PrintTo(const Row& r, std::ostream* os) {
    *os << "{" << static_cast<int>(r.kind) << ", " << r.id << ", \"" << r.caption << "\", " << r.checked << "}";
}

const Row kSep{Kind::Separator, 0, ""};

// The menu after the registered times, with the first-run options
// (underline, auto-fit, alarm sound, auto-start on; topmost off).
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

class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.createStateObjects();
        host->attach(window);
        const Size client = host->clientSize();
        window.onSize(client.cx, client.cy);
        window.onInitDialog();  // no settings file: first-run defaults
    }

    // Opens the menu at a client point; the fake answers with `choice`.
    const MenuModel& open(std::optional<uint32_t> choice = std::nullopt) {
        platform.menus.choice = choice;
        window.showContextMenu(10, 20);
        return platform.menus.shown.back();
    }

    std::vector<Row> head(const MenuModel& menu, std::size_t n) {
        std::vector<Row> rows = rowsOf(menu.items);
        rows.resize(std::min(n, rows.size()));
        return rows;
    }

    FakePlatform platform;
    std::unique_ptr<FakeWindow> host = platform.makeWindow();
    CountdownWindow window{platform.services()};
};

TEST_F(ContextMenuTest, FirstRunMenuListsTheDefaultTimesThenTheTemplate) {
    const MenuModel& menu = open();
    std::vector<Row> expected = {
        {Kind::Command, 32794, "3分"},
        {Kind::Command, 32795, "10分"},
        {Kind::Command, 32796, "1時間"},
    };
    expected.insert(expected.end(), kDefaultTail.begin(), kDefaultTail.end());
    EXPECT_EQ(rowsOf(menu.items), expected);
    EXPECT_EQ(rowsOf(menu.items[10].children), kDefaultSubmenu);
}

TEST_F(ContextMenuTest, RegisteredTimesTakeTheFirstPlacesWithTheirIds) {
    struct Case {
        std::vector<uint32_t> times;
        std::vector<Row> head;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{90, 3661, 45}, {{Kind::Command, 32794, "1分30秒"}, {Kind::Command, 32795, "1時間1分1秒"}, {Kind::Command, 32796, "45秒"}}},
        {{60, 120, 180, 240, 300},
         {{Kind::Command, 32794, "1分"}, {Kind::Command, 32795, "2分"}, {Kind::Command, 32796, "3分"},
          {Kind::Command, 32799, "4分"}, {Kind::Command, 32800, "5分"}}},
        // A longer list from an old settings file: only the first five show.
        {{60, 120, 180, 240, 300, 360, 420},
         {{Kind::Command, 32794, "1分"}, {Kind::Command, 32795, "2分"}, {Kind::Command, 32796, "3分"},
          {Kind::Command, 32799, "4分"}, {Kind::Command, 32800, "5分"}}},
    };
    for (const Case& c : cases) {
        window.countdownSettings().registeredTimes = c.times;
        const MenuModel& menu = open();
        SCOPED_TRACE(c.times.size());
        ASSERT_EQ(menu.items.size(), c.head.size() + kDefaultTail.size());
        EXPECT_EQ(head(menu, c.head.size()), c.head);
        EXPECT_EQ(rowsOf(menu.items).at(c.head.size()), kDefaultTail.front());
    }
}

TEST_F(ContextMenuTest, ChoosingARegisteredTimeSetsAndAutoStartsIt) {
    open(kCmdRegisteredTime2);  // "10分"
    EXPECT_EQ(window.countdown().duration(), 600);
    EXPECT_TRUE(window.countdown().isRunning());
    EXPECT_EQ(window.displayState().text, "0:10:00");
    platform.advance(1500);
    EXPECT_EQ(window.displayState().text, "0:09:59");
}

TEST_F(ContextMenuTest, EachRegisteredTimeIdSelectsItsEntry) {
    window.countdownSettings().autoStart = 0;
    window.countdownSettings().registeredTimes = {11, 22, 33, 44, 55};
    const std::vector<std::pair<uint32_t, int32_t>> cases = {
        {32794, 11}, {32795, 22}, {32796, 33}, {32799, 44}, {32800, 55},
    };
    for (const auto& [id, seconds] : cases) {
        open(id);
        EXPECT_EQ(window.countdown().duration(), seconds) << id;
        EXPECT_FALSE(window.countdown().isRunning()) << id;
    }
}

TEST_F(ContextMenuTest, CheckMarksFollowTheOptionsAtEachOpening) {
    auto& options = window.countdownSettings();
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

TEST_F(ContextMenuTest, StartStopLabelFollowsTheRunningState) {
    auto label = [&] { return open().items[5].caption; };
    EXPECT_EQ(label(), "スタート(左ダブルクリック)");
    open(kCmdStartStop);
    EXPECT_TRUE(window.countdown().isRunning());
    EXPECT_EQ(label(), "ストップ(左ダブルクリック)");
    platform.advance(2500);
    open(kCmdStartStop);
    EXPECT_FALSE(window.countdown().isRunning());
    EXPECT_EQ(window.displayState().text, "0:02:58");
    EXPECT_EQ(label(), "スタート(左ダブルクリック)");
}

TEST_F(ContextMenuTest, OpensAtTheReleasePointOnTheScreen) {
    host->rect = {300, 200, 500, 280};
    open();
    EXPECT_EQ(platform.menus.points.back(), (Point{300 + 4 + 10, 200 + 4 + 20}));
}

TEST_F(ContextMenuTest, DismissingChangesNothing) {
    open(kCmdStartStop);
    platform.advance(1500);
    host->clearLog();
    const int writes = platform.files.writes;
    open(std::nullopt);
    EXPECT_TRUE(window.countdown().isRunning());
    EXPECT_EQ(window.countdown().duration(), 180);
    EXPECT_TRUE(host->log.empty());
    EXPECT_EQ(platform.files.writes, writes);
    EXPECT_EQ(platform.dialogs.setTimeRuns + platform.dialogs.registeredTimesRuns, 0);
    EXPECT_TRUE(platform.messages.shown.empty());
}

}  // namespace
